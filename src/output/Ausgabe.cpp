#include "output/Ausgabe.h"

#include "platform/Fehlerfalle.h"
#include "simulation/SimFeld.h"

#include <algorithm>

namespace sw {

AusgabeZustand::AusgabeZustand() {
    Perspektivabstand.fill(640000);
}

void ausgabeVorbereiten(AusgabeZustand& a, const Paletten& p) {
    alleFarbenKorrigieren(a.Farben, p);
}

namespace {

// The show-blanked rule: dark points become visible in turn red, green and blue.
void dunkleSichtbarMachen(AusgabeZustand& a, Ausgabepunkt& pt) {
    a.ShowBlankZaehler = a.ShowBlankZaehler % 3 + 1;
    switch (a.ShowBlankZaehler) {
    case 1:
        pt.I = 255;
        if (pt.R == 0) pt.R = 255;
        break;
    case 2:
        pt.I = 255; // the green step is lit as brightly as the red one
        if (pt.G == 0) pt.G = 255;
        break;
    default:
        pt.I = 128;
        if (pt.B == 0) pt.B = 255;
        break;
    }
}

void SIM_Feld(AusgabeZustand& a, int geraet, const Ausgabepunkt& pt) {
    const auto d = static_cast<std::size_t>(geraet);
    sw::SIM_Feld(
        a.SimPunktListe, a.SimLetzterIndex,
        {pt.X, pt.Y, pt.R, pt.G, pt.B, a.ProjektorVerschiebungX[d], a.ProjektorVerschiebungY[d]});
}

Geraeteschreiber* schreiberVon(AusgabeZustand& a, int geraet) {
    const int typ = a.Geraetetyp[static_cast<std::size_t>(geraet)];
    return typ >= 0 && typ < geraetetyp::kArten ? a.Schreiber[static_cast<std::size_t>(typ)]
                                                : nullptr;
}

} // namespace

void DeviceAuswahl(AusgabeZustand& a, int geraet, Ausgabepunkt pt) {
    if (a.checkShowBlank[static_cast<std::size_t>(geraet)] && pt.I == 0)
        dunkleSichtbarMachen(a, pt);
    if (a.Simulationsmodus) {
        SIM_Feld(a, geraet, pt);
        return;
    }
    if (a.IldaShowExportAn && a.IldaExport) {
        a.IldaExport->IldaShowExport_Feld(pt.X, pt.Y, pt.R, pt.G, pt.B);
        return;
    }
    if (!a.Farbmessmodus) zonenUndKurven(a.Farben.geraete[static_cast<std::size_t>(geraet)], pt);
    hauptschalterAnwenden(a.Haupt, pt);
    if (a.Vorschau) SIM_Feld(a, geraet, pt);
    if (a.Beobachter) a.Beobachter->punkt(geraet, pt);
    if (Geraeteschreiber* w = schreiberVon(a, geraet)) w->punkt(geraet, pt);
}

void Ausgabezyklus(AusgabeZustand& a, FigurenSpeicher& s, const Paletten& p, Umgebung& env) {
    if (a.Farben.geraete[0].palette.empty()) ausgabeVorbereiten(a, p);
    const double passdauer = a.Uhr.passdauer;

    // 1. Effects and frame advance.
    static const auto frameTexte = [] {
        std::array<std::string, kSpurZahl> t;
        for (int i = 0; i < kSpurZahl; ++i)
            t[static_cast<std::size_t>(i)] =
                " wurde ausgeloest in Sub tmrFrame_Timer frmHaupt von  SpurNummer war =" +
                std::to_string(i);
        return t;
    }();
    for (int t = 0; t < kSpurZahl; ++t) {
        mitFehlerfalle(env, " wurde ausgeloest in Sub VerzerrungsValuesBerechnen frmHaupt von ",
                       Meldeart::Log, [&] { VerzerrungsValuesBerechnen(a.Effekt, t, passdauer); });
        mitFehlerfalle(env, frameTexte[static_cast<std::size_t>(t)], Meldeart::Log,
                       [&] { tmrFrame_Timer(a.Uhr, s, a.Effekt, t, a.JetztMs); });
    }

    // 2. Empty lists.
    for (auto& liste : a.Ausgabeliste) liste.leeren();
    a.SimLetzterIndex = -7;

    // 3. The four sides.
    for (int seite = 0; seite < kSeiten; ++seite)
        mitFehlerfalle(env, " wurde ausgeloest in Sub AusgabeRoutine frmHaupt von ", Meldeart::Log,
                       [&] { AusgabeRoutine(a, s, p, seite); });
    if (a.RohlisteBeobachter)
        for (int d = 0; d < kGeraete; ++d)
            if (!a.Ausgabeliste[static_cast<std::size_t>(d)].leer())
                a.RohlisteBeobachter(d, a.Ausgabeliste[static_cast<std::size_t>(d)]);

    // 4. The devices.
    for (int d = 0; d < kGeraete; ++d) {
        const auto i = static_cast<std::size_t>(d);
        for (Geraeteschreiber* w : a.Schreiber)
            if (w) w->zyklusBeginn(d);
        if (a.Geraetetyp[i] == geraetetyp::KeinGeraet) continue;
        Rohliste& liste = a.Ausgabeliste[i];
        // The measured device shows the pattern alone, whatever its sides play: the operator
        // judges the rings, not a figure drawn over them.
        if (a.Farbmessmodus && d == a.GemessenesGeraet) liste.leeren();
        if (liste.leer() && !a.Farbmessmodus) {
            if (a.Leerlauf[i] >= 30) continue;
            ++a.Leerlauf[i];
        } else {
            a.Leerlauf[i] = 0;
        }
        env.pumpe.ereignisseVerarbeiten();
        if (liste.leer()) {
            mitFehlerfalle(
                env, " wurde ausgeloest in Sub SetzeMindestPunktzahl_FrmHaupt von ", Meldeart::Log,
                [&] {
                    if (a.Farbmessmodus && d == a.GemessenesGeraet)
                        Messmuster(liste, a.Messfarbe[0], a.Messfarbe[1], a.Messfarbe[2]);
                    else
                        SetzeMindestPunktzahl(a.Optimierung[i], a.EllipsenVorschub, liste);
                });
        }
        mitFehlerfalle(env, " in frmHaupt optimiceAusgabe", Meldeart::Log, [&] {
            OptimiceAusgabe(
                a.Optimierung[i], a.Farbmessmodus, liste,
                [&](Rohliste& l) { geometriePass(a.Geometrie[i], l); },
                [&](const Ausgabepunkt& pt) { DeviceAuswahl(a, d, pt); });
        });
        if (!a.Simulationsmodus)
            if (Geraeteschreiber* w = schreiberVon(a, d)) w->senden(d);
    }

    // 5. The show export's frame and the simulation.
    if (a.IldaShowExportAn && a.IldaExport) a.IldaExport->Ilda_RGBFrameHinzufuegen(env);
    if (a.SimulationZeichnen) a.SimulationZeichnen();
    env.pumpe.ereignisseVerarbeiten();
}

void FigurStarten(AusgabeZustand& a, FigurenSpeicher& s, int spur, int figur, double jetztMs) {
    if (spur < 0 || spur >= kSpurZahl || !s.Figuren.enthaelt(figur)) return;
    auto& auswahl = s.SpurAuswahl[spur];
    auswahl.Figur = static_cast<std::int16_t>(figur);
    auswahl.Zeitpunkt = jetztMs;
    SetFrameTiming(a.Uhr, s, a.Effekt, figur, spur);
    const double abstand = s.Figuren[figur].Parameter[parameter::Perspektive];
    a.Perspektivabstand[static_cast<std::size_t>(spur)] = abstand < 1000 ? 654000 : abstand;
}

void AbspielenStarten(AusgabeZustand& a, Umgebung& env) {
    a.Spurstatus.fill(0);
    a.Geraetestatus.fill(0);
    a.Leerlauf.fill(0);
    if (!a.Stoppuhr) a.Stoppuhr.emplace(env.uhr);
    a.Stoppuhr->kalibrieren();
    a.Stoppuhr->Start();
    a.VorherigeZeitMs = 0;
    a.JetztMs = 0;
    a.Wiedergabe = true;
}

void AbspielenDurchlauf(AusgabeZustand& a, FigurenSpeicher& s, const Paletten& p, Umgebung& env) {
    if (!a.Wiedergabe) return;
    mitFehlerfalle(env, " wurde ausgeloest in Sub Abspielen frmHaupt von ", Meldeart::Log, [&] {
        env.pumpe.ereignisseVerarbeiten();
        std::optional<double> medien = a.Medienzeit ? a.Medienzeit() : std::nullopt;
        if (medien) {
            a.JetztMs = *medien;
        } else {
            a.Stoppuhr->Halt();
            a.JetztMs = a.Stoppuhr->vergangen();
        }
        a.Uhr.passdauer = a.JetztMs - a.VorherigeZeitMs;
        a.VorherigeZeitMs = a.JetztMs;
        if (a.EingaengeAbfragen) a.EingaengeAbfragen();
        if (a.SequenzerEreignisse) a.SequenzerEreignisse(a.JetztMs);
        Ausgabezyklus(a, s, p, env);
    });
}

void AbspielenStoppen(AusgabeZustand& a) {
    if (!a.Wiedergabe) return;
    a.Wiedergabe = false;
    if (a.AusgabeGestoppt) a.AusgabeGestoppt();
    a.SimLetzterIndex = -7;
    if (a.SimulationZeichnen) a.SimulationZeichnen();
}

void ausgabeEinstellungenLaden(AusgabeZustand& a, const Paletten& p, Einstellungen& e) {
    for (int d = 0; d < kGeraete; ++d) {
        const auto i = static_cast<std::size_t>(d);
        optimierungLaden(a.Optimierung[i], e, d);
        geometrieLaden(a.Geometrie[i], e, d);
        farbkorrekturLaden(a.Farben, e, d);
        // A channel stored with slope 0 is absent: its switch in the colour window is off.
        auto& g = a.Farben.geraete[i];
        for (std::size_t c = 0; c < 3; ++c) g.kanalAn[c] = g.Steigung[c] != 0;
    }
    zahlInWert(e, "Allgemein", "EllipsenVorschub", a.EllipsenVorschub);
    if (a.EllipsenVorschub < 7) a.EllipsenVorschub = 15;
    for (int s = 0; s < kSeiten; ++s)
        for (int d = 0; d < kGeraete; ++d)
            zahlInWert(e, "Optionen_Hardware",
                       schluessel("Zuordnung_Spurseite_2_Logischespur", s, d),
                       a.SpurZuordnung[static_cast<std::size_t>(s)][static_cast<std::size_t>(d)]);
    effekteLaden(a.Effekt, e);
    alleFarbenKorrigieren(a.Farben, p);
}

void ausgabeEinstellungenSpeichern(const AusgabeZustand& a, Einstellungen& e) {
    for (int d = 0; d < kGeraete; ++d) {
        optimierungSpeichern(a.Optimierung[static_cast<std::size_t>(d)], e, d);
        geometrieSpeichern(a.Geometrie[static_cast<std::size_t>(d)], e, d);
        farbkorrekturSpeichern(a.Farben, e, d);
    }
    wertAlsZahl(e, "Allgemein", "EllipsenVorschub", a.EllipsenVorschub);
    seitenZuordnungSpeichern(a, e);
    effekteSpeichern(a.Effekt, e);
}

void seitenZuordnungSpeichern(const AusgabeZustand& a, Einstellungen& e) {
    for (int s = 0; s < kSeiten; ++s)
        for (int d = 0; d < kGeraete; ++d)
            wertAlsZahl(e, "Optionen_Hardware",
                        schluessel("Zuordnung_Spurseite_2_Logischespur", s, d),
                        a.SpurZuordnung[static_cast<std::size_t>(s)][static_cast<std::size_t>(d)]);
}

} // namespace sw
