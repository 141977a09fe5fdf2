#pragma once
// The output pipeline's state and its cycle: effects and frame advance for the twelve tracks,
// the output routine for the four sides, and for each of the sixteen logical devices the
// filling of an empty list, path optimisation with the geometry pass, and the hand-over of
// every point (`DeviceAuswahl`) to the writer of the device's kind, the simulation or the ILDA
// show export. The master controls (`Haupt`) act last, on every point a device writer receives.

#include "core/Farbpalette.h"
#include "core/FigurenSpeicher.h"
#include "core/IldaExport.h"
#include "output/Ausgabetypen.h"
#include "output/Effekte.h"
#include "output/Farbkorrektur.h"
#include "output/Frameuhr.h"
#include "output/Geometrie.h"
#include "output/Geraeteschreiber.h"
#include "output/Hauptschalter.h"
#include "output/Optimierung.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace sw {

// Kinds of device behind a logical device (the device list's `Typ`).
namespace geraetetyp {
inline constexpr std::int16_t KeinGeraet = 0;
inline constexpr std::int16_t VirtuellesGeraet = 1;
inline constexpr int kArten = 16;
} // namespace geraetetyp

struct AusgabeZustand {
    AusgabeZustand();

    std::array<Rohliste, kGeraete> Ausgabeliste;
    std::array<Geometriekorrektur, kGeraete> Geometrie;
    Farbkorrektur Farben;
    std::array<Optimierungseinstellungen, kGeraete> Optimierung;
    double EllipsenVorschub = 15;
    Effekte Effekt;
    Frameuhr Uhr;
    std::array<double, kSpurZahl> Perspektivabstand;
    std::array<std::array<bool, kGeraete>, kSeiten> SpurZuordnung{};
    std::array<long, kSpurZahl> Spurstatus{};
    std::array<long, kGeraete> Geraetestatus{};
    std::array<int, kGeraete> Leerlauf{}; // consecutive cycles with an empty list

    // The kind of device behind each logical device, and a writer per kind (not owned).
    std::array<std::int16_t, kGeraete> Geraetetyp{};
    std::array<Geraeteschreiber*, geraetetyp::kArten> Schreiber{};
    // Laser enable, blackout and master brightness, read in every cycle.
    Hauptschalter Haupt;
    Punktbeobachter* Beobachter = nullptr;
    // Sees each device's raw list after the output routine, before filling and optimisation.
    std::function<void(int geraet, const Rohliste& liste)> RohlisteBeobachter;

    // Modes of the hand-over.
    bool Simulationsmodus = false;
    bool IldaShowExportAn = false;
    IldaShowExport* IldaExport = nullptr; // not owned
    bool Farbmessmodus = false;
    int GemessenesGeraet = -1;
    std::array<std::int16_t, 3> Messfarbe{255, 255, 255};
    std::array<bool, kGeraete> checkShowBlank{};
    int ShowBlankZaehler = 0;

    // The simulation point list: seven numbers per point (X, Y, R, G, B and the device's
    // projector offsets); the last index is reset to -7 every cycle.
    std::vector<double> SimPunktListe;
    long SimLetzterIndex = -7;
    std::array<double, kGeraete> ProjektorVerschiebungX{};
    std::array<double, kGeraete> ProjektorVerschiebungY{};
    // Redraws the simulation at the end of a cycle.
    std::function<void()> SimulationZeichnen;
    // Outside the simulation mode the list also records what the devices receive, so an open
    // preview shows what plays.
    bool Vorschau = false;

    // Playback.
    bool Wiedergabe = false;
    double VorherigeZeitMs = 0;
    double JetztMs = 0;
    std::optional<xTimer> Stoppuhr;
    // While the sequencer plays: the media position in ms, and the start of due events.
    std::function<std::optional<double>()> Medienzeit;
    std::function<void(double jetztMs)> SequenzerEreignisse;
    // The control inputs (MIDI, DMX) are read before each pass's triggers are played.
    std::function<void()> EingaengeAbfragen;
    // After playback stops: every device receives a blanked frame and is stopped.
    std::function<void()> AusgabeGestoppt;
};

// Builds every device's palette and curves; run once before the first cycle and whenever the
// colour table changes.
void ausgabeVorbereiten(AusgabeZustand& a, const Paletten& p);

void AusgabeRoutine(AusgabeZustand& a, const FigurenSpeicher& s, const Paletten& p, int seite);
void DeviceAuswahl(AusgabeZustand& a, int geraet, Ausgabepunkt punkt);
// One output cycle at the current pass (its duration is a.Uhr.passdauer).
void Ausgabezyklus(AusgabeZustand& a, FigurenSpeicher& s, const Paletten& p, Umgebung& env);

// Starts a figure on a track the way a trigger does: figure, start time, frame timing,
// perspective distance (setting 190; below 1000 gives 654000).
void FigurStarten(AusgabeZustand& a, FigurenSpeicher& s, int spur, int figur, double jetztMs);

// Playback as passes driven by the host: the window runs one pass per turn of its event loop,
// the command-line program and the tests one per step of their clock.
void AbspielenStarten(AusgabeZustand& a, Umgebung& env);
void AbspielenDurchlauf(AusgabeZustand& a, FigurenSpeicher& s, const Paletten& p, Umgebung& env);
// Stops playback; the simulation point list is emptied, so the preview shows the blanked state.
void AbspielenStoppen(AusgabeZustand& a);

// Every per-device and per-track setting of the pipeline, from and to the settings.
void ausgabeEinstellungenLaden(AusgabeZustand& a, const Paletten& p, Einstellungen& e);
void ausgabeEinstellungenSpeichern(const AusgabeZustand& a, Einstellungen& e);
// The side table of section "Optionen_Hardware".
void seitenZuordnungSpeichern(const AusgabeZustand& a, Einstellungen& e);

} // namespace sw
