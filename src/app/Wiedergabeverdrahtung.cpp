#include "app/Wiedergabeverdrahtung.h"

#include <utility>

namespace sw {

void wiedergabeVerdrahten(Programm& p, WiedergabeKontext& k) {
    k.teile.aufnahmeSchalten = [&p](bool an) { p.live.aufnahme = an; };
    k.teile.aufgenommeneNehmen = [&p] { return std::exchange(p.live.aufgenommen, {}); };
    // A start clears every group's figure, showpart and effect values; a rewind the effects.
    k.teile.gruppeLeeren = [&p](int g) {
        auto& figur = p.figuren.SpurAuswahl[g];
        figur.Figur = -1;
        figur.Zeitpunkt = 0;
        p.figuren.ShowpartAuswahl[g] = ShowpartAuswahlEintrag{};
        p.sequenzer.plaetze[static_cast<std::size_t>(g)] = ShowpartSlot{};
        effektWerteZuruecksetzen(p.ausgabe->Effekt, g);
    };
    k.teile.effekteZuruecksetzen = [&p] {
        for (int g = 0; g < sequenz::kGruppen; ++g) effektWerteZuruecksetzen(p.ausgabe->Effekt, g);
    };
    auto& a = *p.ausgabe;
    // Before a delayed start has fired the media stands still: the output keeps its own clock.
    a.Medienzeit = [&k]() -> std::optional<double> {
        const auto& w = k.w;
        if (w.spielt && !w.startUmUhr && !w.startUmTageszeit)
            return k.medien.DS_GetPosition() * 1000;
        return std::nullopt;
    };
    a.SequenzerEreignisse = [&k](double) { sequenzerDurchlauf(k); };
    p.live.hooks.medienPosition = [&k] { return k.medien.DS_GetPosition() * 1000; };
}

void wiedergabeTrennen(Programm& p) {
    p.ausgabe->Medienzeit = nullptr;
    p.ausgabe->SequenzerEreignisse = nullptr;
    p.live.hooks.medienPosition = nullptr;
}

} // namespace sw
