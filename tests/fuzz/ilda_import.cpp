// Fuzzes the ILDA import from memory: each input is imported into figure 0 of a store set up
// once. The questions take their default answers, except that the last bits of the input's
// length choose whether 3-D records are divided by Z and what indexed colours become, so that
// every path is reached. Nothing is written to files.

#include "core/IldaImport.h"
#include "platform/Umgebung.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

class FuzzDialoge : public sw::Dialoge {
public:
    bool zTeilen = false;

    void meldung(const std::string&, const std::string&) override {}
    void warnung(const std::string&, const std::string&, const std::string&) override {}
    sw::Antwort frage(const std::string&, sw::Knoepfe knoepfe, sw::Antwort standard,
                      const std::string&) override {
        if (knoepfe == sw::Knoepfe::OkAbbrechen) return zTeilen ? sw::Antwort::Ok : standard;
        return standard;
    }
    std::optional<std::string> eingabe(const std::string&, const std::string& vorgabe,
                                       const std::string&) override {
        return vorgabe;
    }
    std::string dateiOeffnen(const sw::DateiAuswahl&) override { return {}; }
    std::string dateiSpeichern(const sw::DateiAuswahl&) override { return {}; }
};

struct Zustand {
    FuzzDialoge dialoge;
    sw::EreignisPumpe pumpe;
    sw::TestUhr uhr;
    sw::Protokoll log{uhr};
    sw::Sprachtexte texte;
    sw::Umgebung env{dialoge, pumpe, uhr, log, texte};
    sw::FigurenSpeicher s;
    sw::Paletten p;
    const sw::Paletten anfang; // the table every input starts from
};

void pruefen(bool bedingung) {
    if (!bedingung) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static Zustand* z = new Zustand;
    z->p.Farbpalette = z->anfang.Farbpalette;
    z->s.Figuren[0] = sw::Figur{};
    z->s.FrameBalkenMax = -2;
    z->dialoge.zTeilen = (groesse & 1) != 0;
    const auto indexFarben = (groesse & 6) == 0   ? sw::IldaIndexFarben::Index
                             : (groesse & 6) == 2 ? sw::IldaIndexFarben::Standardpalette
                                                  : sw::IldaIndexFarben::Fragen;

    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    double zuletzt = 0;
    const auto e = sw::IldaLesen(
        z->s, z->p, z->env, bytes,
        [&](double anteil) {
            pruefen(anteil >= zuletzt && anteil <= 1.0);
            zuletzt = anteil;
        },
        indexFarben);

    pruefen(e.geoeffnet && e.frames >= 0);
    pruefen(e.vollstaendig == e.problem.empty());
    const auto& frames = z->s.Figuren[0].Frames;
    if (e.frames == 0) {
        pruefen(frames == sw::Figur{}.Frames && z->s.FrameBalkenMax == -2);
        return 0;
    }
    pruefen(static_cast<long>(frames.size()) == e.frames);
    pruefen(z->s.FrameBalkenMax == std::min<long>(e.frames - 1, sw::kMaxFrameObergrenze));
    for (const auto& frame : frames)
        for (const auto& punkt : frame.Punkte)
            pruefen(punkt.Status == 0 && punkt.Farbe >= -1 && punkt.Farbe <= sw::kFarbObergrenze);
    return 0;
}
