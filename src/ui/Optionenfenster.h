#pragma once
// formOptionen: the options window. At the top the logical device the per-device pages show
// (`ComboDeviceNr`) with its points per second (`scrPPS`, `lblPPS`); below, one page per area:
// the sixteen device lists `lstHardware(n)` with the side check boxes `SpurAZuordnung(n)` ...
// `SpurDZuordnung(n)` and the devices' state while they play; geometry correction with a preview
// of the test picture and the audience zone; path optimisation; the network DACs; the DMX
// devices; language, undo files, auto-load, import and export of the settings and the reset of
// the window positions.
//
// The window holds no values of its own: every control reads its value from the engine and
// writes it back there at once (controls per device through the device chosen in
// ComboDeviceNr); "Save" writes the settings file. Questions and messages go through the
// program's `Dialoge`. Window thread only.

#include "app/Programm.h"
#include "ui/Beschriftungen.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QScrollBar;
class QSpinBox;
class QTabWidget;

namespace sw::ui {

class Geometrievorschau;

// The caption (part 0) or the tool text (part 1) of a text that holds both, split at "|"; a
// text without "|" serves as both.
QString beschriftungTeil(const Sprachtexte& t, const text::Beschriftung& b, int teil);

class Optionenfenster : public QWidget {
public:
    explicit Optionenfenster(Programm& p, QWidget* eltern = nullptr);

    // Reads every control's value from the engine again (after an import, a load, or a change
    // made elsewhere).
    void anzeigen();
    // Shows the device lists again when they no longer match the engine (a DAC found by the
    // background search, a device put on a logical device elsewhere); runs once a second.
    void nachsehen();
    // Sets every caption and tool text in the current language.
    void beschriften();
    // The logical device the per-device pages show.
    int geraet() const;
    // Writes the settings file (INI_Speichern); false when it could not be written.
    bool speichern();

    // Chooses language i for every window (the main window sets it); without it the window
    // stores the choice and captions itself.
    std::function<void(int)> sprachwahl;

protected:
    void closeEvent(QCloseEvent*) override;
    void changeEvent(QEvent*) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    QWidget* kopfBauen();
    QWidget* geraeteSeiteBauen();
    QWidget* geometrieSeiteBauen();
    QWidget* optimierungSeiteBauen();
    QWidget* netzSeiteBauen();
    QWidget* dmxSeiteBauen();
    QWidget* allgemeinSeiteBauen();
    void comboDeviceNrFuellen();
    void geraetGewaehlt(int n);
    void ppsAnzeigen();
    void dmxAnzeigen();
    void fensterpositionLaden();

    // Controls bound to a value: `lesen` gives the engine's value, `schreiben` stores one.
    QDoubleSpinBox* zahl(QFormLayout* f, const char* name, const text::Beschriftung& b, double min,
                         double max, int dezimalen, std::function<double()> lesen,
                         std::function<void(double)> schreiben);
    QCheckBox* schalter(QFormLayout* f, const char* name, const text::Beschriftung& b,
                        std::function<bool()> lesen, std::function<void(bool)> schreiben);
    QLineEdit* textfeld(QFormLayout* f, const char* name, const text::Beschriftung& b,
                        std::function<std::string()> lesen,
                        std::function<void(const std::string&)> schreiben);
    // A label beside a control, captioned from `b`, the control getting the tool text.
    void zeile(QFormLayout* f, QWidget* feld, const text::Beschriftung& b);
    // Runs `f` now and after every change of the language.
    void beschriftenMit(std::function<void(const Sprachtexte&)> f);
    // Runs `f` now and whenever the values are shown again.
    void anzeigenMit(std::function<void()> f);
    // A per-device value changed: the preview follows.
    void geaendert();

    Programm& p_;
    bool fuellt_ = false; // controls are being set from the engine: their signals change nothing
    QTabWidget* reiter_ = nullptr;
    QComboBox* comboDeviceNr_ = nullptr;
    QScrollBar* scrPPS_ = nullptr;
    QLabel* lblPPS_ = nullptr;
    std::vector<QComboBox*> lstHardware_;
    std::vector<QCheckBox*> spur_[kSeiten];
    QComboBox* comboDMXPort_[2] = {nullptr, nullptr};
    Geometrievorschau* vorschau_ = nullptr;
    std::vector<std::function<void(const Sprachtexte&)>> beschrifter_;
    std::vector<std::function<void()>> anzeiger_;
};

// Opens the options window (one per program) or brings it to the front.
Optionenfenster* optionenZeigen(QWidget* hauptfenster, Programm& p);

} // namespace sw::ui
