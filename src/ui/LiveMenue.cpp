#include "ui/LiveMenue.h"

#include "ui/Beschriften.h"
#include "ui/DmxZuordnungsfenster.h"
#include "ui/Hauptfenster.h"
#include "ui/LiveBeschriftungen.h"
#include "ui/Livefenster.h"
#include "ui/Midifenster.h"
#include "ui/Symbole.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPointer>

namespace sw::ui {

namespace {

// The menu's windows, a child of the main window.
class LiveFensterliste : public QObject {
public:
    LiveFensterliste(Hauptfenster& h, Programm& p) : QObject(&h), h_(h), p_(p) {
        setObjectName("liveFensterliste");
    }
    ~LiveFensterliste() override { p_.live.hooks.ordnerZeigen = nullptr; }

    template <typename T> T* holen(QPointer<T>& w) {
        if (!w) {
            w = new T(&h_, p_);
            if constexpr (std::is_same_v<T, Midifenster>)
                w->zuordnungOeffnen = [this] { fensterZeigen(holen(zuordnung)); };
        }
        return w;
    }
    void beschriften() {
        if (live) live->beschriften();
        if (midi) midi->beschriften();
        if (zuordnung) zuordnung->beschriften();
        if (dmx) dmx->beschriften();
    }

    Hauptfenster& h_;
    Programm& p_;
    QPointer<Livefenster> live;
    QPointer<Midifenster> midi;
    QPointer<MidiZuordnungsfenster> zuordnung;
    QPointer<DmxZuordnungsfenster> dmx;
};

LiveFensterliste& liste(Hauptfenster& h) {
    auto* l = h.findChild<LiveFensterliste*>("liveFensterliste", Qt::FindDirectChildrenOnly);
    Q_ASSERT(l);
    return *l;
}

} // namespace

void liveMenueBauen(Hauptfenster& h, Programm& p, QMenu* menu, const Beschrifter& beschriftenMit) {
    auto* l = new LiveFensterliste(h, p);
    auto befehl = [&](const char* name, const text::Beschriftung& b, const QKeySequence& taste,
                      const char* symbolName, std::function<QWidget*()> fenster) {
        fensterBefehl(menu, l, name, b, taste, symbolName, std::move(fenster), beschriftenMit);
    };
    befehl("mnuLiveFenster", livetext::MenueLive, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
           "tastatur", [l] { return l->holen(l->live); });
    befehl("mnuMidi", livetext::MenueMidi, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), nullptr,
           [l] { return l->holen(l->midi); });
    befehl("mnuMidiZuordnung", livetext::MenueMidiZuordnung, {}, nullptr,
           [l] { return l->holen(l->zuordnung); });
    befehl("mnuDmxZuordnung", livetext::MenueDmx, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
           nullptr, [l] { return l->holen(l->dmx); });
    beschriftenMit([l](const Sprachtexte&) { l->beschriften(); });

    // Figures are dragged from the figure list onto the live keys.
    if (auto* figuren = h.findChild<QListWidget*>("lstFiguren")) {
        figuren->setDragEnabled(true);
        figuren->setDragDropMode(QAbstractItemView::DragOnly);
    }
    // A live show opened from another folder shows that folder's figures.
    p.live.hooks.ordnerZeigen = [&h](const std::filesystem::path& ordner) {
        h.ordnerZeigen(ordner);
    };
}

Livefenster* livefenster(Hauptfenster& h) {
    auto& l = liste(h);
    return l.holen(l.live);
}
Midifenster* midifenster(Hauptfenster& h) {
    auto& l = liste(h);
    return l.holen(l.midi);
}
MidiZuordnungsfenster* midiZuordnungsfenster(Hauptfenster& h) {
    auto& l = liste(h);
    return l.holen(l.zuordnung);
}
DmxZuordnungsfenster* dmxZuordnungsfenster(Hauptfenster& h) {
    auto& l = liste(h);
    return l.holen(l.dmx);
}

} // namespace sw::ui
