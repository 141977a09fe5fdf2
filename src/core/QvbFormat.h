#pragma once
// The figure file (".qvb"): a version byte, the frame upper bound, each frame's point upper
// bound, then the packed figure record with its array descriptors. Versions 1 to 11 are read;
// version 11 is written. Decoding checks every count against the file's length before it
// sizes anything, so a corrupt file is rejected instead of read past its end.

#include "core/Figur.h"

#include <optional>
#include <string>
#include <string_view>

namespace sw {

inline constexpr int kQvbVersion = 11;

struct QvbInhalt {
    int version = 0; // the version byte as read
    Figur figur;     // converted and upgraded to the current version
};

// nullopt for an empty file (version byte 0). Throws Formatfehler for a truncated or corrupt
// file.
std::optional<QvbInhalt> qvbDekodieren(std::string_view bytes);

// The file bytes of the figure in the current version, exactly as given (the writer's own
// parameter changes happen before).
std::string qvbKodieren(const Figur& figur);
// The same into a buffer of qvbGroesse(figur) bytes that the caller sized once.
std::size_t qvbGroesse(const Figur& figur);
void qvbKodierenIn(const Figur& figur, char* ziel);

// The parameter upgrade steps for a file of the given version, in order.
void qvbParameterAufwerten(Figur& figur, int version);

} // namespace sw
