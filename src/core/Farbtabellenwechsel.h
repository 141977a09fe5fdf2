#pragma once
// What a switch of the colour table does to a figure: points keep their colour indices, so an
// index the new table leaves black turns its points dark.

#include "core/Farbpalette.h"
#include "core/Figur.h"

namespace sw {

// The points of the figure (colour index above 0, point 0 of a frame left out) whose index gives a
// colour in the old table but black, or no entry at all, in the new one: they went dark with the
// switch.
long dunkelGewordenePunkte(const Figur& figur, const LBArray<RGB>& alt, const LBArray<RGB>& neu);

} // namespace sw
