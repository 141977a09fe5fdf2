#pragma once
// The timeline view of the sequencer window: the time bar with the media's waveform over the
// 19 rows of the shown device group, the events as bars with their figure's name and picture,
// the cursor line, zoom and scroll, marking, dropping figures from the figure list, moving
// marked events with the mouse and the edit commands at the mouse. It draws only the visible
// time range. GUI thread only.

#include "app/Showsteuerung.h"
#include "ui/ZeitleisteModell.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

class QAction;
class QMenu;
class QPainter;
class QScrollBar;
class QTimer;

namespace sw::ui {

class Zeitleiste : public QWidget {
public:
    Zeitleiste(QWidget* eltern, Showsteuerung& s);
    ~Zeitleiste() override;

    // Redraws the events between the two times (ms); `bis` below 0: everything. The timeline's
    // `neuZeichnen` hook calls this.
    void neuZeichnen(double von, double bis);
    // The media's waveform picture: made from a WAV file when it is missing or older than the
    // media, read again when the show's media changed, else only redrawn (playback calls this on
    // every start and rewind).
    void wellenformNeu();
    // The shown time range in ms; zoom to the whole show, or by a factor about a time (above 1
    // zooms in, showing less; the time stays at its place in the view).
    double sichtAnfang() const;
    double sichtBreite() const;
    void zoomEinpassen();
    void zoomen(double faktor, double umZeit);
    // Scrolls so that the view starts at `anfang` ms.
    void blaettern(double anfang);
    // While playing, the cursor line follows the show clock smoothly and the view pages along.
    void wiedergabeFolgen(bool an);
    // Where the cursor line stands (ms): the cursor time, or the show clock while following.
    double linienZeit() const { return linie_; }
    // Places figure `figur` as if dropped at the point `pos` of this widget (the grid snaps).
    // Whether an event was placed.
    bool figurAblegen(long figur, QPoint pos);
    // The edit commands: copy, cut and delete act on the marked events; paste goes to the time
    // and row under the mouse (the cursor time and first row when the mouse is elsewhere).
    void kopieren();
    void ausschneiden();
    void einfuegen();
    void loeschen();
    // Captions and tool texts in the current language (the window calls this after a change of
    // language; tool texts are looked up again whenever they are shown).
    void beschriften();

    // Geometry, for the window and its tests: the time at a point's x, the row (1 to 19) at a
    // point's y (0 above or below the rows), and the point of a time in the middle of a row.
    double zeitBei(int x) const;
    int zeileBei(int y) const;
    QPoint punktBei(double ms, int zeile) const;
    // The edit commands of the context menu, with their keys.
    QAction* kopierenAktion() const { return kopieren_; }
    QAction* ausschneidenAktion() const { return ausschneiden_; }
    QAction* einfuegenAktion() const { return einfuegen_; }
    QAction* loeschenAktion() const { return loeschen_; }

    // Told when a click on the time bar set the cursor time (ms).
    std::function<void(double)> cursorGesetzt;
    // Told when the marks changed (the edit commands' enabled state).
    std::function<void()> markierungGeaendert;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    enum class Geste { Keine, Cursor, Band, Greifen, Verschieben };
    struct Bild {
        const void* punkte = nullptr;
        std::size_t anzahl = 0;
        int seite = 0;
        QImage bild;
    };

    // Layout: the row labels on the left, the ruler and the waveform on top, the scroll bar at
    // the bottom, the rows between.
    int linksBreite() const;
    int linealHoehe() const;
    int zeitHoehe() const;
    QRect spurenRechteck() const;
    double zeilenHoehe() const;
    double zeilenOben(int zeile) const;
    double x(double ms) const { return linksBreite() + sicht_.x(ms); }
    double gesamtLaenge() const;
    // Fits, clamps and sets the scroll bar after a change of size, length or zoom; whether the
    // shown range changed.
    bool sichtPruefen();
    double gerastert(double ms) const;

    // The event under a point (0 for none) and whether an event is marked.
    long eventBei(QPoint pos);
    bool markiert(long index) const;
    void markenGeaendert();
    void cursorSetzen(double ms);
    void linieZeigen(double ms);
    void folgenSchritt();
    void welleLaden(bool neuMachen);

    // Drawing (ZeitleisteZeichnen.cpp).
    void zeichnenZeitleiste(QPainter& g, const QRect& bereich);
    void zeichnenSpuren(QPainter& g, const QRect& bereich);
    void zeichnenEvents(QPainter& g, const QRect& bereich, double von, double bis);
    void zeichnenUeberlagerung(QPainter& g);
    QString eventName(const SeqEvent& e) const;
    QColor eventFarbe(const SeqEvent& e) const;
    const QImage& figurBild(long figur, int seite);
    long figurVon(const SeqEvent& e) const;
    QString eventHilfe(long index) const;

    Showsteuerung& s_;
    Sicht sicht_;
    mutable int linksBreite_ = -1;
    bool eingepasst_ = true; // follows the show's length and the width until zoomed or scrolled
    Eventindex index_;
    QScrollBar* balken_ = nullptr;
    QTimer* folgen_ = nullptr;
    double linie_ = 0;
    double gemeldet_ = -1, gemeldetUm_ = 0; // the clock's last reading and when it came

    Wellenhuelle welle_;
    std::string welleSchluessel_;
    std::unordered_map<long, Bild> bilder_;

    Geste geste_ = Geste::Keine;
    QPoint druck_;
    long gegriffen_ = 0;
    bool gegriffenWarMarkiert_ = false;
    double verschiebung_ = 0;
    QRect band_;
    QPoint maus_;
    bool mausDrin_ = false;
    std::optional<std::pair<int, double>> ablage_; // row and time of a figure dragged over

    QAction* kopieren_ = nullptr;
    QAction* ausschneiden_ = nullptr;
    QAction* einfuegen_ = nullptr;
    QAction* loeschen_ = nullptr;
    QAction* einpassen_ = nullptr;
    QMenu* menue_ = nullptr;
};

} // namespace sw::ui
