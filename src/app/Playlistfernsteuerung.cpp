#include "app/Playlistfernsteuerung.h"

namespace sw {

void playlistBefehlAusfuehren(PlaylistKontext& k, const PlaylistBefehl& b) {
    using A = PlaylistBefehl::Art;
    switch (b.art) {
    case A::Stopp:
        cmdAnhalten_Click(k);
        return;
    case A::Zurueck:
        cmdPrev_Click(k);
        return;
    case A::Weiter:
        cmdNext_Click(k);
        return;
    case A::Abspielen:
        cmdPlay_Click(k);
        return;
    case A::EintragAbspielen:
        eintragSpielen(k, b.eintrag);
        return;
    }
}

void playlistFernsteuerungVerbinden(LiveZustand& live, PlaylistKontext& k) {
    live.hooks.playlistFernsteuerung = [&k](const PlaylistBefehl& b) {
        playlistBefehlAusfuehren(k, b);
    };
}

void playlistFernsteuerungTrennen(LiveZustand& live) {
    live.hooks.playlistFernsteuerung = nullptr;
}

} // namespace sw
