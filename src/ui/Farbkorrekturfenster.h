#pragma once
// frmFarbkorrektur: the colour-correction window. For the chosen device and each channel the
// curve's control points (minimum, maximum, mid position and mid value), the TTL mark and the
// channel switch `scrFarbe`; the curve display; and the automatic correction
// (`AutomatischeKorrektur`, the procedure of output/Farbmessung) with its level steps and
// marks. Every change runs FarbenKorrigieren for the device, so the output uses it at once.
// GUI thread only.

#include "app/Programm.h"
#include "output/Farbmessung.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSpinBox;

namespace sw::ui {

// Input (across) against output (up) for the three curves of one device, with the control
// points of every channel that is a curve.
class Farbkurvenansicht : public QWidget {
public:
    explicit Farbkurvenansicht(QWidget* eltern);
    void zeigen(const GeraeteFarben* g);
    QSize sizeHint() const override { return {280, 280}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const GeraeteFarben* g_ = nullptr;
};

class Farbkorrekturfenster : public QWidget {
public:
    Farbkorrekturfenster(Programm& p, QWidget* eltern);

    void beschriften();
    // The colour settings of every device and the window's place into the settings.
    void speichern();
    int geraet() const { return geraet_; }

protected:
    void showEvent(QShowEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    struct Kanal {
        QSpinBox* minimum = nullptr;
        QSpinBox* maximum = nullptr;
        QSpinBox* midPosition = nullptr;
        QSpinBox* midWert = nullptr;
        QCheckBox* ttl = nullptr;
        QScrollBar* an = nullptr;
        QLabel* anText = nullptr;
        QLabel* kopf = nullptr;
    };

    QWidget* kanaeleBauen();
    QWidget* messungBauen();
    void anzeigen();
    // The device list with the names of the devices assigned now.
    void geraeteZeigen();
    void uebernehmen(); // the controls into the device's settings, then FarbenKorrigieren
    void messungZeigen();
    GeraeteFarben& farben();

    Programm& p_;
    int geraet_ = 0;
    bool laedt_ = false;
    Farbmessung messung_;
    std::array<Kanal, 3> kanaele_{};
    std::array<QLabel*, 6> zeilen_{};
    QLabel* lblGeraet_ = nullptr;
    QComboBox* cboGeraet_ = nullptr;
    Farbkurvenansicht* kurven_ = nullptr;
    QGroupBox* messGruppe_ = nullptr;
    QLabel* lblAnleitung_ = nullptr;
    QLabel* lblMessung_ = nullptr;
    QPushButton* cmdStart_ = nullptr;
    QScrollBar* scrMesspegel_ = nullptr;
    QPushButton* cmdMinus_ = nullptr;
    QPushButton* cmdPlus_ = nullptr;
    QPushButton* cmdSichtbar_ = nullptr;
    QPushButton* cmdHalb_ = nullptr;
    QPushButton* cmdVoll_ = nullptr;
    QPushButton* cmdWeiter_ = nullptr;
    QPushButton* cmdUebernehmen_ = nullptr;
    QPushButton* cmdAbbrechen_ = nullptr;
};

} // namespace sw::ui
