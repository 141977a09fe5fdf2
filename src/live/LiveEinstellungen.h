#pragma once
// The live inputs' settings: ignore-note-off, and the routing files loaded at start-up (the
// last ones saved or loaded).

#include "einstellungen/Einstellungen.h"
#include "live/LiveZustand.h"

#include <filesystem>

namespace sw {

// Reads ignore-note-off and loads the remembered MIDI and DMX routing files (a missing or
// damaged file keeps the routing as it is).
void liveEinstellungenLaden(LiveZustand& l, Einstellungen& e, Umgebung& env);
void ignoreNoteOfSpeichern(const LiveZustand& l, Einstellungen& e);

// Loading or saving a routing file through its dialog remembers it for the next start.
bool midiRoutingLadenUndMerken(LiveZustand& l, Einstellungen& e, Umgebung& env,
                               const std::filesystem::path& datei);
bool midiRoutingSpeichernUndMerken(const LiveZustand& l, Einstellungen& e, Umgebung& env,
                                   const std::filesystem::path& datei);
bool dmxRoutingLadenUndMerken(LiveZustand& l, Einstellungen& e, Umgebung& env,
                              const std::filesystem::path& datei);
bool dmxRoutingSpeichernUndMerken(const LiveZustand& l, Einstellungen& e, Umgebung& env,
                                  const std::filesystem::path& datei);

} // namespace sw
