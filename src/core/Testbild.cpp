#include "core/Testbild.h"

#include "core/Farben.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"

namespace sw {

namespace {
constexpr std::string_view kKennung = "SWTB";
constexpr std::uint16_t kFormat = 1;
constexpr std::size_t kPunktGroesse = 8;
} // namespace

std::string testbildKodieren(const Testbild& bild) {
    BinaerSchreiber s;
    s.bytes(kKennung);
    s.u16(kFormat);
    s.u16(static_cast<std::uint16_t>(bild.frames.size()));
    s.u32(bild.framedauer);
    for (const auto& frame : bild.frames) {
        s.u16(static_cast<std::uint16_t>(frame.size()));
        for (const auto& p : frame) {
            s.i16(p.X);
            s.i16(p.Y);
            s.u8(p.R);
            s.u8(p.G);
            s.u8(p.B);
            s.u8(p.dunkel ? 1 : 0);
        }
    }
    return s.nehmen();
}

Figur testbildDekodieren(std::string_view bytes) {
    BinaerLeser l(bytes);
    if (l.rest() < 12 || l.bytes(4) != kKennung)
        throw Formatfehler(0, "the file is not a test picture (no \"SWTB\" at its start)");
    auto format = l.u16();
    if (format != kFormat)
        throw Formatfehler(4, "test-picture format " + std::to_string(format) + " is unknown");
    std::size_t frames = l.u16();
    if (frames < 1 || frames > 32768 || frames * (2 + kPunktGroesse) + 4 > l.rest())
        throw Formatfehler(6, "the frame count " + std::to_string(frames) + " is out of range");
    Figur figur;
    figur.Parameter[parameter::Framedauer] = l.u32();
    figur.Parameter[parameter::Echtzeitoptimierung] = 0; // drawn as stored, jumps lit
    figur.Frames.assign(frames, Frame{});
    for (auto& frame : figur.Frames) {
        std::size_t offset = l.position();
        std::size_t punkte = l.u16();
        if (punkte < 1 || punkte >= static_cast<std::size_t>(kMaxPunkteProFrame))
            throw Formatfehler(offset, "the point count " + std::to_string(punkte) + " at byte " +
                                           std::to_string(offset) + " is out of range");
        l.brauche(punkte * kPunktGroesse);
        frame.Punkte.resize(punkte + 1);
        frame.Punkte[0] = Punkt{0, 0, -1, status::Sprung};
        for (std::size_t i = 1; i <= punkte; ++i) {
            Punkt& p = frame.Punkte[i];
            p.X = l.i16();
            p.Y = l.i16();
            int r = l.u8(), g = l.u8(), b = l.u8();
            bool dunkel = l.u8() & 1;
            p.Farbe = dunkel ? -1 : FarbIndexAusRGB(r, g, b);
            p.Status = status::Sprung;
        }
    }
    return figur;
}

bool TestbildLaden(FigurenSpeicher& s, Umgebung& env, long index,
                   const std::filesystem::path& datei) {
    try {
        Figur figur = testbildDekodieren(dateiLesen(datei));
        FigurenErweitern(s, index);
        s.Figuren.at(index) = std::move(figur);
        return true;
    } catch (const std::exception& e) {
        env.log.zeile("TestbildLaden: " + datei.string() + ": " + e.what());
        return false;
    }
}

} // namespace sw
