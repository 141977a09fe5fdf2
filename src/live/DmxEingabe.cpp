#include "live/DmxEingabe.h"

#include "live/Effektwerte.h"
#include "live/MidiEingabe.h"
#include "live/Tastatur.h"
#include "live/TriggerRoutine.h"
#include "platform/Fehlerfalle.h"

namespace sw {

namespace {

constexpr int kDmxSeitenTeiler = 20;

void dmxTaste(LiveKontext& k, const DmxKanalRouting& r, int wert) {
    const int seite = k.live.dmxSeite;
    const int tastencode = k.live.maps.dmx(wert, seite);
    if (tastencode == 0) return;
    for (int g = 0; g < kGruppen; ++g) {
        if (!r.gruppen[static_cast<std::size_t>(g)]) continue;
        if (tastencode == 32)
            PC_Keyboard_Message(k, kArtLosgelassen, 32, 0, 19 * g + 1, true);
        else
            PC_Keyboard_Message(k, kArtGedrueckt, tastenIndex(seite, tastencode), 1, 19 * g + 1,
                                true);
    }
}

} // namespace

void dmxFrameVerarbeiten(LiveKontext& k, const DmxFrame& frame) {
    for (std::size_t c = 0; c < frame.size(); ++c) {
        if (frame[c] == k.live.dmxVorher[c]) continue;
        k.live.dmxVorher[c] = frame[c];
        const DmxKanalRouting r = k.live.dmx.kanaele[c];
        if (r.zeile == 0) continue;
        mitFehlerfalle(k.env, " in DMX Programmierung Routiene Get DMX Modul Global ",
                       Meldeart::Log, [&] {
                           if (r.zeile == 1)
                               dmxTaste(k, r, frame[c]);
                           else
                               zeileAusloesen(k, r.zeile, frame[c], r.gruppen, dmxSkaliert,
                                              k.live.dmxSeite, kDmxSeitenTeiler);
                       });
    }
}

void Get_DMX(LiveKontext& k, DmxEingang& eingang) {
    DmxFrame frame;
    if (eingang.neuesterFrame(frame)) dmxFrameVerarbeiten(k, frame);
}

} // namespace sw
