#include "live/LiveZustand.h"

#include "live/DmxEingabe.h"
#include "live/MidiEingabe.h"
#include "platform/Datei.h"

namespace sw {

LiveZustand::LiveZustand() : keyTable(kKeyTableGroesse), dmxTasten(kKeyTableGroesse) {
    for (auto& g : effektEinstellung) g.fill(kKeinEffektwert);
}

void liveOrdnerLesen(LiveKontext& k, const std::filesystem::path& ordner) {
    auto& l = k.live;
    l.ordner = ordner;
    tastenbelegungLesen(l.keyTable, l.maps, k.figuren, k.env, ordner);
    l.dmxTasten.assign(kKeyTableGroesse, std::nullopt);
    std::error_code ec;
    if (std::filesystem::is_regular_file(ordner / kDmxOrdDatei, ec)) {
        try {
            l.dmxTasten = dmxOrdLesen(textzeilen(dateiLesen(ordner / kDmxOrdDatei)));
        } catch (const std::exception& e) {
            k.env.log.zeile((ordner / kDmxOrdDatei).string() + ": " + e.what());
        }
    }
    // Another folder's figures: the live grid starts afresh.
    liveShowZuruecksetzen(l.fenster.show);
}

namespace {

void abfragen(LiveKontext& k) {
    if (k.live.midiEingang) midiAbfragen(k, *k.live.midiEingang);
    if (k.live.dmxEingang) Get_DMX(k, *k.live.dmxEingang);
}

} // namespace

void eingaengeAbfragen(LiveKontext& k) {
    k.live.durchlaufAbfrage = k.env.uhr.sekunden();
    abfragen(k);
}

void eingaengeImLeerlauf(LiveKontext& k) {
    if (k.env.uhr.sekunden() - k.live.durchlaufAbfrage < kLeerlaufTakt) return;
    abfragen(k);
}

} // namespace sw
