#include "devices/Stromantworten.h"
#include "devices/usb/HeliosProtokoll.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {

std::array<std::uint8_t, etherdream::kAntwortBytes> antwort(char a, char befehl,
                                                            std::uint8_t wiedergabe = 2) {
    etherdream::Status s;
    s.wiedergabe = static_cast<etherdream::Wiedergabe>(wiedergabe);
    s.pufferFuellung = 500;
    return etherdream::antwortSchreiben({a, befehl, s});
}

} // namespace

TEST(Stromantworten, EtherDreamTakesOnlyAnAnswerToTheCommandSent) {
    using Art = etherdream::Antwortfolge::Art;
    auto z = antwort('a', 'd');
    auto f = etherdream::antwortAuswerten(z.data(), z.size(), 'd');
    EXPECT_EQ(f.art, Art::Angenommen);
    EXPECT_EQ(f.status.pufferFuellung, 500);
    z = antwort('F', 'd');
    EXPECT_EQ(etherdream::antwortAuswerten(z.data(), z.size(), 'd').art, Art::Abgelehnt);
    // An answer to another command, a short one, an unknown response byte or playback state.
    struct Fall { char a; std::uint8_t wiedergabe; std::size_t kuerzer; char gesendet; };
    for (const Fall& c : {Fall{'a', 2, 0, 'd'}, Fall{'a', 2, 1, 'p'}, Fall{'x', 2, 0, 'p'},
                          Fall{'a', 3, 0, 'p'}}) {
        z = antwort(c.a, 'p', c.wiedergabe);
        f = etherdream::antwortAuswerten(z.data(), z.size() - c.kuerzer, c.gesendet);
        EXPECT_EQ(f.art, Art::Stoerung) << c.a << int(c.wiedergabe) << c.kuerzer << c.gesendet;
    }
    EXPECT_EQ(f.grund, "unknown playback state 3");
}

TEST(Stromantworten, IdnCountsOnlyAnswersToTheLatestPings) {
    std::uint8_t d[idn::kKopfBytes];
    idn::kopfSchreiben({idn::kPingAntwort, 0, 65535}, d);
    EXPECT_TRUE(idn::pingBeantwortet(d, sizeof d, 0)); // across the wrap of the numbers
    EXPECT_TRUE(idn::pingBeantwortet(d, sizeof d, idn::kOffenePings - 1));
    EXPECT_FALSE(idn::pingBeantwortet(d, sizeof d, 65535));             // not sent yet
    EXPECT_FALSE(idn::pingBeantwortet(d, sizeof d, idn::kOffenePings)); // too old
    EXPECT_FALSE(idn::pingBeantwortet(d, sizeof d - 1, 0));
    idn::kopfSchreiben({idn::kScanAntwort, 0, 65535}, d);
    EXPECT_FALSE(idn::pingBeantwortet(d, sizeof d, 0));
}

TEST(Stromantworten, HeliosIsReadyOnlyOnItsStatusAnswer) {
    using helios::Statusfolge;
    std::uint8_t d[32] = {0x83, 1};
    EXPECT_EQ(helios::statusAuswerten(d, 2, sizeof d), Statusfolge::Bereit);
    EXPECT_EQ(helios::statusAuswerten(d, 1, sizeof d), Statusfolge::Beschaeftigt);
    EXPECT_EQ(helios::statusAuswerten(d, -1, sizeof d), Statusfolge::Stoerung);
    EXPECT_EQ(helios::statusAuswerten(d, 33, sizeof d), Statusfolge::Stoerung);
    d[0] = 0x85; // a late answer to the name request
    EXPECT_EQ(helios::statusAuswerten(d, 32, sizeof d), Statusfolge::Beschaeftigt);
    d[0] = 0x83;
    d[1] = 0;
    EXPECT_EQ(helios::statusAuswerten(d, 2, sizeof d), Statusfolge::Beschaeftigt);
}
