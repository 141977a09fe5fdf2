#pragma once
// frmLive: the live grid. One picture per keyboard key (PicTaste), laid out like the keyboard
// (TastenPosition), showing the figure the key table gives the key on the current page; the
// page boxes F1 to F12 (checkStrAltContr); the current key's options (checkAusgabeAuf,
// checkSchalteUnbenutzeSpurenAb, checkTasteLösen, lstEffekt), the effect sliders (PicEffekt)
// with checkIgnoreGroeße; the DMX and MIDI take-over of the current key; ".live" open, save,
// new and rename (lblShowname).
//
// The window holds no live logic: key presses on the grid go to the engine's Form_KeyDown and
// Form_KeyUp, the controls edit the LiveKey record of the current key, and the engine's hooks
// frame the pressed key and refresh the controls. A key whose figure is on a group's figure
// layer is drawn lit. GUI thread only.

#include "ui/Figurziehen.h"
#include "ui/Werkzeugfenster.h"

#include <QImage>

#include <array>
#include <map>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSlider;
class QTimer;

namespace sw::ui {

class Livefenster;

// One key's picture: the figure's first frame, the key's caption, a frame in the pressed
// colour and a lit look while its figure plays. Takes figures dragged from the figure list.
class PicTaste : public QWidget {
public:
    PicTaste(Livefenster& fenster, int tastencode, QWidget* eltern);
    int tastencode() const { return tastencode_; }
    void zeigen(QImage bild, QString unterschrift);
    void rahmen(long farbe);
    long rahmenfarbe() const { return rahmen_; }
    void leuchten(bool an);
    bool leuchtet() const { return leuchtet_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dropEvent(QDropEvent*) override;

private:
    Livefenster& fenster_;
    int tastencode_;
    QImage bild_;
    QString unterschrift_;
    long rahmen_ = -1;
    bool leuchtet_ = false;
};

// The key codes of the grid, row by row as on the keyboard (space last, alone).
const std::vector<std::vector<int>>& tastenReihen();
// A key's caption on its picture.
QString tastenName(int tastencode);

class Livefenster : public Werkzeugfenster {
public:
    Livefenster(QWidget* eltern, Programm& p);
    ~Livefenster() override;

    // Lays the key pictures out and shows what each key of the current page carries.
    void TastenPosition();
    // The option controls show the record of `tastencode` on page `seite`.
    void Refresh_Optionen(int tastencode, int seite);
    // Frames a key picture: `farbe` as RGB (R + 256 G + 65536 B), -1 its own colour.
    void Refresh_picRahmen(int tastencode, long farbe);
    // A figure-list entry dropped onto a key.
    void figurAblegen(int tastencode, long figur);
    // A key picture was clicked: its options are shown without playing it.
    void tasteWaehlen(int tastencode);

    PicTaste* taste(int tastencode) const;
    QWidget* raster() const { return raster_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    using Beschriftung = text::Beschriftung;
    QWidget* werkzeugzeileBauen();
    QWidget* seitenBauen();
    QWidget* optionenBauen();
    QWidget* dmxMidiBauen();
    void seiteGewaehlt(int seite, bool an);
    void feldSetzen(int feld, bool an);
    void effektListeGewaehlt(int i, int index);
    void beleuchtungPruefen();
    void shownameZeigen();
    LiveKontext kontext() { return p_.liveKontext(); }

    QWidget* raster_ = nullptr;
    QLabel* lblShowname_ = nullptr;
    std::map<int, PicTaste*> tasten_;
    std::array<QCheckBox*, 12> checkStrAltContr_{};
    QGroupBox* optionen_ = nullptr;
    std::array<QCheckBox*, 12> checkAusgabeAuf_{};
    QCheckBox* checkSchalteUnbenutzeSpurenAb_ = nullptr;
    QCheckBox* checkTasteLoesen_ = nullptr;
    std::array<QComboBox*, 5> lstEffekt_{};
    std::array<QSlider*, 5> PicEffekt_{};
    QCheckBox* checkIgnoreGroesse_ = nullptr;
    QScrollBar* scrDMXStartValue_ = nullptr;
    QScrollBar* scrDMXEndValue_ = nullptr;
    QScrollBar* scrMidiValue_ = nullptr;
    QGroupBox* dmxMidi_ = nullptr;
    QLabel* lblDmx_ = nullptr;
    QLabel* lblMidi_ = nullptr;
    QTimer* licht_ = nullptr;
};

} // namespace sw::ui
