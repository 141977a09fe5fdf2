#include "show/SequenzOffTime.h"
#include "SequenzBauer.h"

#include <gtest/gtest.h>
#include <random>

using namespace sw;
using sw::test::ev;

namespace {

// The rule as the program states it, searching forward from every event: the reference the
// linear pass must agree with.
void offTimesQuadratisch(EventListe& e, double medienlaenge) {
    const long n = sequenz::anzahl(e);
    for (long i = 1; i <= n - 1; ++i) {
        const int t = e[i].track;
        const bool mitF = t % 19 != 0;
        const int f = 19 * ((t - 1) / 19) + 1;
        for (long j = i + 1; j <= n; ++j)
            if (e[j].track == t || (mitF && e[j].track == f)) {
                e[i].off = e[j].start;
                break;
            }
    }
    if (n >= 1) e[n].off = medienlaenge;
    for (long i = 1; i <= n - 1; ++i)
        if (e[i].off < e[i].start) e[i].off = medienlaenge;
}

} // namespace

TEST(SequenzOffTime, TheWorkedExamples) {
    // Track 2 at 1000 ms is ended by track 1 at 3000 ms; track 19 at 1500 ms is not.
    const auto offs = [](const EventListe& l) {
        std::vector<double> o;
        for (std::size_t i = 1; i < l.size(); ++i) o.push_back(l[i].off);
        return o;
    };
    // Nothing after the third on track 1; the last event ends at the media length.
    EventListe e = {ev(0, 0), ev(1000, 2), ev(1500, 19), ev(3000, 1), ev(4000, 19)};
    Sequenz_EventOffTime_Ermitteln(e, 60000);
    EXPECT_EQ(offs(e), (std::vector<double>{3000, 4000, 60000, 60000}));
    // Another group's first row does not end it; an event with no successor keeps its time,
    // unless that lies before its start.
    EventListe g = {ev(0, 0), ev(100, 21, 143, 0, 0, 150), ev(200, 1), ev(300, 5, 143, 0, 0, 10),
                    ev(400, 3)};
    Sequenz_EventOffTime_Ermitteln(g, 5000);
    EXPECT_EQ(offs(g), (std::vector<double>{150, 5000, 5000, 5000}));
    // A single event, and element 0 alone.
    EventListe eins = {ev(0, 0), ev(10, 4)};
    Sequenz_EventOffTime_Ermitteln(eins, 777);
    EXPECT_EQ(eins[1].off, 777);
    EventListe leer = {ev(0, 0)};
    Sequenz_EventOffTime_Ermitteln(leer, 777);
    EXPECT_EQ(leer[0].off, 0);
}

TEST(SequenzOffTime, LinearPassAgreesWithTheRuleOnRandomSequences) {
    std::mt19937 zufall(14);
    for (int runde = 0; runde < 20; ++runde) {
        const int n = 2000 + runde * 250;
        // Few tracks in some rounds (many successors), all 256 in others, times with repeats.
        const int spuren = runde % 3 == 0 ? 40 : runde % 3 == 1 ? 229 : 256;
        std::uniform_int_distribution<int> spur(0, spuren - 1);
        std::uniform_int_distribution<int> zeit(0, n * 3);
        std::uniform_real_distribution<double> alt(-1000, n * 4.0);
        EventListe e(static_cast<std::size_t>(n) + 1);
        for (int i = 1; i <= n; ++i) e[i] = ev(zeit(zufall), spur(zufall), 143, i, i, alt(zufall));
        sequenzSortieren(e);
        EventListe referenz = e;
        offTimesQuadratisch(referenz, n * 3.5);
        Sequenz_EventOffTime_Ermitteln(e, n * 3.5);
        ASSERT_EQ(e, referenz) << "round " << runde;
    }
}

TEST(SequenzOffTime, SortingIsStableAndCarriesFlags) {
    EventListe e = {ev(9, 9),           ev(300, 1, 143, 1), ev(100, 2, 143, 2),
                    ev(300, 3, 143, 3), ev(100, 4, 143, 4), ev(std::nan(""), 5, 143, 5)};
    std::vector<char> flags = {0, 1, 0, 0, 1, 0};
    sequenzSortieren(e, &flags);
    std::vector<int> keys;
    for (std::size_t i = 1; i < e.size(); ++i) keys.push_back(e[i].key);
    EXPECT_EQ(keys, (std::vector<int>{2, 4, 1, 3, 5}));
    EXPECT_EQ(flags, (std::vector<char>{0, 0, 1, 1, 0, 0}));
    EXPECT_EQ(e[0], ev(9, 9)); // element 0 stays where it is
}
