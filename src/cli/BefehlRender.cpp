// strahlwerk-cli render: one output cycle of a figure or a show in simulation mode, drawn by
// the simulation's OpenGL renderer into a PNG. Its own library, so that only this command
// brings Qt into the program; Qt is started only when the command runs.

#include "cli/Befehle.h"
#include "cli/CliUmgebung.h"
#include "cli/Dateien.h"
#include "cli/Geraetewahl.h"
#include "core/Ordnerwechsel.h"
#include "einstellungen/Einstellungen.h"
#include "output/Ausgabe.h"
#include "platform/Text.h"
#include "show/SequenzBearbeiten.h"
#include "simulation/SimAnzeige.h"
#include "simulation/SimBild.h"
#include "simulation/SimFeld.h"

#include <QGuiApplication>
#include <QImageWriter>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

namespace sw::cli {

namespace fs = std::filesystem;

namespace {

// Whether a display is named. The picture is drawn on Qt's offscreen platform, which needs no
// window and reports a missing display as a failed context instead of ending the program; it
// still takes its OpenGL from the X display.
bool bildschirmDa(std::string& warum) {
    if (const char* p = std::getenv("QT_QPA_PLATFORM"); p && *p) return true; // chosen on purpose
    if (const char* d = std::getenv("DISPLAY"); d && *d) return true;
    warum = "DISPLAY is not set";
    return false;
}

// The key table of a figure folder, "Key.ord": line i names the figure list entry of key
// index i, "####" none. Without the file key index k shows figure k.
std::map<int, long> tastentabelle(const FigurenSpeicher& s, const fs::path& ordner) {
    std::map<int, long> tabelle;
    std::ifstream f(ordner / "Key.ord", std::ios::binary);
    if (!f) {
        for (long k = 1; k < static_cast<long>(s.lstFiguren.size()); ++k)
            if (s.Listentyp[static_cast<std::size_t>(k)] == listentyp::Figur)
                tabelle[static_cast<int>(k)] = k;
        return tabelle;
    }
    std::string zeile;
    for (int taste = 0; std::getline(f, zeile); ++taste) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        const std::string name = cp1252NachUtf8(zeile);
        for (long k = 1; k < static_cast<long>(s.lstFiguren.size()); ++k)
            if (s.Listentyp[static_cast<std::size_t>(k)] == listentyp::Figur &&
                gleichOhneGross(s.lstFiguren[static_cast<std::size_t>(k)], name))
                tabelle[taste] = k;
    }
    return tabelle;
}

// The show's timeline up to `bisMs`: its figure events on row 1 of each device group, in list
// order, as the trigger routine replays them (143 shows the key's figure, 127 and the
// blackout entry clear the group). Effect events and showparts are not replayed here.
void showStarten(AusgabeZustand& a, FigurenSpeicher& s, CliUmgebung& u, const fs::path& show,
                 double bisMs) {
    const fs::path ordner = show.parent_path().empty() ? fs::path(".") : show.parent_path();
    lstDir_Change(s, u.env, ordner);
    const fs::path seq = ordner / (show.stem().string() + ".seq");
    Sequenzer sequenz;
    if (!fs::exists(seq)) throw CliFehler(seq.string() + ": the show's timeline does not exist.");
    if (!LoadSequenz(sequenz, u.env, seq))
        throw CliFehler(seq.string() + ": the show's timeline cannot be read.");
    const auto tabelle = tastentabelle(s, ordner);
    std::array<std::pair<long, double>, kSpurZahl> gruppe;
    gruppe.fill({-1, 0});
    for (long i = 1; i <= sequenz::anzahl(sequenz.Events); ++i) {
        const SeqEvent& e = sequenz.Events[static_cast<std::size_t>(i)];
        if (e.start > bisMs) break;
        if (e.track < 1) continue;
        const int g = (e.track - 1) / sequenz::kZeilenJeGruppe;
        const int zeile = e.track - sequenz::kZeilenJeGruppe * g;
        if (g >= kSpurZahl || zeile != 1) continue;
        auto& slot = gruppe[static_cast<std::size_t>(g)];
        if (e.kind == sequenz::kTasteLosgelassen) {
            slot = {-1, 0};
        } else if (e.kind == sequenz::kTasteGedrueckt) {
            const auto t = tabelle.find(e.key);
            if (t != tabelle.end()) slot = {t->second, e.start};
        }
    }
    for (int g = 0; g < kSpurZahl; ++g) {
        const auto& [figur, start] = gruppe[static_cast<std::size_t>(g)];
        if (figur > 0) FigurStarten(a, s, g, static_cast<int>(figur), start);
    }
}

} // namespace

void befehlRender(const RenderOptionen& o, int argc, char** argv) {
    if (o.breite < 16 || o.hoehe < 16 || o.breite > kMaxBildseite || o.hoehe > kMaxBildseite)
        throw CliFehler("--size must be WxH with each side from 16 to " +
                        std::to_string(kMaxBildseite) + ".");
    if (!(o.atMs >= 0)) throw CliFehler("--at must be 0 or more milliseconds.");
    const bool show = hatEndung(o.datei, ".shw");
    if (!show && !hatEndung(o.datei, ".qvb"))
        throw CliFehler(o.datei + ": render takes a figure (.qvb) or a show (.shw).");
    if (!fs::exists(o.datei)) throw CliFehler(o.datei + ": the file does not exist.");

    CliUmgebung u;
    FigurenSpeicher speicher;
    Paletten paletten;
    auto a = std::make_unique<AusgabeZustand>();
    paletten.farbenKorrigieren = [&] { alleFarbenKorrigieren(a->Farben, paletten); };
    SimAnzeige anzeige;
    auto e = einstellungsdateiOeffnen(u, o.einstellungen);
    if (e) {
        ausgabeEinstellungenLaden(*a, paletten, *e);
        for (int d = 0; d < kGeraete; ++d) {
            zahlInWert(*e, kSimAbschnitt, schluessel("ProjektorVerschiebungX", d),
                       a->ProjektorVerschiebungX[static_cast<std::size_t>(d)]);
            zahlInWert(*e, kSimAbschnitt, schluessel("ProjektorVerschiebungY", d),
                       a->ProjektorVerschiebungY[static_cast<std::size_t>(d)]);
        }
        simAnzeigeLaden(anzeige, *e);
    }
    // Without a side table each side drives the device of its number.
    bool seitenDa = false;
    for (const auto& seite : a->SpurZuordnung)
        for (bool an : seite) seitenDa = seitenDa || an;
    if (!seitenDa)
        for (int seite = 0; seite < kSeiten; ++seite)
            a->SpurZuordnung[static_cast<std::size_t>(seite)][static_cast<std::size_t>(seite)] =
                true;
    // Every device a side feeds takes part; in simulation mode no device writer is involved.
    for (int d = 0; d < kGeraete; ++d)
        for (int seite = 0; seite < kSeiten; ++seite)
            if (a->SpurZuordnung[static_cast<std::size_t>(seite)][static_cast<std::size_t>(d)])
                a->Geraetetyp[static_cast<std::size_t>(d)] = geraetetyp::VirtuellesGeraet;
    a->Simulationsmodus = true;
    ausgabeVorbereiten(*a, paletten);
    AbspielenStarten(*a, u.env);
    if (show) {
        showStarten(*a, speicher, u, o.datei, o.atMs);
    } else {
        figurLaden(speicher, u, o.datei);
        FigurStarten(*a, speicher, 0, 1, 0);
    }
    u.uhr.vorstellen(o.atMs / 1000);
    AbspielenDurchlauf(*a, speicher, paletten, u.env);
    SimGeometrie g;
    simGeometrieBauen(a->SimPunktListe.data(), a->SimLetzterIndex, anzeige, g);
    const long punkte = simPunktzahl(a->SimLetzterIndex);

    std::string warum;
    if (!bildschirmDa(warum))
        throw KeinBildschirm("render needs an X display or Xvfb for OpenGL (" + warum +
                             "); run it as: xvfb-run -a strahlwerk-cli render ...");
    if (const char* p = std::getenv("QT_QPA_PLATFORM"); !p || !*p)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = argc > 0 ? 1 : 0;
    QGuiApplication app(qtArgc, argv);
    QString grund;
    const QImage bild = simulationsBild(g, anzeige, QSize(o.breite, o.hoehe), &grund);
    if (bild.isNull())
        throw KeinBildschirm("render needs OpenGL on an X display or Xvfb: " + grund.toStdString() +
                             ".");
    // Beside the target first, so a failed write leaves an earlier picture as it was.
    const fs::path ziel(o.png);
    const fs::path neu = ziel.string() + ".neu";
    QImageWriter schreiber(QString::fromStdString(neu.string()), "png");
    if (!schreiber.write(bild)) {
        std::error_code ec;
        fs::remove(neu, ec);
        throw CliFehler(o.png + ": the picture cannot be written (" +
                        schreiber.errorString().toStdString() + ").");
    }
    std::error_code ec;
    fs::rename(neu, ziel, ec);
    if (ec) throw CliFehler(o.png + ": the picture cannot be written (" + ec.message() + ").");
    std::cout << "rendered " << o.datei << " at " << o.atMs << " ms: " << punkte << " points, "
              << g.Strahlen.size() / 3 << " beam segments, " << g.Leinwand.size() / 2
              << " screen segments -> " << o.png << "\n";
}

} // namespace sw::cli
