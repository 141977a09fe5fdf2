#include "show/SequenzBearbeiten.h"

#include "show/SequenzDatei.h"
#include "show/SequenzMeldungen.h"
#include "show/SequenzOffTime.h"

#include <algorithm>
#include <charconv>

namespace sw {

namespace {

void neuZeichnen(Sequenzer& s, double von, double bis) {
    if (s.neuZeichnen) s.neuZeichnen(von, bis);
}

// Sorts with the flags carried along, recomputes the off times, and makes the flagged
// events the marks.
void sortierenUndMarkieren(Sequenzer& s, std::vector<char>& flags) {
    sequenzSortieren(s.Events, &flags);
    Sequenz_EventOffTime_Ermitteln(s.Events, s.Medienlaenge);
    s.markiert.clear();
    for (std::size_t i = 1; i < s.Events.size(); ++i)
        if (flags[i]) s.markiert.push_back(static_cast<long>(i));
    if (!s.markiert.empty()) {
        s.markiertVon = s.Events[static_cast<std::size_t>(s.markiert.front())].start;
        s.markiertBis = s.Events[static_cast<std::size_t>(s.markiert.back())].start;
    }
    neuZeichnen(s, 0, -1);
}

// The marks, ascending, without repeats, inside the list.
void markenBereinigen(Sequenzer& s) {
    const long n = sequenz::anzahl(s.Events);
    auto& m = s.markiert;
    std::sort(m.begin(), m.end());
    m.erase(std::unique(m.begin(), m.end()), m.end());
    m.erase(std::remove_if(m.begin(), m.end(), [n](long i) { return i < 1 || i > n; }), m.end());
}

} // namespace

void neueSequenz(Sequenzer& s) {
    s.Events.assign(2, SeqEvent{});
    neuZeichnen(s, 0, -1);
}

bool LoadSequenz(Sequenzer& s, Umgebung& env, const std::filesystem::path& datei) {
    const bool geladen = LoadSequenz(s.Events, env, datei, s.Medienlaenge);
    if (geladen) neuZeichnen(s, 0, -1);
    return geladen;
}

bool SaveSequenz(const Sequenzer& s, Umgebung& env, const std::filesystem::path& datei) {
    return SaveSequenz(s.Events, env, datei);
}

void Undo(Sequenzer& s, Umgebung& env) {
    Undo(s.Events, s.undo, env, s.Medienlaenge);
    neuZeichnen(s, 0, -1);
}

void Redo(Sequenzer& s, Umgebung& env) {
    Redo(s.Events, s.undo, env, s.Medienlaenge);
    neuZeichnen(s, 0, -1);
}

void sequenzAbschliessen(Sequenzer& s) {
    sequenzSortieren(s.Events);
    Sequenz_EventOffTime_Ermitteln(s.Events, s.Medienlaenge);
    neuZeichnen(s, 0, -1);
}

bool picSpur_DragDrop(Sequenzer& s, Umgebung& env, std::span<const std::optional<long>> keyTable,
                      long figur, double zeit, int zeile) {
    if (zeile < 1 || zeile > sequenz::kZeilenJeGruppe) return false; // beside the rows
    if (s.raster.an) zeit = TimeRaster(s.raster, zeit);
    const int track = sequenz::track(s.optDeviceNr, zeile);
    std::optional<std::int16_t> taste;
    for (std::size_t k = 0; k < keyTable.size() && k <= 32767; ++k)
        if (keyTable[k] && *keyTable[k] == figur) {
            taste = static_cast<std::int16_t>(k);
            break;
        }
    if (!taste) {
        env.dialoge.meldung(env.texte.text(meldung::KeineTaste, meldung::KeineTasteText));
        return false;
    }
    if (track < 0 || track > 255) return false;
    WriteUndo(s.Events, s.undo, env);
    SeqEvent e;
    e.start = zeit;
    e.track = static_cast<std::uint8_t>(track);
    e.kind = sequenz::kTasteGedrueckt;
    e.key = e.value = *taste;
    s.Events.push_back(e);
    sequenzSortieren(s.Events);
    Sequenz_EventOffTime_Ermitteln(s.Events, s.Medienlaenge);
    if (s.TriggerKey) s.TriggerKey(e.track, e.kind, e.key, e.value);
    if (s.wiedergabeStoppen) s.wiedergabeStoppen();
    neuZeichnen(s, zeit - 100, zeit + 100);
    return true;
}

void EventsMarkieren(Sequenzer& s, double x1, int y1, double x2, int y2) {
    const double von = std::min(x1, x2), bis = std::max(x1, x2);
    const int ersteSpur = sequenz::track(s.optDeviceNr, std::min(y1, y2));
    const int letzteSpur = sequenz::track(s.optDeviceNr, std::max(y1, y2));
    for (std::size_t i = 1; i < s.Events.size(); ++i) {
        const SeqEvent& e = s.Events[i];
        if (e.start >= von && e.start <= bis && e.track >= ersteSpur && e.track <= letzteSpur)
            s.markiert.push_back(static_cast<long>(i));
    }
    markenBereinigen(s);
    neuZeichnen(s, von, bis);
}

void EventUmschalten(Sequenzer& s, long index) {
    auto it = std::find(s.markiert.begin(), s.markiert.end(), index);
    if (it != s.markiert.end())
        s.markiert.erase(it);
    else
        s.markiert.push_back(index);
    markenBereinigen(s);
}

void markierungZuruecksetzen(Sequenzer& s) {
    s.markiert.clear();
    neuZeichnen(s, 0, -1);
}

void KopyEvents(Sequenzer& s) {
    s.Zwischenablage.clear();
    for (long i : s.markiert)
        if (i >= 1 && i <= sequenz::anzahl(s.Events))
            s.Zwischenablage.push_back(s.Events[static_cast<std::size_t>(i)]);
}

void PastEvents(Sequenzer& s, Umgebung& env, double offset, int zielSpur) {
    if (s.Zwischenablage.empty()) return;
    int m = sequenz::kZeilenJeGruppe;
    for (const auto& e : s.Zwischenablage) m = std::min(m, e.track % sequenz::kZeilenJeGruppe);
    WriteUndo(s.Events, s.undo, env);
    // The pasted copies are followed through the sort by a flag of their own. (Raising their
    // values by 500 as a mark would also catch existing events with values above 499 and
    // overflow values near the 16-bit limit.)
    std::vector<char> neu(s.Events.size(), 0);
    for (const auto& e : s.Zwischenablage) {
        const int track = e.track % sequenz::kZeilenJeGruppe + zielSpur - m;
        if (track < 0 || track > 255) continue;
        SeqEvent kopie = e;
        kopie.start = offset + e.start;
        kopie.track = static_cast<std::uint8_t>(track);
        s.Events.push_back(kopie);
        neu.push_back(1);
    }
    sortierenUndMarkieren(s, neu);
}

void DelEvents(Sequenzer& s, Umgebung& env) {
    markenBereinigen(s);
    if (s.markiert.empty()) return;
    WriteUndo(s.Events, s.undo, env);
    // One pass that closes the gaps, instead of moving the tail once per marked event.
    std::size_t ziel = 1, k = 0;
    for (std::size_t i = 1; i < s.Events.size(); ++i) {
        if (k < s.markiert.size() && static_cast<long>(i) == s.markiert[k]) {
            ++k;
            continue;
        }
        s.Events[ziel++] = s.Events[i];
    }
    s.Events.resize(ziel);
    s.markiert.clear();
    Sequenz_EventOffTime_Ermitteln(s.Events, s.Medienlaenge);
    neuZeichnen(s, 0, -1);
}

void CutEvents(Sequenzer& s, Umgebung& env) {
    KopyEvents(s);
    DelEvents(s, env);
}

void NoteOff_Entfernen(Sequenzer& s, Umgebung& env) {
    const auto loslassen = [](const SeqEvent& e) { return e.kind == sequenz::kTasteLosgelassen; };
    if (std::none_of(s.Events.begin() + 1, s.Events.end(), loslassen)) return;
    WriteUndo(s.Events, s.undo, env);
    s.Events.erase(std::remove_if(s.Events.begin() + 1, s.Events.end(), loslassen), s.Events.end());
    s.markiert.clear();
    Sequenz_EventOffTime_Ermitteln(s.Events, s.Medienlaenge);
    neuZeichnen(s, 0, -1);
}

void eventsVerschieben(Sequenzer& s, Umgebung& env, double verschiebung, bool abCursor) {
    if (verschiebung == 0) return;
    markenBereinigen(s);
    if (!abCursor && s.markiert.empty()) return;
    WriteUndo(s.Events, s.undo, env);
    std::vector<char> markiert(s.Events.size(), 0);
    for (long i : s.markiert) markiert[static_cast<std::size_t>(i)] = 1;
    for (std::size_t i = 1; i < s.Events.size(); ++i) {
        SeqEvent& e = s.Events[i];
        if (abCursor ? e.start >= s.cursorZeit : markiert[i] != 0) e.start += verschiebung;
    }
    const bool hatteMarken = !s.markiert.empty();
    sortierenUndMarkieren(s, markiert);
    if (!hatteMarken) s.markiert.clear();
}

double verschiebungLesen(const std::string& text) {
    std::string t;
    for (char c : text) {
        if (c == ' ' && t.empty()) continue;
        t += c == ',' ? '.' : c;
    }
    if (!t.empty() && t[0] == '+') t.erase(0, 1);
    double wert = 0;
    auto [ende, ec] = std::from_chars(t.data(), t.data() + t.size(), wert);
    (void)ende;
    return ec == std::errc{} ? wert : 0;
}

void mnuEventsVerschieben_Click(Sequenzer& s, Umgebung& env) {
    auto antwort = env.dialoge.eingabe(
        env.texte.text(meldung::VerschiebenUm, meldung::VerschiebenUmText), "0");
    if (!antwort) return;
    eventsVerschieben(s, env, verschiebungLesen(*antwort), false);
}

void mnuEventsAbZeitpunktVerschieben_Click(Sequenzer& s, Umgebung& env) {
    auto antwort = env.dialoge.eingabe(
        env.texte.text(meldung::VerschiebenUm, meldung::VerschiebenUmText), "0");
    if (!antwort) return;
    eventsVerschieben(s, env, verschiebungLesen(*antwort), true);
}

} // namespace sw
