#pragma once
// The figures and test pictures the program ships in data/, made here rather than by hand.
// The files in data/ are exactly what these functions return; a test keeps the two equal.

#include <string>
#include <vector>

namespace sw::gen {

struct MitgelieferteDatei {
    std::string pfad; // relative to data/, with "/" separators
    std::string bytes;
};

// The ILDA standard's colour table as a palette file.
std::vector<MitgelieferteDatei> farbtabellen();
// Test pictures: a scanner test grid, colour bars and a safety-check square.
std::vector<MitgelieferteDatei> testbilder();
// Fixed figures: the blackout figure.
std::vector<MitgelieferteDatei> fixFiguren();
// The demo folder: shapes, letters made of strokes and an animation.
std::vector<MitgelieferteDatei> demoFiguren();

// The demo show: its figures, key table, show and sequence files and a playlist.
std::vector<MitgelieferteDatei> demoShow();

std::vector<MitgelieferteDatei> alleMitgeliefertenDateien();

} // namespace sw::gen
