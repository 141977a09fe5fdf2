#include "live/LiveTasten.h"

#include "live/Effektwerte.h"
#include "live/TriggerRoutine.h"
#include "platform/Fehlerfalle.h"

#include <algorithm>
#include <cmath>

namespace sw {

namespace {

constexpr int kLeertaste = 32;

bool istFTaste(int c) {
    return c >= 112 && c <= 123;
}

int aktuellerIndex(const LiveFenster& f, int tastencode) {
    return tastenIndex(f.Live_Shift, tastencode);
}

bool gruppeZeigt(const FigurenSpeicher& s, int g) {
    return s.SpurAuswahl[g].Figur != -1 || s.ShowpartAuswahl[g].Showpart != -1;
}

void rahmen(LiveKontext& k, int tastencode, long farbe) {
    if (k.live.hooks.Refresh_picRahmen && tastencode >= 0)
        k.live.hooks.Refresh_picRahmen(tastencode, farbe);
}

void optionen(LiveKontext& k) {
    auto& f = k.live.fenster;
    if (k.live.hooks.Refresh_Optionen) k.live.hooks.Refresh_Optionen(f.aktuelleTaste, f.Live_Shift);
}

} // namespace

bool tasteAngenommen(int c) {
    return (c >= 48 && c <= 57) || (c >= 65 && c <= 90) || (c >= 186 && c <= 192) || c == 219 ||
           c == 221 || c == 222 || c == 226 || c == kLeertaste || istFTaste(c);
}

std::string seitenBeschriftung(int seite) {
    return "F-Taste = F-" + std::to_string(seite);
}

LiveKey& liveKey(LiveFenster& f, int tastencode) {
    return f.show.tasten.at(static_cast<std::size_t>(aktuellerIndex(f, tastencode)));
}

void Form_KeyDown(LiveKontext& k, int c) {
    mitFehlerfalle(k.env, " wurde ausgeloest in Sub frm_KeyDown frmLive von ", Meldeart::Log, [&] {
        auto& f = k.live.fenster;
        if (c == f.gehalteneTaste) return; // auto-repeat
        if (!tasteAngenommen(c)) return;
        if (f.gehalteneTaste >= 0) Form_KeyUp(k, f.gehalteneTaste);

        if (istFTaste(c)) {
            f.Live_Shift = c - 111;
            for (int i = 0; i < 12; ++i)
                f.checkStrAltContr[static_cast<std::size_t>(i)] = i == f.Live_Shift - 1;
            if (k.live.hooks.neuLayout) k.live.hooks.neuLayout();
            optionen(k);
            return;
        }

        const int key = aktuellerIndex(f, c);
        for (int g = 0; g < kGruppen; ++g) {
            const int track = 19 * g + 1;
            if (c == kLeertaste) {
                TriggerKey(k, track, kArtLosgelassen, kLeertaste, kLeertaste);
                continue;
            }
            // Copied per group: a trigger may ask a question, during which the show may change.
            const LiveKey taste = liveKey(k.live.fenster, c);
            if (taste[static_cast<std::size_t>(g)] == 0) {
                if (gruppeZeigt(k.figuren, g) && taste[kFeldUnbenutzteAus] != 0)
                    TriggerKey(k, track, kArtLosgelassen, c, c);
            } else {
                TriggerKey(k, track, kArtGedrueckt, key, key);
            }
        }
        auto& fe = k.live.fenster;
        if (fe.aktuelleTaste >= 0 && fe.aktuelleTaste != c) rahmen(k, fe.aktuelleTaste, -1);
        rahmen(k, c, kRahmenGedrueckt);
        fe.aktuelleTaste = c;
        fe.gehalteneTaste = c;
        optionen(k);
    });
}

void Form_KeyUp(LiveKontext& k, int c) {
    mitFehlerfalle(k.env, " wurde ausgeloest in Sub Form_KeyUp frmLive von ", Meldeart::Log, [&] {
        auto& f = k.live.fenster;
        if (c != f.gehalteneTaste) return;
        f.gehalteneTaste = -1;
        const int key = aktuellerIndex(f, c);
        const LiveKey taste = liveKey(f, c);
        if (taste[kFeldLoesen] == 0) return;
        for (int g = 0; g < kGruppen; ++g)
            if (taste[static_cast<std::size_t>(g)] != 0)
                TriggerKey(k, 19 * g + 1, kArtLosgelassen, key, key);
    });
}

void StelleEffektEin(LiveKontext& k, int effektNr, double wert) {
    try {
        auto& f = k.live.fenster;
        if (f.aktuelleTaste < 0 || effektNr < 1 || effektNr > 19) return;
        const bool groesse =
            effektNr == 2 || effektNr == 5 || (effektNr >= 9 && effektNr <= 12) || effektNr == 14;
        if (groesse && f.checkIgnoreGroesse) return;
        if (effektNr == 3 || (effektNr >= 16 && effektNr <= 18)) wert = spiegeln(wert);
        const int skaliert = static_cast<int>(std::floor(wert / effektSkala(effektNr)));
        const LiveKey taste = liveKey(f, f.aktuelleTaste);
        for (int g = 0; g < kGruppen; ++g)
            if (taste[static_cast<std::size_t>(g)] != 0)
                TriggerKey(k, 19 * g + effektNr, kArtEffekt, 1, skaliert);
    } catch (const std::exception&) {
        k.env.log.zeile("fehler in formLive sub StelleEffektEin");
    }
}

void PicTaste_DragDrop(LiveKontext& k, int tastencode, long figur) {
    mitFehlerfalle(k.env, " wurde ausgeloest in Sub PicTaste_DragDrop frmLive von ", Meldeart::Log,
                   [&] {
                       const int key = aktuellerIndex(k.live.fenster, tastencode);
                       if (key < 0 || key >= static_cast<int>(k.live.keyTable.size())) return;
                       k.live.keyTable[static_cast<std::size_t>(key)] = figur;
                       cmdSaveKeyList_Click(k.live.keyTable, k.figuren, k.env, k.live.ordner);
                   });
}

void cmdUebernehmenMidi_Click(LiveKontext& k, int midiWert) {
    auto& f = k.live.fenster;
    if (f.aktuelleTaste < 0 || midiWert < 0 || midiWert >= kMidiNoten) return;
    k.live.maps.midi(midiWert, f.Live_Shift) = static_cast<std::uint8_t>(f.aktuelleTaste);
    midi2Taste_speichern(k.live.maps, k.env, k.live.ordner);
}

void cmdUebernehmen_Click(LiveKontext& k, int start, int ende) {
    auto& f = k.live.fenster;
    if (f.aktuelleTaste < 0) return;
    start = std::clamp(start, 0, kDmxWerte - 1);
    ende = std::clamp(ende, 0, kDmxWerte - 1);
    if (start > ende) std::swap(start, ende);
    for (int w = start; w <= ende; ++w)
        k.live.maps.dmx(w, f.Live_Shift) = static_cast<std::uint8_t>(f.aktuelleTaste);
    DMX2Taste_speichern(k.live.maps, k.env, k.live.ordner);
}

int cmdMapAlleTasten2DMX_Click(LiveKontext& k) {
    auto& f = k.live.fenster;
    std::vector<int> tasten;
    for (int c = 0; c < kTastenJeSeite; ++c) {
        if (!tasteAngenommen(c) || istFTaste(c) || c == kLeertaste) continue;
        const auto& e = k.live.keyTable[static_cast<std::size_t>(aktuellerIndex(f, c))];
        if (e) tasten.push_back(c);
    }
    if (tasten.empty()) return 0;
    const int n = static_cast<int>(tasten.size());
    for (int w = 1; w < kDmxWerte; ++w)
        k.live.maps.dmx(w, f.Live_Shift) =
            static_cast<std::uint8_t>(tasten[static_cast<std::size_t>((w - 1) * n / 255)]);
    k.live.maps.dmx(0, f.Live_Shift) = 0;
    DMX2Taste_speichern(k.live.maps, k.env, k.live.ordner);
    return n;
}

} // namespace sw
