#pragma once
// frmAusgabe: the beam simulation of the last output cycle. The view draws with OpenGL
// (`optOpenGL` index 0) or flat (index 1); the controls beside it set the display settings of
// section "Optionen_frmAusgabe", which the window reads when made and saves when hidden.
// Main thread only.

#include "app/Programm.h"
#include "simulation/SimGeometrie.h"

#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QScrollBar;

namespace sw::ui {

class SimAnsicht;

// The documented message when no OpenGL context can be made.
inline constexpr const char* kOpenGLFehler = "Fehler # Fehler! Kann OpenGL nicht initialisieren!";

class Ausgabefenster : public QWidget {
public:
    // While shown, the pipeline records what the devices receive for it (`Vorschau`).
    explicit Ausgabefenster(Programm& p, QWidget* eltern = nullptr);
    ~Ausgabefenster() override;
    // Shows the window beside `haupt`: right of it if it fits on the screen, else left, else
    // overlapping it but fully on the screen.
    void nebenZeigen(const QWidget& haupt);
    static QRect nebenPlatz(const QRect& haupt, const QSize& groesse, const QRect& verfuegbar);

    // The end of an output cycle: rebuilds both display lists from the simulation point list
    // and redraws, while the window is shown.
    void zyklus();
    // Selects the renderer: index 1 the flat drawing, any other OpenGL. Without OpenGL the
    // documented message is shown once and the flat drawing carries on.
    void rendererWaehlen(int index);
    bool openGLBereit() const;
    // Points drawn at the last cycle, and frames the OpenGL view has drawn.
    long punkte() const { return (p_.ausgabe->SimLetzterIndex + 7) / 7; }
    long bilder() const;
    const SimAnzeige& anzeige() const { return anzeige_; }
    const SimGeometrie& geometrie() const { return geometrie_; }
    // Captions in the current language.
    void beschriften();

    // The main window's beam preview: the same geometry and renderer on a small view. While
    // playback runs it shows the stream the devices get, as this window does; while stopped,
    // the editor's frame as the devices would get it plainly (the palette's colours, the ways
    // the output blanks dark), refreshed ten times a second while it is shown. Made once.
    QWidget* vorschauBauen();
    SimAnsicht* vorschau() const { return vorschau_; }
    const SimGeometrie& vorschauGeometrie() const { return vorschauGeometrie_; }

protected:
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    QWidget* bedienungBauen();
    void steuerungAnzeigen();
    void geaendert();
    void openGLStarten();
    void ohneOpenGL(const QString& grund);
    void vorschauStehend();
    bool vorschauSichtbar() const;

    Programm& p_;
    SimAnzeige anzeige_;
    SimGeometrie geometrie_;
    SimAnsicht* ansicht_ = nullptr;
    QButtonGroup* optOpenGL_ = nullptr;
    QCheckBox* beam_ = nullptr;
    QCheckBox* grafik_ = nullptr;
    QScrollBar* trans_[4] = {};
    QScrollBar* groesse_ = nullptr;
    QScrollBar* rotation_[3] = {};
    QLabel* beschriftungen_[7] = {};
    bool umschalten_ = false; // the renderer switch is under way
    bool gemeldet_ = false;   // the missing OpenGL was reported
    SimAnsicht* vorschau_ = nullptr;
    SimGeometrie vorschauGeometrie_;
    QLabel* vorschauTitel_ = nullptr;
    std::vector<double> editorListe_; // the editor's frame as a simulation point list
};

} // namespace sw::ui
