#include "CliLauf.h"
#include "live/KeyTable.h"
#include "live/LiveShow.h"
#include "live/MidiRouting.h"
#include "show/SequenzDatei.h"
#include "show/ShowDatei.h"

using namespace sw;
using sw::test::cli;
using sw::test::Kratzordner;
using sw::test::q;
using sw::test::scheitert;
using sw::test::schreibeDatei;

TEST(CliLive, InfoPrintsLiveShowsRoutingKeyOrderAndMaps) {
    Kratzordner tmp;
    LiveShow l;
    l.name = "Abend";
    l.tasten[250 + 65][2] = -1;
    l.tasten[250 + 65][kFeldLoesen] = -1;
    schreibeDatei(tmp / "a.live", liveShowKodieren(l));
    auto lauf = cli(tmp, "info " + q(tmp / "a.live"));
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "{\"kind\":\"live show\",\"name\":\"Abend\",\"second name\":\"\","
                        "\"count\":3250,\"keys\":[{\"index\":315,\"groups\":[0,2],"
                        "\"unused groups off\":false,\"release\":true,"
                        "\"effects\":[1,2,11,14,17]}]}\n");
    const std::string b = liveShowKodieren(l);
    schreibeDatei(tmp / "kurz.live", b.substr(0, 100));
    EXPECT_TRUE(scheitert(cli(tmp, "info " + q(tmp / "kurz.live")),
                          "kurz.live: the live show is truncated or corrupt"));

    MidiRouting r;
    MidiRoutingEintrag e{144, 0, 0, 1, {}, 0};
    e.gruppen[1] = true;
    r.eintraege = {e};
    schreibeDatei(tmp / "r.MidiInMap", midiRoutingKodieren(r));
    lauf = cli(tmp, "info " + q(tmp / "r.MidiInMap"));
    EXPECT_EQ(lauf.aus, "{\"kind\":\"midi routing\",\"version\":1,\"live channel\":0,"
                        "\"timeline channel\":1,\"live input off\":false,"
                        "\"note off as velocity 0\":true,\"entries\":[{\"type\":144,"
                        "\"filter byte\":0,\"filter\":0,\"value byte\":1,\"groups\":[1],"
                        "\"row\":1}]}\n");

    schreibeDatei(tmp / "Key.ord", "####\r\n####\r\nb.qvb\r\n");
    lauf = cli(tmp, "info " + q(tmp / "Key.ord"));
    EXPECT_EQ(lauf.aus, "{\"kind\":\"key order\",\"count\":3,\"keys\":[{\"index\":2,\"page\":0,"
                        "\"key code\":2,\"name\":\"b.qvb\"}]}\n");

    TastenMaps m;
    m.midi(60, 1) = 65;
    m.dmx(255, 12) = 32;
    schreibeDatei(tmp / "Midi2Tasten.Mapping", midiMapKodieren(m));
    schreibeDatei(tmp / "DMX2Tasten.Mapping", dmxMapKodieren(m));
    lauf = cli(tmp, "info " + q(tmp / "Midi2Tasten.Mapping"));
    EXPECT_EQ(lauf.aus, "{\"kind\":\"midi key map\",\"entries\":[{\"note\":60,\"page\":1,"
                        "\"key code\":65}]}\n");
    lauf = cli(tmp, "info " + q(tmp / "DMX2Tasten.Mapping"));
    EXPECT_EQ(lauf.aus, "{\"kind\":\"dmx key map\",\"entries\":[{\"value\":255,\"page\":12,"
                        "\"key code\":32}]}\n");
    schreibeDatei(tmp / "DMX2Tasten.Mapping", std::string(100, '\0'));
    EXPECT_TRUE(scheitert(cli(tmp, "info " + q(tmp / "DMX2Tasten.Mapping")),
                          "the key mapping is truncated or corrupt"));
}

TEST(CliLive, CleanShowKeepsTheFiguresTheTimelineShowsThroughTheKeyTable) {
    Kratzordner tmp;
    const auto ordner = tmp / "Show";
    std::filesystem::create_directories(ordner);
    std::filesystem::create_directories(tmp / "daten");
    schreibeDatei(ordner / "Test.shw", showdateiKodieren({}));
    for (const char* d : {"a.qvb", "b.qvb", "c.qvb"}) schreibeDatei(ordner / d, d);
    // Key 65 shows b, key 66 c; the timeline presses 65 only (and releases 66).
    std::string keyOrd;
    for (int k = 0; k < 65; ++k) keyOrd += "####\r\n";
    schreibeDatei(ordner / "Key.ord", keyOrd + "b.qvb\r\nc.qvb\r\n");
    EventListe ev(3);
    ev[1] = SeqEvent{100, 0, 1, 143, 65, 65};
    ev[2] = SeqEvent{200, 0, 1, 127, 66, 66};
    schreibeDatei(ordner / "Test.seq", sequenzKodieren(ev));
    const std::string umgebung = "XDG_DATA_HOME=" + q(tmp / "daten");
    auto lauf = cli(tmp, "clean-show " + q(ordner / "Test.shw") + " --dry-run", umgebung);
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, (ordner / "a.qvb").string() + "\n" + (ordner / "c.qvb").string() + "\n");

    // Without Key.ord nothing the timeline might show is moved.
    std::filesystem::remove(ordner / "Key.ord");
    lauf = cli(tmp, "clean-show " + q(ordner / "Test.shw") + " --dry-run", umgebung);
    EXPECT_EQ(lauf.aus, "");
    // Nor with a timeline that cannot be read.
    schreibeDatei(ordner / "Key.ord", keyOrd + "b.qvb\r\nc.qvb\r\n");
    schreibeDatei(ordner / "Test.seq", "kaputt");
    lauf = cli(tmp, "clean-show " + q(ordner / "Test.shw") + " --dry-run", umgebung);
    EXPECT_EQ(lauf.aus, "");
    // Without a timeline nothing is used; without --dry-run it goes into the trash.
    std::filesystem::remove(ordner / "Test.seq");
    lauf = cli(tmp, "clean-show " + q(ordner / "Test.shw") + " --dry-run", umgebung);
    EXPECT_EQ(lauf.aus, (ordner / "a.qvb").string() + "\n" + (ordner / "b.qvb").string() + "\n" +
                            (ordner / "c.qvb").string() + "\n");
    EXPECT_TRUE(std::filesystem::exists(ordner / "a.qvb"));
    lauf = cli(tmp, "clean-show " + q(ordner / "Test.shw"), umgebung);
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_FALSE(std::filesystem::exists(ordner / "a.qvb"));
    EXPECT_EQ(test::leseDatei(tmp / "daten" / "Trash" / "files" / "a.qvb"), "a.qvb");
    EXPECT_TRUE(std::filesystem::exists(ordner / "Test.shw"));
    EXPECT_TRUE(std::filesystem::exists(ordner / "Key.ord"));
}
