#pragma once
// frmHaupt: the figure editor. The folder browser and figure list, the figure canvas with the
// drawing tools, the frame bar, the palette with its favourites, the frame rate and play mode,
// the file, palette, undo and frame commands, and play with the simulation preview.
// Controls carry the program's documented names as their object names.

#include "app/Programm.h"
#include "core/Zeichnen.h"
#include "devices/Geraeteverwaltung.h"

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

namespace sw::ui {

class Ausgabefenster;
class Figurenansicht;
class Palettenansicht;
class Lieblingsfarbe;
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

    Zeichnung& zeichnung() { return zeichnung_; }
    Ausgabefenster* ausgabe() const { return ausgabe_; }
    Figurenansicht* figur() const { return figur_; }

protected:
    void closeEvent(QCloseEvent*) override;

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
    QAction* befehl(QMenu* menu, const char* name, const QString& text,
                    std::function<void()> aktion, const QKeySequence& taste = {});

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
