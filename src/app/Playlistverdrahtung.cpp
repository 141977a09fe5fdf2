#include "app/Showsteuerung.h"

namespace sw {

static_assert(kPlaylistKarten <= kGeraete && kPlaylistDacs == kGeraete &&
              kPlaylistSeiten == kSeiten);

// A playlist card is a logical device (hardware no. 0 to 3); its sides A to D are that
// device's column of the side table. The scan rates are those of all sixteen logical devices.
void playlistVerdrahten(Showsteuerung& s) {
    Programm& p = s.p;
    auto& teile = s.pk.teile;
    teile.zuordnungHolen = [&p] {
        Zuordnung z{};
        for (std::size_t karte = 0; karte < kPlaylistKarten; ++karte)
            for (std::size_t seite = 0; seite < kPlaylistSeiten; ++seite)
                z[karte][seite] = p.ausgabe->SpurZuordnung[seite][karte];
        return z;
    };
    teile.ppsHolen = [&p] {
        std::array<std::int32_t, kPlaylistDacs> pps{};
        for (std::size_t d = 0; d < kPlaylistDacs; ++d) pps[d] = p.geraete.PPSWert[d];
        return pps;
    };
    // An entry's routing switches the lasers when it plays. A rate of 0 (an entry made before
    // its DAC had one) leaves that DAC as it is rather than stopping it.
    teile.Mappingaendern = [&p](const PlaylistEntry& e) {
        for (std::size_t karte = 0; karte < kPlaylistKarten; ++karte)
            for (std::size_t seite = 0; seite < kPlaylistSeiten; ++seite)
                p.ausgabe->SpurZuordnung[seite][karte] = e.zuordnung[karte][seite];
        for (std::size_t d = 0; d < kPlaylistDacs; ++d)
            if (e.pps[d] > 0) p.geraete.PPSWert[d] = e.pps[d];
        p.log.zeile("Playlist: routing and scan rates of " + e.titel + " applied");
    };
}

} // namespace sw
