#include "live/Tastatur.h"

#include "live/TriggerRoutine.h"
#include "platform/Fehlerfalle.h"

namespace sw {

void PC_Keyboard_Message(LiveKontext& k, int kind, int key, int value, int track, bool keyDown) {
    mitFehlerfalle(k.env, " in Modul Global PC_Keyboard_Message", Meldeart::Log, [&] {
        auto& l = k.live;
        if (keyDown && !l.aufnahme) {
            TriggerKey(k, track, kind, key, value);
            return;
        }
        if (kind == kArtLosgelassen && l.IgnoreNoteOf) return;
        for (int t = 1; t <= kTracks; ++t) {
            if (!l.armiert[static_cast<std::size_t>(t)] && !l.zuordnungsModus) continue;
            if (l.aufnahme) {
                if (l.aufgenommen.empty()) l.aufgenommen.emplace_back(); // index 0 unused
                SeqEvent e;
                e.start = l.hooks.medienPosition ? l.hooks.medienPosition() : 0.0;
                e.track = static_cast<std::uint8_t>(t);
                e.kind = static_cast<std::uint8_t>(kind);
                e.key = static_cast<std::int16_t>(key);
                e.value = static_cast<std::int16_t>(value);
                l.aufgenommen.push_back(e);
                if (l.hooks.zeitleisteNeuZeichnen) l.hooks.zeitleisteNeuZeichnen();
            }
            TriggerKey(k, t, kind, key, value);
        }
    });
}

} // namespace sw
