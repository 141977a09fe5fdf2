#pragma once
// Whole-frame operations of the editor on the current figure: copy a marked range to the frame
// clipboard, paste, add, delete, insert a frame, drop every second frame, morph. Every
// operation that changes the figure records an undo snapshot first (the store's undo hook);
// errors are trapped and reported, the figure keeping the state reached.

#include "core/FigurenSpeicher.h"

#include <vector>

namespace sw {

struct FrameAuswahl {
    long MarkierungVon = 0;
    long MarkierungBis = 0;
    std::vector<Frame> FrameAblage; // the frame clipboard
};

void FramesKopieren(FigurenSpeicher& s, FrameAuswahl& a, Umgebung& env);
void Frames_Einfuegen(FigurenSpeicher& s, FrameAuswahl& a, Umgebung& env);
void FramesDazuAddieren(FigurenSpeicher& s, FrameAuswahl& a, Umgebung& env);
// Removing every frame leaves one empty frame: a figure always keeps its frame 0.
void FramesLoeschen(FigurenSpeicher& s, FrameAuswahl& a, Umgebung& env);
void cmdInsertFrame_Click(FigurenSpeicher& s, Umgebung& env);
void JedenZweitenFrameVerwerfen(FigurenSpeicher& s, FrameAuswahl& a, Umgebung& env);

// Inserts `Schritte` frames after `VonFrame` that lead from it to `BisFrame`. The points are
// paired by index along the longer frame (the shorter one repeats its last point); X and Y are
// interpolated linearly over Schritte + 1 intervals; colour and marks come from the nearer of
// the two frames.
void Morph(FigurenSpeicher& s, Umgebung& env, long VonFrame, long BisFrame, long Schritte);
// Morphs every pair of neighbouring frames with 20 steps.
void AutoMorph(FigurenSpeicher& s, Umgebung& env);

// The in-between frame at t (0 < t < 1) of two frames, as Morph makes it.
Frame morphFrame(const Frame& von, const Frame& bis, double t);

} // namespace sw
