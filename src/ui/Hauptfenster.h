#pragma once
// frmHaupt: the figure editor. The folder browser and figure list, the figure canvas with the
// drawing tools, the frame bar, the palette with its favourites, the frame rate and play mode,
// the file, palette, undo and frame commands, and play with the simulation preview.
// Controls carry the program's documented names as their object names.

#include "app/Programm.h"
#include "core/Zeichnen.h"
#include "devices/Geraeteverwaltung.h"
#include "ui/Beschriftungen.h"

#include <QMainWindow>
#include <filesystem>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QTimer;
class QAction;
class QSplitter;

namespace sw::ui {

class Ausgabefenster;
class Figurenansicht;
class Palettenansicht;
class Lieblingsfarbe;
class Laserleiste;
class Geraetetafel;
class Ordnerbrowser;

class Hauptfenster : public QMainWindow {
public:
    explicit Hauptfenster(Programm& p);
    ~Hauptfenster() override;

    // Shows another folder (or the same one again) after asking about unsaved changes; false
    // when the operator kept the current one.
    bool ordnerZeigen(const std::filesystem::path& ordner);
    void figurWaehlen(int listenIndex);
    void abspielen(bool an);
    bool spielt() const;

    // Sets every caption, tool text and status text in the chosen language; runs at start and
    // after a change of the language.
    void beschriften();
    // Chooses language i (0 German, 1 English ...), stores it and re-captions the windows.
    void spracheWaehlen(int i);

    Zeichnung& zeichnung() { return zeichnung_; }
    Ausgabefenster* ausgabe() const { return ausgabe_; }
    Figurenansicht* figur() const { return figur_; }

protected:
    void closeEvent(QCloseEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void menusBauen();
    QWidget* werkzeugleisteBauen();
    QWidget* rechteSpalteBauen();
    void listeAktualisieren();
    void ordnerMelden();
    void frameAnzeigen();
    void frameTextAnzeigen();
    void zustandAktualisieren();
    void geaendert();
    // The figure on the editor track was changed by a control of the window.
    void figurGeaendert();
    // Saves, then shows the list and the figure the editor track holds afterwards, and says
    // what was saved.
    void speichernUndFolgen(const std::function<bool()>& speichern);
    void aenderungenAnzeigen();
    // Runs a colour table command and tells when the figure's colours went dark with it.
    void farbtabelleWechseln(const std::function<void()>& wechsel);
    void durchlauf();
    void farbeWaehlen(long index);
    void fpsAnzeigen();
    void fpsUebernehmen(double wert);
    void modellSpeichern(const std::string& abschnitt, const std::string& schluessel,
                         const std::string& wert);
    // A menu command with its caption; its tool text names the key.
    QAction* befehl(QMenu* menu, const char* name, const text::Beschriftung& b,
                    std::function<void()> aktion, const QKeySequence& taste = {});
    QMenu* menue(const char* name, const text::Beschriftung& b);
    // Runs `f` now and after every change of the language.
    void beschriftenMit(std::function<void(const Sprachtexte&)> f);
    QString t(const text::Beschriftung& b) const;
    // The keys the canvas handles itself, for the list of shortcuts.
    std::vector<std::pair<QString, QString>> leinwandTasten() const;
    void farbfeldAnzeigen();
    // Reports a device that went into a fault or came back, once per change.
    void geraeteBeobachten();
    void aufteilungLaden();
    void aufteilungVorgeben();
    void aufteilungSpeichern();
    void fensterpositionLaden();

    Programm& p_;
    Zeichnung zeichnung_;
    std::string IldaDateiname_;
    int fpsArt_ = 0; // 0 FPS, 1 ms, 2 bpm
    bool aktualisiert_ = false;

    Ordnerbrowser* browser_ = nullptr;
    QListWidget* lstFiguren_ = nullptr; // the browser's figure list
    Figurenansicht* figur_ = nullptr;
    QScrollBar* scrFrame_ = nullptr;
    QLabel* lblFrame_ = nullptr;
    QLabel* lblZeiger_ = nullptr;
    QLabel* lblZoom_ = nullptr;
    QLabel* farbfeld_ = nullptr;
    QLabel* farbfeldText_ = nullptr;
    QSplitter* haupt_ = nullptr;
    QSplitter* links_ = nullptr;
    int rechtsBreite_ = 0; // the right column's width without scrolling
    bool aufteilungVomBenutzer_ = false;
    Laserleiste* laserleiste_ = nullptr;
    Geraetetafel* tafel_ = nullptr;
    QAction* mnuUndo_ = nullptr;
    QAction* mnuRedo_ = nullptr;
    std::vector<std::function<void(const Sprachtexte&)>> beschrifter_;
    std::vector<bool> gestoert_;
    QSpinBox* markierungVon_ = nullptr;
    QSpinBox* markierungBis_ = nullptr;
    Palettenansicht* palette_ = nullptr;
    QScrollBar* scrFarbe3_ = nullptr;
    std::vector<Lieblingsfarbe*> lieblinge_;
    QPushButton* command1_ = nullptr;
    QDoubleSpinBox* txtFPS_ = nullptr;
    QButtonGroup* optFramelauf_ = nullptr;
    QCheckBox* checkFrameRepeat_ = nullptr;
    QCheckBox* checkIldaPalettenFarben_ = nullptr;
    QCheckBox* checkRaster_ = nullptr;
    QPushButton* cmdPlay_ = nullptr;
    QPushButton* cmdSimulation_ = nullptr;
    QPushButton* cmdUndo_ = nullptr;
    QPushButton* cmdRedo_ = nullptr;
    QTimer* takt_ = nullptr;
    QTimer* absturzkopie_ = nullptr; // writes the crash copies a moment after the last change
    Ausgabefenster* ausgabe_ = nullptr;
    Simulationsgeraet simulationsgeraet_;
};

} // namespace sw::ui
