#include "Anlage.h"
#include "devices/netz/EtherDreamEmulator.h"
#include "devices/netz/EtherDreamStrom.h"
#include "devices/netz/IdnEmulator.h"
#include "devices/netz/Strom.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>
#include <thread>

using namespace sw;
using namespace sw::etherdream;
using sw::test::Anlage;

namespace {

std::uint16_t freierPort() {
    netz::UdpSocket s;
    s.binden("127.0.0.1", 0);
    return s.lokalerPort();
}

// A lit circle of `anzahl` points; 40 points make the small figure.
std::vector<sw::Punkt> kreis(int anzahl, std::int32_t farbe) {
    std::vector<sw::Punkt> p;
    for (int k = 0; k < anzahl; ++k) {
        const double w = 6.283185307179586 * k / anzahl;
        p.push_back({static_cast<std::int16_t>(12000 * std::cos(w)),
                     static_cast<std::int16_t>(12000 * std::sin(w)), farbe, 0});
    }
    return p;
}

// An Ether Dream and an IDN receiver on loopback, and an emulated Lumax, found at start-up.
struct NetzAnlage {
    std::uint16_t broadcastPort = freierPort();
    emu::EtherDreamEmulator::Optionen o;
    std::unique_ptr<emu::EtherDreamEmulator> ed;
    emu::IdnEmulator::Optionen io;
    std::unique_ptr<emu::IdnEmulator> idn;
    std::vector<std::uint8_t> letzterIdnFrame;
    test::Kratzordner tmp;
    std::unique_ptr<Anlage> t;
    std::vector<std::uint8_t> letzterFrame; // the pipeline's last frame for the Ether Dream

    explicit NetzAnlage(
        std::function<void(const etherdream::Punkt&, double)> beiAusgabe = {},
        std::function<void(const std::vector<idn::Sample>&, double)> beiFrame = {}) {
        o.broadcastZiel = {"127.0.0.1", broadcastPort};
        // The emulated devices keep their own pace, as real ones with their own processors.
        o.echtzeit = io.echtzeit = true;
        o.beiAusgabe = std::move(beiAusgabe);
        io.beiFrame = std::move(beiFrame);
        ed = std::make_unique<emu::EtherDreamEmulator>(o);
        idn = std::make_unique<emu::IdnEmulator>(io);
        Netzeinstellungen n = Anlage::ohneNetz();
        n.idnPort = idn->port();
        n.etherDreamBroadcastPort = broadcastPort;
        n.etherDreamTcpPort = ed->tcpPort();
        n.suchen = true;
        t = std::make_unique<Anlage>("lumax:1", n);
        // Start-up does not wait; the first broadcast comes within a second.
        geraeteAbwarten(t->g, t->u.env, 3000, [this] {
            return geraetNachName(t->g, "Ether Dream 102030") >= 0 &&
                   geraetNachName(t->g, "IDN IDN-Emu") >= 0;
        });
        t->u.log.oeffnen(tmp / "log.txt");
        t->dac->gesendet = [this](int d, Geraetetyp, int, int, const std::uint8_t* daten,
                                  std::size_t bytes) {
            if (d == 0) letzterFrame.assign(daten, daten + bytes);
            if (d == 2) letzterIdnFrame.assign(daten, daten + bytes);
        };
    }
    void spielen(double sekunden) { t->spielen(sekunden); }
    std::size_t logZeilen(const std::string& text) {
        t->u.log.schliessen();
        return test::vorkommen(test::leseDatei(tmp / "log.txt"), text);
    }
    void starten() { t->starten(); }
    // Ether Dream on 0, Lumax on 1, IDN on 2, playing the small figure.
    void dreiGeraete() {
        t->zuordnen(0, "Ether Dream 102030", 30000);
        t->zuordnen(1, "Lumax Emu 1", 20000);
        t->zuordnen(2, "IDN IDN-Emu", 30000);
        t->figur(kreis(40, 4095));
        starten();
    }
    // Figure 2 holds `zweite`, to be started during play.
    void zweiteFigur(const std::vector<sw::Punkt>& zweite) {
        FigurenErweitern(t->s, 2);
        Figur f;
        f.Frames[0].Punkte.insert(f.Frames[0].Punkte.end(), zweite.begin(), zweite.end());
        t->s.Figuren[2] = f;
    }
};

} // namespace

// Thirty seconds of real time at 30,000 points per second through the pipeline.
TEST(NetzGeraete, FoundStreamedAndBlankedThroughThePipeline) {
    std::mutex m;
    std::vector<std::vector<idn::Sample>> idnFrames; // every distinct frame the receiver got
    NetzAnlage a({}, [&](const std::vector<idn::Sample>& f, double) {
        std::lock_guard l(m);
        if (std::find(idnFrames.begin(), idnFrames.end(), f) == idnFrames.end())
            idnFrames.push_back(f);
    });
    auto& t = *a.t;
    const int index = geraetNachName(t.g, "Ether Dream 102030");
    ASSERT_GE(index, 0);
    // Frames never exceed what the DAC's buffer holds, as its broadcast tells.
    EXPECT_EQ(t.g.Geraeteliste[static_cast<std::size_t>(index)].MaxFrameSize, 1799);
    a.dreiGeraete();
    a.spielen(30);
    // The IDN receiver holds the pipeline's frame.
    ASSERT_FALSE(a.letzterIdnFrame.empty());
    std::vector<idn::Sample> idnFrame;
    for (std::size_t k = 0; k < a.letzterIdnFrame.size(); k += idn::kSampleBytes)
        idnFrame.push_back(idn::sampleLesen(a.letzterIdnFrame.data() + k));
    EXPECT_EQ(a.idn->letzterFrame(), idnFrame);
    EXPECT_TRUE(a.idn->kanalOffen());
    const auto* strom = t.dac->laufenderStrom(0);
    ASSERT_NE(strom, nullptr);
    EXPECT_FALSE(strom->gestoert());
    AbspielenStoppen(*t.a);
    EXPECT_EQ(t.dac->laufenderStrom(0), nullptr);

    // The close goes out as a datagram: the receiver's thread takes it a moment later.
    EXPECT_TRUE(test::warteBis([&] { return a.idn->schliessungen() == 1; }, 2));
    EXPECT_FALSE(a.idn->kanalOffen());
    EXPECT_EQ(std::tuple(a.idn->folgeLuecken(), a.idn->zeitueberschreitungen(),
                         a.idn->falscheKonfig(), a.ed->unterlaeufe()),
              std::tuple(0, 0, 0, 0));
    EXPECT_GE(a.idn->konfigurationen(), 30 * 4); // the configuration every 200 ms or so
    for (const auto& p : a.idn->letzterFrame()) EXPECT_TRUE(idn::dunkel(p));
    // Every frame the receiver got was the pipeline's frame, but for the dark one at the end.
    std::lock_guard l(m);
    ASSERT_EQ(idnFrames.size(), 2u);
    EXPECT_EQ(idnFrames[0], idnFrame);
    EXPECT_EQ(a.ed->wiedergabe(), Wiedergabe::Leerlauf);
    EXPECT_TRUE(dunkel(a.ed->letzterAusgegeben()));
    // What the DAC received is the pipeline's frame, over and over.
    ASSERT_FALSE(a.letzterFrame.empty());
    std::vector<etherdream::Punkt> frame;
    for (std::size_t k = 0; k < a.letzterFrame.size(); k += kPunktBytes)
        frame.push_back(punktLesen(a.letzterFrame.data() + k));
    const auto empfangen = a.ed->empfangen();
    std::size_t k = 0;
    while (k < empfangen.size() && !(empfangen[k] == frame[0])) ++k;
    std::size_t wiederholt = 0;
    for (; k + frame.size() <= empfangen.size(); k += frame.size()) {
        if (!std::equal(frame.begin(), frame.end(), empfangen.begin() + static_cast<long>(k)))
            break;
        wiederholt += frame.size();
    }
    EXPECT_GT(wiederholt, empfangen.size() * 9 / 10);
    EXPECT_GT(wiederholt, 850000u);
}

TEST(NetzGeraete, ALostDeviceIsReportedOnceWhileTheOthersPlayOn) {
    NetzAnlage a;
    auto& t = *a.t;
    a.dreiGeraete();
    a.spielen(0.5);
    const std::uint16_t port = a.ed->tcpPort();
    a.ed.reset(); // power lost
    const long lumaxVorher = t.lumax().geraete[0].frames;
    const long idnVorher = a.idn->frames();
    a.spielen(2.5);
    EXPECT_TRUE(t.dac->gestoert(0));
    EXPECT_FALSE(t.dac->gestoert(2));
    EXPECT_GT(t.lumax().geraete[0].frames, lumaxVorher + 20);
    EXPECT_GT(a.idn->frames(), idnVorher + 20);

    const std::uint16_t idnPort = a.idn->port();
    a.idn.reset();
    a.spielen(2);
    EXPECT_TRUE(t.dac->gestoert(2));
    a.io.port = idnPort;
    a.idn = std::make_unique<emu::IdnEmulator>(a.io);

    a.o.tcpPort = port;
    a.ed = std::make_unique<emu::EtherDreamEmulator>(a.o);
    a.spielen(2.5);
    EXPECT_FALSE(t.dac->gestoert(0));
    EXPECT_FALSE(t.dac->gestoert(2));
    EXPECT_GT(a.ed->ausgegeben(), 10000);
    EXPECT_GT(a.idn->frames(), 20);
    AbspielenStoppen(*t.a);
    EXPECT_TRUE(test::warteBis([&] { return a.idn->schliessungen() == 1; }, 2));
    EXPECT_TRUE(dunkel(a.ed->letzterAusgegeben()));
    for (std::string geraet : {"(Ether Dream 102030) antwortet ", "(IDN IDN-Emu) antwortet "})
        for (const char* wie : {"nicht", "wieder"})
            EXPECT_EQ(a.logZeilen(geraet + wie), 1u) << geraet << wie;
}

namespace {

// The output cycle stops for 300 ms in the middle of a 3-second stream (a stalled cycle on a
// busy machine). The streaming thread must keep the device fed with the current frame, count
// the repeats, and play the new figure started right after the stall.
void stillstand(bool etherDream) {
    std::mutex m;
    std::vector<double> gruen; // when the emulators got green (figure 2) points or frames
    std::atomic<long> inDerPause{0};
    std::atomic<double> pauseVon{1e9}, pauseBis{1e9};
    NetzAnlage a(
        [&](const etherdream::Punkt& p, double s) {
            if (s >= pauseVon && s < pauseBis && (p.r != 0 || p.g != 0)) ++inDerPause;
            if (p.r == 0 && p.g != 0) {
                std::lock_guard l(m);
                if (gruen.empty()) gruen.push_back(s);
            }
        },
        [&](const std::vector<idn::Sample>& f, double s) {
            const auto rot = [](const idn::Sample& x) { return x.r != 0; };
            const auto gruenerPunkt = [](const idn::Sample& x) { return x.g != 0 && x.r == 0; };
            if (s >= pauseVon && s < pauseBis && std::any_of(f.begin(), f.end(), rot)) ++inDerPause;
            if (std::any_of(f.begin(), f.end(), gruenerPunkt)) {
                std::lock_guard l(m);
                if (gruen.empty()) gruen.push_back(s);
            }
        });
    auto& t = *a.t;
    const int geraet = etherDream ? 0 : 2;
    t.zuordnen(geraet, etherDream ? "Ether Dream 102030" : "IDN IDN-Emu", 30000);
    // 600 points: a pass takes 20 ms, so in steady play every pass has a new frame.
    t.figur(kreis(600, 0xF00));
    a.zweiteFigur(kreis(600, 0x0F0));
    auto uhr = [&] { return etherDream ? a.ed->sekunden() : a.idn->sekunden(); };
    a.starten();
    a.spielen(1.2);
    const auto* strom = t.dac->laufenderStrom(geraet);
    ASSERT_NE(strom, nullptr);
    const long vorher = strom->wiederholungen();
    pauseVon = uhr();
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // the cycle is blocked
    pauseBis = uhr();
    const long waehrend = strom->wiederholungen() - vorher;
    const double ausloeser = uhr();
    FigurStarten(*t.a, t.s, 0, 2, t.a->JetztMs);
    a.spielen(1.5);
    EXPECT_FALSE(strom->gestoert());
    EXPECT_EQ(strom->unterlaeufe(), 0);
    AbspielenStoppen(*t.a);

    // About 15 passes of 20 ms went by without a new frame; each repeated the current one.
    EXPECT_GE(waehrend, 10);
    EXPECT_LE(waehrend, 20);
    if (etherDream) {
        EXPECT_EQ(a.ed->unterlaeufe(), 0);
        EXPECT_GT(inDerPause.load(), 0.25 * 30000); // lit points went on flowing
        EXPECT_TRUE(dunkel(a.ed->letzterAusgegeben()));
    } else {
        EXPECT_EQ(
            std::tuple(a.idn->unterlaeufe(), a.idn->folgeLuecken(), a.idn->zeitueberschreitungen()),
            std::tuple(0, 0, 0));
        EXPECT_GE(inDerPause.load(), 10); // the lit frame kept coming
        EXPECT_TRUE(test::warteBis([&] { return a.idn->schliessungen() == 1; }, 2));
    }
    // The show goes on where the cycle is back: the new figure is out within 100 ms (this is
    // also the trigger-to-first-point check), and not before it was started.
    std::lock_guard l(m);
    ASSERT_EQ(gruen.size(), 1u);
    EXPECT_GT(gruen[0], ausloeser);
    EXPECT_LT(gruen[0] - ausloeser, 0.1);
}

} // namespace

TEST(NetzGeraete, AStalledCycleNeverStarvesAnEtherDreamOrAnIdnReceiver) {
    for (bool etherDream : {true, false}) {
        SCOPED_TRACE(etherDream ? "Ether Dream" : "IDN");
        stillstand(etherDream);
    }
}

// The buffer target is logged per device when it changes; a refused real-time request once.
TEST(NetzGeraete, BufferTargetAndRefusedRealTimeAreLogged) {
    const int prioritaet = Strom::echtzeitPrioritaet;
    Strom::echtzeitPrioritaet = 1000; // no scheduler takes this: the request is refused
    NetzAnlage a;
    auto& t = *a.t;
    a.dreiGeraete();
    a.spielen(0.6);
    Strom::echtzeitPrioritaet = prioritaet;
    for (int d : {0, 2}) {
        const auto* s = t.dac->laufenderStrom(d);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->echtzeit(), -1);
        EXPECT_GE(s->pufferziel(), 0.010);
        EXPECT_LE(s->pufferziel(), 0.050);
        EXPECT_GT(s->pufferfuellung(), 0.0);
        EXPECT_LE(s->pufferfuellung(), s->pufferziel() + 0.005);
    }
    AbspielenStoppen(*t.a);
    for (const char* zeile : {"-Threads nicht erlaubt (", "(Ether Dream 102030) Pufferziel ",
                              "(IDN IDN-Emu) Pufferziel "})
        EXPECT_EQ(a.logZeilen(zeile), 1u) << zeile;
}
