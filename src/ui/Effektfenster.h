#pragma once
// frmEffekts: the effects window. One row per effect parameter 0 to 20 with its name and unit:
// the value (scrStartEffektWert), absolute or relative setting (checkAbsolute), gliding or
// continuous (checkAuto), speed or target (scrAuto), bounce or wrap (checkFlipFlop) and the
// limits (txtEffektGrenzeMin, txtEffektGrenzeMax), written to the chosen track or all tracks;
// the editor figure's output switches (checkBegrenzung, checkOptimireEchtzeit, checkSoftColor),
// its perspective (scrPerspektive) and half masking (optDunkleHaelfte); and the copy grid that
// copies ticked rows of one track onto ticked tracks. The window only binds its controls to the
// effect tables and the figure's settings; the conversions live in output/Effektzeilen.
// GUI thread only.

#include "app/Programm.h"
#include "output/Effektzeilen.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace sw::ui {

class Effektfenster : public QWidget {
public:
    Effektfenster(Programm& p, QWidget* eltern);

    // Sets every caption and tool text in the current language.
    void beschriften();
    // The effect settings and the window's place into the settings.
    void speichern();
    // Called after a control changed the editor figure's settings.
    std::function<void()> figurGeaendert;

protected:
    void showEvent(QShowEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    struct Zeile {
        QLabel* name = nullptr;
        QLabel* einheit = nullptr;
        QScrollBar* startwert = nullptr;
        QLabel* wert = nullptr;
        QCheckBox* absolut = nullptr;
        QCheckBox* gleiten = nullptr;
        QScrollBar* tempo = nullptr;
        QLabel* tempoText = nullptr;
        QCheckBox* prallen = nullptr;
        QLineEdit* min = nullptr;
        QLineEdit* max = nullptr;
        QCheckBox* kopieren = nullptr;
        int letzterStart = 0;
    };

    QWidget* tabelleBauen();
    QWidget* figurBauen();
    QWidget* kopierenBauen();
    // The controls from the chosen track (track 0 for all tracks) and the editor figure.
    void anzeigen();
    // The value and speed labels from the running tables (display only).
    void werteZeigen();
    void figurZeigen();
    void grenzeUebernehmen(int parameter, bool oben);
    Effekte& effekte() { return p_.ausgabe->Effekt; }
    int gezeigteSpur() const;
    long editorFigur() const;
    void figurSetzen(int index, double wert);

    Programm& p_;
    int spur_ = kAlleSpuren;
    bool laedt_ = false;
    std::array<Zeile, kEffektParameter> zeilen_{};
    std::array<QLabel*, 10> kopf_{};
    QLabel* lblSpur_ = nullptr;
    QComboBox* cboSpur_ = nullptr;
    QWidget* figurGruppe_ = nullptr;
    QCheckBox* checkBegrenzung_ = nullptr;
    QCheckBox* checkOptimireEchtzeit_ = nullptr;
    QCheckBox* checkSoftColor_ = nullptr;
    QLabel* lblPerspektive_ = nullptr;
    QScrollBar* scrPerspektive_ = nullptr;
    QLabel* lblPerspektiveWert_ = nullptr;
    QLabel* lblHaelfte_ = nullptr;
    std::array<QRadioButton*, 5> optDunkleHaelfte_{};
    QWidget* kopierGruppe_ = nullptr;
    QLabel* lblVonSpur_ = nullptr;
    QComboBox* cboKopierQuelle_ = nullptr;
    QLabel* lblAufSpuren_ = nullptr;
    std::array<QCheckBox*, 12> checkKopierZiel_{};
    QWidget* cmdKopieren_ = nullptr;
    QTimer* takt_ = nullptr;
};

} // namespace sw::ui
