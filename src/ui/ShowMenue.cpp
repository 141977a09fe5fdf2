#include "ui/ShowMenue.h"

#include "ui/Beschriften.h"
#include "ui/Hauptfenster.h"
#include "ui/Playlistfenster.h"
#include "ui/Sequenzerfenster.h"
#include "ui/ShowInfofenster.h"
#include "ui/ShowTexte.h"
#include "ui/Symbole.h"
#include "ui/VideoTexte.h"
#include "ui/Videofenster.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

#include <memory>

namespace sw::ui {

namespace {

// The menu's windows and their show control, a child of the main window. The windows go
// before the control they point at.
class ShowFensterliste : public QObject {
public:
    ShowFensterliste(Hauptfenster& h, Programm& p) : QObject(&h), h_(h), p_(p) {
        setObjectName("showFensterliste");
    }
    ~ShowFensterliste() override {
        delete sequenzer.data();
        delete info.data();
        delete playlist.data();
        delete video.data();
    }

    Showsteuerung& steuerung() {
        if (!steuerung_) {
            steuerung_ = std::make_unique<Showsteuerung>(p_);
            auto& teile = steuerung_->show.teile;
            teile.ordnerZeigen = [this](const std::filesystem::path& o) {
                return h_.ordnerZeigen(o);
            };
            teile.videofensterZeigen = [this](bool an) {
                if (an)
                    fensterZeigen(holen(video));
                else if (video)
                    video->hide();
            };
            teile.playlistLaden = [this](const std::string& datei) {
                holen(playlist)->dateiLaden(datei);
                fensterZeigen(playlist);
            };
            // The information window is made only when it exists already or is to be shown.
            teile.showInfoGeladen = [this] {
                if (info || steuerung_->show.show.showInfoZeigen) holen(info)->nachShowLaden();
            };
        }
        return *steuerung_;
    }
    template <typename T> T* holen(QPointer<T>& w) {
        if (!w) w = new T(&h_, steuerung());
        return w;
    }
    void beschriften() {
        if (sequenzer) sequenzer->beschriften();
        if (info) info->beschriften();
        if (playlist) playlist->beschriften();
        if (video) video->beschriften();
    }

    Hauptfenster& h_;
    Programm& p_;
    QPointer<Sequenzerfenster> sequenzer;
    QPointer<ShowInfofenster> info;
    QPointer<Playlistfenster> playlist;
    QPointer<Videofenster> video;

private:
    std::unique_ptr<Showsteuerung> steuerung_;
};

ShowFensterliste& liste(Hauptfenster& h) {
    auto* l = h.findChild<ShowFensterliste*>("showFensterliste", Qt::FindDirectChildrenOnly);
    Q_ASSERT(l);
    return *l;
}

} // namespace

void showMenueBauen(Hauptfenster& h, Programm& p, QMenu* menu, const Beschrifter& beschriftenMit) {
    auto* l = new ShowFensterliste(h, p);
    auto befehl = [&](const char* name, const text::Beschriftung& b, const QKeySequence& taste,
                      std::function<QWidget*()> fenster) {
        fensterBefehl(menu, l, name, b, taste, nullptr, std::move(fenster), beschriftenMit);
    };
    befehl("mnuSequenzer", showtext::MenueSequenzer, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T),
           [l] { return l->holen(l->sequenzer); });
    befehl("mnuShowInfo", showtext::MenueShowInfo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I),
           [l] { return l->holen(l->info); });
    befehl("mnuPlayList", showtext::MenuePlaylist, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
           [l] { return l->holen(l->playlist); });
    befehl("mnuVideoFenster", videotext::MenueVideofenster, QKeySequence(),
           [l] { return l->holen(l->video); });
    beschriftenMit([l](const Sprachtexte&) { l->beschriften(); });
}

Showsteuerung& showsteuerung(Hauptfenster& h) {
    return liste(h).steuerung();
}
Sequenzerfenster* sequenzerfenster(Hauptfenster& h) {
    auto& l = liste(h);
    return l.holen(l.sequenzer);
}
ShowInfofenster* showInfofenster(Hauptfenster& h) {
    auto& l = liste(h);
    return l.holen(l.info);
}
Playlistfenster* playlistfenster(Hauptfenster& h) {
    auto& l = liste(h);
    return l.holen(l.playlist);
}
Videofenster* videofenster(Hauptfenster& h) {
    auto& l = liste(h);
    return l.holen(l.video);
}

} // namespace sw::ui
