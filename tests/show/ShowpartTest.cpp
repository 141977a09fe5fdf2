#include "SequenzBauer.h"
#include "TestHilfe.h"
#include "platform/Binaer.h"
#include "show/ShowpartErzeugen.h"

using namespace sw;
using sw::test::ev;

namespace {

Showpart beispiel() {
    Showpart p;
    p.events = {ev(0, 0), ev(0, 1, 143, 4, 4, 250), ev(250, 2, 127, -4, 300, 1000)};
    p.name = "Größe";
    p.laenge = 250;
    return p;
}

} // namespace

TEST(Showpart, FileLayoutAndRoundTrip) {
    const std::string bytes = showpartKodieren(beispiel());
    // N, version 0, the array header (1 dimension, 3 elements from 0), 3 records, the name
    // in Windows-1252, the length.
    ASSERT_EQ(bytes.size(), 4u + 1 + 10 + 3 * 22 + 2 + 5 + 8);
    EXPECT_EQ(test::hex(bytes, 15), "02 00 00 00 00 01 00 03 00 00 00 00 00 00 00");
    EXPECT_EQ(bytes.substr(4 + 1 + 10 + 66, 7), std::string("\x05\0Gr\xF6\xDF"
                                                            "e",
                                                            7));
    EXPECT_EQ(showpartDekodieren(bytes), beispiel());

    test::Kratzordner tmp;
    test::TestUmgebung u;
    std::vector<Showpart> liste;
    ASSERT_TRUE(SaveShowpart({beispiel()}, 0, u.env, tmp / "a.prt"));
    ASSERT_TRUE(LoadShowpart(liste, 3, u.env, tmp / "a.prt"));
    ASSERT_EQ(liste.size(), 4u); // grown to hold the index
    EXPECT_EQ(liste[3], beispiel());
    EXPECT_EQ(test::leseDatei(tmp / "a.prt"), bytes);
}

TEST(Showpart, TruncatedOrCorruptFilesLeaveTheListAsItWas) {
    test::Kratzordner tmp;
    test::TestUmgebung u;
    const std::string bytes = showpartKodieren(beispiel());
    std::vector<Showpart> liste = {beispiel()};
    const auto vorher = liste;
    for (std::size_t laenge = 0; laenge < bytes.size(); ++laenge) {
        test::schreibeDatei(tmp / "k.prt", bytes.substr(0, laenge));
        u.dialoge.meldungen.clear();
        EXPECT_FALSE(LoadShowpart(liste, 5, u.env, tmp / "k.prt")) << laenge;
        EXPECT_EQ(liste, vorher);
        ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
        EXPECT_NE(u.dialoge.meldungen[0].find("k.prt"), std::string::npos);
    }
    EXPECT_NE(u.dialoge.details.back().find(" 75. frmSequenzer    sub Loadshowpart    "),
              std::string::npos);
    // An array header that disagrees with the count, and a count beyond the file.
    for (auto [stelle, wert] : {std::pair{7, 4}, {3, 0x70}, {4, 1}}) { // and a version 1
        std::string b = bytes;
        b[stelle] = static_cast<char>(wert);
        EXPECT_THROW(showpartDekodieren(b), Formatfehler) << stelle;
    }
}

TEST(Showpart, CreatingOneFromTheMarkedEvents) {
    test::Kratzordner tmp;
    test::TestUmgebung u;
    Sequenzer s;
    s.showOrdner = tmp.pfad();
    s.Events = {ev(0, 0), ev(1000, 1, 143, 1), ev(1500, 2, 143, 2), ev(4000, 1, 143, 3)};
    s.markiert = {2, 3};
    int aktualisiert = 0;
    s.figurenlisteAktualisieren = [&] { ++aktualisiert; };
    // Declined: nothing.
    u.dialoge.antworten = {Antwort::Nein};
    EXPECT_FALSE(mnuErzeugen_Click(s, u.env));
    EXPECT_TRUE(s.Showparts.empty());
    // A name with an umlaut is refused and asked again; cancelling keeps the list.
    u.dialoge.antworten = {Antwort::Ja};
    u.dialoge.dateinamen = {(tmp / "Größe.prt").string()};
    EXPECT_FALSE(mnuErzeugen_Click(s, u.env));
    EXPECT_TRUE(s.Showparts.empty());
    EXPECT_EQ(u.dialoge.dateiDialoge.back().dateiname, "Groesse.prt");
    u.dialoge.antworten = {Antwort::Ja};
    u.dialoge.dateinamen = {(tmp / "Groesse").string()};
    ASSERT_EQ(mnuErzeugen_Click(s, u.env), std::optional<long>(0));
    EXPECT_EQ(aktualisiert, 1);
    const Showpart& p = s.Showparts[0];
    EXPECT_EQ(std::tuple(p.name, p.laenge), std::tuple("Groesse", 2500.0));
    // times count from the first copied event
    EXPECT_EQ(p.events,
              (EventListe{p.events[0], ev(0, 2, 143, 2, 0, 2500), ev(2500, 1, 143, 3, 0, 2500)}));
    std::vector<Showpart> geladen;
    ASSERT_TRUE(LoadShowpart(geladen, 0, u.env, tmp / "Groesse.prt"));
    EXPECT_EQ(geladen[0], p);
}
