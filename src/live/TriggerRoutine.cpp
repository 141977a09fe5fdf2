#include "live/TriggerRoutine.h"

#include "core/Meldungen.h"
#include "live/Effektwerte.h"
#include "output/Ausgabe.h"
#include "show/SequenzBearbeiten.h"

namespace sw {

namespace {

void ebenenLoeschen(LiveKontext& k, int g) {
    auto& figur = k.figuren.SpurAuswahl[g];
    figur.Figur = -1;
    figur.Zeitpunkt = 0;
    k.figuren.ShowpartAuswahl[g] = ShowpartAuswahlEintrag{};
    k.sequenzer.plaetze[static_cast<std::size_t>(g)] = ShowpartSlot{};
}

// The number of a showpart among the showparts of the figure list.
std::int16_t showpartNummer(const FigurenSpeicher& s, long eintrag) {
    std::int16_t n = 0;
    for (long i = 0; i < eintrag; ++i)
        if (s.Listentyp[static_cast<std::size_t>(i)] == listentyp::Showpart) ++n;
    return n;
}

void zeigen(LiveKontext& k, int g, long eintrag) {
    auto& s = k.figuren;
    // Entries below -1 (macros) are played by the macro player, not on a layer.
    if (eintrag < 0 || eintrag >= static_cast<long>(s.Listentyp.size())) return;
    const double start = triggerStartzeit(k.ausgabe);
    if (s.Listentyp[static_cast<std::size_t>(eintrag)] == listentyp::Showpart) {
        s.ShowpartAuswahl[g] = ShowpartAuswahlEintrag{static_cast<std::int16_t>(eintrag), start};
        k.sequenzer.plaetze[static_cast<std::size_t>(g)] =
            ShowpartSlot{showpartNummer(s, eintrag), start, 0};
        return;
    }
    FigurStarten(k.ausgabe, s, g, static_cast<int>(eintrag), start);
    if (k.live.hooks.iconHervorheben) k.live.hooks.iconHervorheben(eintrag);
}

void zuordnen(LiveKontext& k, int key) {
    auto& env = k.env;
    if (key == 32 || key == 282) {
        env.dialoge.meldung(
            env.texte.text(meldung::TasteNichtBelegbar, meldung::TasteNichtBelegbarText));
        return;
    }
    if (key < 0 || key >= static_cast<int>(k.live.keyTable.size())) return;
    const long auswahl = ausgewaehlterEintrag(k.figuren);
    const auto bisher = k.live.keyTable[static_cast<std::size_t>(key)];
    // The same press reaches every group the key acts on: one assignment is enough.
    if (bisher && *bisher == auswahl) return;
    if (bisher &&
        env.dialoge.frage(env.texte.text(meldung::TasteErsetzen, meldung::TasteErsetzenText),
                          Knoepfe::JaNein, Antwort::Nein) != Antwort::Ja)
        return;
    // Re-read by index: the question let other events run.
    if (key >= static_cast<int>(k.live.keyTable.size())) return;
    k.live.keyTable[static_cast<std::size_t>(key)] = auswahl;
    cmdSaveKeyList_Click(k.live.keyTable, k.figuren, env, k.live.ordner);
}

void dmxMakroZuordnen(LiveKontext& k, int key) {
    auto& l = k.live;
    if (key < 0 || key >= kKeyTableGroesse) return;
    if (l.dmxTasten.size() < static_cast<std::size_t>(kKeyTableGroesse))
        l.dmxTasten.resize(kKeyTableGroesse);
    l.dmxTasten[static_cast<std::size_t>(key)] = l.dmxMakro;
    dmxOrdSpeichern(l.dmxTasten, k.env, l.ordner);
    l.dmxMakroZuordnen = false;
}

void effekt(LiveKontext& k, int g, int zeile, int kind, int value) {
    if (k.figuren.SpurAuswahl[g].Figur == -1) return;
    auto& gespeichert =
        k.live.effektEinstellung[static_cast<std::size_t>(g)][static_cast<std::size_t>(zeile)];
    if (gespeichert == value) return;
    gespeichert = static_cast<std::int16_t>(value);
    if (kind == kArtEffekt2 && k.live.hooks.zweiterEffektweg)
        k.live.hooks.zweiterEffektweg(g, zeile, value);
    else
        effektAnwenden(k.ausgabe.Effekt, g, zeile, value);
}

} // namespace

double triggerStartzeit(AusgabeZustand& a) {
    if (a.Medienzeit)
        if (auto m = a.Medienzeit()) return *m;
    if (a.Wiedergabe && a.Stoppuhr) {
        a.Stoppuhr->Halt();
        return a.Stoppuhr->vergangen();
    }
    return a.JetztMs;
}

long ausgewaehlterEintrag(const FigurenSpeicher& s) {
    const auto& sp = s.ShowpartAuswahl[s.EditorSpur];
    if (sp.Showpart >= 0) return sp.Showpart;
    return s.SpurAuswahl[s.EditorSpur].Figur;
}

void TriggerKey(LiveKontext& k, int track, int kind, int key, int value) {
    if (track < 1 || track > kTracks) return;
    const int g = (track - 1) / 19;
    const int zeile = track - 19 * g;
    auto& l = k.live;

    if (kind == kArtGedrueckt && zeile == 1 && l.zuordnungsModus) {
        zuordnen(k, key);
        return;
    }
    if (kind == kArtGedrueckt && zeile == kZeileDmxMakro && l.dmxMakroZuordnen) {
        dmxMakroZuordnen(k, key);
        return;
    }
    if (zeile == 1 && kind == kArtGedrueckt) {
        if (key < 0 || key >= static_cast<int>(l.keyTable.size())) return;
        const auto eintrag = l.keyTable[static_cast<std::size_t>(key)];
        if (!eintrag) return;
        if (*eintrag == -1)
            ebenenLoeschen(k, g);
        else
            zeigen(k, g, *eintrag);
        return;
    }
    if (zeile == 1 && kind == kArtLosgelassen) {
        ebenenLoeschen(k, g);
        return;
    }
    if ((kind == kArtEffekt || kind == kArtEffekt2) && key == 1) effekt(k, g, zeile, kind, value);
}

} // namespace sw
