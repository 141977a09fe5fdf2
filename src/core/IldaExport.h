#pragma once
// Writing ILDA files: the figure export in its five kinds, and the show export that records
// every output frame while a show plays.
//
// Kinds (the operator's answer):
//   1      per frame a true-colour table (format 3), then a 2-D indexed section (format 1)
//   2      a palette section (format 2) of the old 255-colour table first, then as 1
//   3, 0   per frame a format 1 section
//   4      a palette section first, then per frame a format 1 section
//   5      per frame a 2-D true-colour section (format 5), then an end-of-file header
// Format 1 colour indices are 254 for lit and 0 for dark points, or with `IldaPalettenFarben`
// the nearest colour of the old table's 6 x 6 x 6 cube.

#include "core/Farbpalette.h"
#include "core/FigurenSpeicher.h"
#include "core/IldaFormat.h"
#include "platform/Datei.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sw {

// A point as it goes into an ILDA record.
struct IldaPunkt {
    std::int16_t X = 0, Y = 0;
    std::uint8_t R = 0, G = 0, B = 0;
};

// Writes one frame in the kind's sections (format 3 and 1, 1, or 5).
void ildaFrameSchreiben(BinaerSchreiber& s, int art, std::span<const IldaPunkt> punkte,
                        std::uint16_t nummer, std::uint16_t gesamt, bool palettenFarben);
// The format 2 section of 255 colours.
void ildaPaletteSchreiben(BinaerSchreiber& s, std::span<const RGB> farben);

// The whole file of a figure in the given kind (0 to 5). The figure must have at most 65535
// frames.
std::string ildaKodieren(const Figur& figur, const Paletten& p, int art, bool palettenFarben);

// Asks the kind, listing the kinds by name with the ILDA formats each writes (default "5");
// nullopt when cancelled, or, after a message, when the answer is not a kind (0 to 5).
std::optional<int> IldaArtFragen(Umgebung& env);

// Exports the current figure. The kind is asked unless given. Returns whether the file was
// written (atomically).
bool IldaSpeichern(FigurenSpeicher& s, const Paletten& p, Umgebung& env,
                   const std::filesystem::path& Dateiname, bool IldaPalettenFarben,
                   std::optional<int> art = std::nullopt, std::string* grund = nullptr);

// The export command: save dialog, ".ild" added when missing, the name kept in
// `IldaDateiname`, then IldaSpeichern.
bool cmdExportIlda_Click(FigurenSpeicher& s, const Paletten& p, Umgebung& env,
                         std::string& IldaDateiname, bool IldaPalettenFarben);

// Creates the file with the palette section of the current table's entries 0 to 254.
bool IldaFarbPalettenHeaderSchreiben(const Paletten& p, Umgebung& env,
                                     const std::filesystem::path& Dateiname);

// The show export: output points arrive in device coordinates (0 to 65535, centre 32767) with
// their colour; each output cycle appends one frame. When the recording stops, the total
// frames of every header are filled in and an end-of-file header closes the file.
// The recording goes to a temporary file beside the target that replaces it only when it is
// complete: a failed write (a full disk) ends the recording, removes the temporary file and
// leaves any previous file as it was; so does an export destroyed before `beenden`.
class IldaShowExport {
public:
    IldaShowExport() = default;
    ~IldaShowExport();
    IldaShowExport(const IldaShowExport&) = delete;
    IldaShowExport& operator=(const IldaShowExport&) = delete;

    // Starts the recording; false, with the error message, when the file cannot be created.
    bool starten(Umgebung& env, const std::filesystem::path& datei, int art, bool palettenFarben);
    bool laeuft() const { return datei_.offen(); }
    long frames() const { return frames_; }

    // Collects one output point.
    void IldaShowExport_Feld(double X, double Y, double R, double G, double B);
    // Appends the points collected since the last call as one frame; a cycle without points
    // gives one dark point at the centre, so that the recording keeps its timing.
    bool Ilda_RGBFrameHinzufuegen(Umgebung& env);
    // Finishes the file and puts it in place; returns whether it is complete. False as well
    // when the recording ended on a failure before, or never started.
    bool beenden(Umgebung& env);
    // Why the recording failed (English, "the disk is full"), or "".
    const std::string& grund() const { return grund_; }

private:
    bool schreiben(Umgebung& env, const std::string& bytes);
    void fehlschlag(Umgebung& env, const std::string& grund);

    AtomareDatei datei_;
    std::string grund_;
    std::filesystem::path pfad_;
    int art_ = 5;
    bool palettenFarben_ = false;
    long frames_ = 0;
    bool voll_ = false;
    std::vector<IldaPunkt> puffer_;
    std::vector<long> gesamtFelder_; // file offsets of the total-frames fields
    BinaerSchreiber schreiber_;
};

} // namespace sw
