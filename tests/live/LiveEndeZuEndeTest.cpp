// A live performance scripted end to end: a ".live" file loaded, keys pressed on two pages,
// the output cycle's devices showing the figures of the right tracks, space blacking out.

#include "LiveTestHilfe.h"
#include "live/LiveDateien.h"
#include "live/LiveTasten.h"

using namespace sw;
using sw::test::LiveUmgebung;

namespace {

// Collects every point the devices receive in a cycle.
struct Geraetepunkte : Geraeteschreiber {
    std::array<std::vector<Ausgabepunkt>, kGeraete> punkte;
    void punkt(int g, const Ausgabepunkt& p) override {
        punkte[static_cast<std::size_t>(g)].push_back(p);
    }
    long hell(int g) const {
        long n = 0;
        for (const auto& p : punkte[static_cast<std::size_t>(g)])
            if (p.R + p.G + p.B > 0) ++n;
        return n;
    }
};

} // namespace

TEST(LiveEndeZuEnde, TastenAufZweiSeitenSpielenAufIhrenSeitenUndLeertasteLoeschtAlles) {
    LiveUmgebung t;
    Paletten paletten;
    Geraetepunkte geraete;
    auto& a = *t.a;
    // Device d takes side d: side 0 shows tracks 0 to 2, side 1 tracks 3 to 5, side 2 6 to 8.
    a.Schreiber[geraetetyp::VirtuellesGeraet] = &geraete;
    for (int d = 0; d < 3; ++d) {
        a.Geraetetyp[static_cast<std::size_t>(d)] = geraetetyp::VirtuellesGeraet;
        a.SpurZuordnung[static_cast<std::size_t>(d)][static_cast<std::size_t>(d)] = true;
    }
    ausgabeVorbereiten(a, paletten);
    a.Uhr.passdauer = 20;

    // Page 0: "A" shows on group 0; page 1: "A" shows on groups 3 and 6.
    LiveShow show;
    show.name = "Abend";
    auto& seite1 = show.tasten[250 + 65];
    seite1[0] = 0;
    seite1[3] = seite1[6] = -1;
    test::schreibeDatei(t.ordner / "abend.live", liveShowKodieren(show));
    t.live.keyTable[65] = 1;
    t.live.keyTable[250 + 65] = 2;
    ASSERT_TRUE(LiveShowladen(t.k, t.ordner / "abend.live"));
    EXPECT_EQ(t.live.fenster.show.name, "Abend");

    auto zyklus = [&] {
        for (auto& p : geraete.punkte) p.clear();
        Ausgabezyklus(a, t.s, paletten, t.u.env);
    };

    Form_KeyDown(t.k, 65);
    Form_KeyUp(t.k, 65);
    Form_KeyDown(t.k, 112); // F1
    Form_KeyDown(t.k, 65);
    Form_KeyUp(t.k, 65);
    EXPECT_EQ(t.figurenAuf({0, 3, 6, 1}), (std::vector<int>{1, 2, 2, -1}));
    zyklus();
    EXPECT_GT(geraete.hell(0), 0);
    EXPECT_GT(geraete.hell(1), 0);
    EXPECT_GT(geraete.hell(2), 0);
    // The figures stand at X = 5000 (figure 1) and 10000 (figure 2) before the geometry: each
    // device's lit points lie on its own figure's side of 7500.
    auto mittleresX = [&](int d) {
        double summe = 0;
        long n = 0;
        for (const auto& p : geraete.punkte[static_cast<std::size_t>(d)])
            if (p.R + p.G + p.B > 0) {
                summe += p.X;
                ++n;
            }
        return summe / static_cast<double>(n);
    };
    EXPECT_LT(mittleresX(0), mittleresX(1));
    EXPECT_DOUBLE_EQ(mittleresX(1), mittleresX(2));

    Form_KeyDown(t.k, 32); // space, on page 1
    for (int g = 0; g < 12; ++g) EXPECT_EQ(t.figurAuf(g), -1);
    zyklus();
    for (int d = 0; d < 3; ++d) EXPECT_EQ(geraete.hell(d), 0) << d;
}
