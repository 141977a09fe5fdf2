#include "core/QvbFormat.h"

#include "platform/Binaer.h"
#include "platform/Vb.h"

#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>

namespace sw {

namespace {

constexpr std::size_t kDeskriptor = 10;

struct Layout {
    std::size_t punktGroesse;     // 5, 8 or 9 bytes
    std::size_t parameterGroesse; // 2, 4 or 8 bytes
};

Layout layoutFuer(int version) {
    if (version <= 2) return {5, 2};
    if (version == 3) return {8, 4};
    if (version <= 5) return {9, 4};
    return {9, 8};
}

void deskriptorPruefen(BinaerLeser& l, std::int64_t anzahl, const char* was) {
    std::size_t offset = l.position();
    std::int16_t dimensionen = l.i16();
    std::int32_t elemente = l.i32();
    std::int32_t untergrenze = l.i32();
    if (dimensionen != 1 || elemente != anzahl || untergrenze != 0)
        throw Formatfehler(offset, std::string("the array header of ") + was + " at byte " +
                                       std::to_string(offset) +
                                       " does not match the counts at the start of the file");
}

} // namespace

std::optional<QvbInhalt> qvbDekodieren(std::string_view bytes) {
    if (bytes.empty() || static_cast<std::uint8_t>(bytes[0]) == 0) return std::nullopt;
    BinaerLeser l(bytes);
    QvbInhalt inhalt;
    inhalt.version = l.u8();
    const int v = inhalt.version;
    const Layout layout = layoutFuer(v);

    std::int32_t frameOber = l.i32();
    if (frameOber < 0)
        throw Formatfehler(1, "the frame count " + std::to_string(frameOber) + " is negative");
    const std::uint64_t frameZahl = static_cast<std::uint64_t>(frameOber) + 1;
    // Each frame needs at least its count, its array header and one point.
    if (frameZahl * (4 + kDeskriptor + layout.punktGroesse) > l.rest())
        throw Formatfehler(1, "the file announces " + std::to_string(frameZahl) +
                                  " frames but is too short to hold them");

    std::vector<std::int32_t> punktOber(frameZahl);
    std::uint64_t benoetigt = kDeskriptor + kDeskriptor + kParameterZahl * layout.parameterGroesse;
    for (auto& p : punktOber) {
        std::size_t offset = l.position();
        p = l.i32();
        if (p < 0 || p >= kMaxPunkteProFrame)
            throw Formatfehler(offset, "the point count " + std::to_string(p) + " at byte " +
                                           std::to_string(offset) + " is out of range");
        benoetigt += kDeskriptor + (static_cast<std::uint64_t>(p) + 1) * layout.punktGroesse;
    }
    if (benoetigt > l.rest())
        throw Formatfehler(l.position(), "the file is " + std::to_string(bytes.size()) +
                                             " bytes long but its counts need " +
                                             std::to_string(l.position() + benoetigt));

    Figur& figur = inhalt.figur;
    figur.Frames.assign(frameZahl, Frame{});
    deskriptorPruefen(l, static_cast<std::int64_t>(frameZahl), "the frames");
    for (std::size_t f = 0; f < frameZahl; ++f) {
        auto& punkte = figur.Frames[f].Punkte;
        punkte.resize(static_cast<std::size_t>(punktOber[f]) + 1);
        deskriptorPruefen(l, punktOber[f] + 1, ("frame " + std::to_string(f)).c_str());
        for (auto& p : punkte) {
            p.X = l.i16();
            p.Y = l.i16();
            if (v <= 2) {
                p.Farbe = l.u8();
            } else {
                p.Farbe = l.i32();
                if (v >= 4) p.Status = l.u8();
            }
        }
    }
    deskriptorPruefen(l, kParameterZahl, "the parameters");
    for (auto& wert : figur.Parameter) {
        if (layout.parameterGroesse == 2)
            wert = l.i16();
        else if (layout.parameterGroesse == 4)
            wert = l.i32();
        else
            wert = l.f64();
    }

    // Conversions of the older point and parameter forms.
    double& framedauer = figur.Parameter[parameter::Framedauer];
    if (v == 1 && framedauer > 0) framedauer = vb::CInt(1000.0 / framedauer);
    if (v <= 3) {
        std::uint8_t st = figur.Parameter[parameter::Echtzeitoptimierung] != 0 ? 3 : 2;
        for (auto& frame : figur.Frames)
            for (auto& p : frame.Punkte) p.Status = st;
    }
    if (v <= 4) framedauer *= 50;

    qvbParameterAufwerten(figur, v);
    return inhalt;
}

void qvbParameterAufwerten(Figur& figur, int version) {
    auto& P = figur.Parameter;
    if (version < 7) {
        P[180] = 1.0;
        P[181] = 1.0;
        P[182] = 100.0;
        for (int i = 183; i <= 186; ++i) P[i] = 0.0;
        if (P[165] == 1.0) {
            P[180] = 2.0;
            P[182] = 50.0;
            P[185] = 1.0;
            P[183] = 2 * P[166];
        }
    }
    if (version < 8) {
        for (int i = 14; i <= 16; ++i) {
            P[140 + i] = 0.0;
            P[120 + i] = 1.0;
            P[i] = 0.0;
        }
        P[190] = 654000.0;
    }
    if (version < 9) {
        for (int i = 0; i <= 16; ++i) {
            if (i == 1 || i == 14 || i == 15 || i == 16) {
                P[240 + i] = 360.0;
                P[260 + i] = 0.0;
                P[280 + i] = 0.0;
            } else if (i == 0) {
                P[240] = 100.0;
                P[260] = 0.0;
                P[280] = 1.0;
            } else {
                P[240 + i] = 1.0;
                P[260 + i] = -1.0;
                P[280 + i] = 1.0;
            }
        }
    }
    if (version < 10) {
        P[20] = 1.0;
        if (P[240] > 100) P[240] = 100.0;
        if (P[260] < 0) P[260] = 0.0;
    }
    if (version < 11) {
        for (int i = 0; i <= 16; ++i) {
            if (P[120 + i] == 0)
                P[140 + i] = P[i];
            else
                P[i] = P[140 + i];
        }
        for (int i = 0; i <= 16; ++i) P[60 + i] = P[i];
    }
}

namespace {

// Fills a buffer that was sized for the whole file: no growth and no checks per value.
class Fueller {
public:
    explicit Fueller(char* ziel) : z_(ziel) {}
    template <typename T> void roh(T wert) {
        static_assert(std::endian::native == std::endian::little);
        std::memcpy(z_, &wert, sizeof(T));
        z_ += sizeof(T);
    }
    void deskriptor(std::size_t anzahl) {
        roh<std::int16_t>(1);
        roh(static_cast<std::int32_t>(anzahl));
        roh<std::int32_t>(0);
    }
    const char* ende() const { return z_; }

private:
    char* z_;
};

} // namespace

std::size_t qvbGroesse(const Figur& figur) {
    std::size_t groesse = 1 + 4 + kDeskriptor + kDeskriptor + kParameterZahl * 8;
    for (const auto& frame : figur.Frames) groesse += 4 + kDeskriptor + frame.Punkte.size() * 9;
    return groesse;
}

void qvbKodierenIn(const Figur& figur, char* ziel) {
    Fueller s(ziel);
    s.roh(static_cast<std::uint8_t>(kQvbVersion));
    s.roh(static_cast<std::int32_t>(figur.Frames.size()) - 1);
    for (const auto& frame : figur.Frames)
        s.roh(static_cast<std::int32_t>(frame.Punkte.size()) - 1);
    s.deskriptor(figur.Frames.size());
    for (const auto& frame : figur.Frames) {
        s.deskriptor(frame.Punkte.size());
        for (const auto& p : frame.Punkte) {
            s.roh(p.X);
            s.roh(p.Y);
            s.roh(p.Farbe);
            s.roh(p.Status);
        }
    }
    s.deskriptor(kParameterZahl);
    for (double wert : figur.Parameter) s.roh(wert);
    assert(s.ende() == ziel + qvbGroesse(figur));
}

std::string qvbKodieren(const Figur& figur) {
    std::string datei(qvbGroesse(figur), '\0');
    qvbKodierenIn(figur, datei.data());
    return datei;
}

} // namespace sw
