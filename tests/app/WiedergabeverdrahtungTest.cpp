#include "app/Wiedergabeverdrahtung.h"
#include "Startumgebung.h"
#include "live/Tastatur.h"

using namespace sw;

// The output cycle dispatches the timeline on the media clock, and a key pressed while
// recording reaches the timeline at its media time only when playback stops.
TEST(Wiedergabeverdrahtung, DispatchInTheOutputCycleAndRecordingThroughTheKeyboard) {
    test::Startumgebung s;
    auto p = s.programm();
    auto eigeneMedien = std::make_unique<FakeMedien>();
    FakeMedien& medien = *eigeneMedien;
    p->medien = std::move(eigeneMedien);
    p->sequenzer.undo.ordner = s.tmp.pfad();
    medien.laenge = 60;
    test::schreibeDatei(s.tmp / "lied.mp3", "ID3");
    ASSERT_TRUE(medien.DS_OpenFile((s.tmp / "lied.mp3").string(), {}));
    p->sequenzer.Medienlaenge = 60'000;
    p->sequenzer.Events = {SeqEvent{}, SeqEvent{1000, 0, 19 * 2 + 19, 175, 1, 77}};
    std::vector<std::pair<double, int>> gesendet;
    WiedergabeZustand w;
    WiedergabeKontext k{w, p->sequenzer, medien, p->env, {}};
    wiedergabeVerdrahten(*p, k);
    k.teile.gesendetBeobachter = [&](double zeit, const SeqEvent& e) {
        gesendet.push_back({zeit, e.value});
    };
    w.checkRecordMidi = true;
    // What an earlier show left on a group is cleared by the start.
    p->figuren.SpurAuswahl[3].Figur = 2;
    p->ausgabe->Effekt.EffektWerte[3][0] = 50;
    Play_Click(k);
    EXPECT_EQ(p->figuren.SpurAuswahl[3].Figur, -1);
    EXPECT_EQ(p->ausgabe->Effekt.EffektWerte[3][0], 127);
    auto& a = *p->ausgabe;
    AbspielenStarten(a, p->env);
    for (int i = 0; i < 60; ++i) {
        s.uhr.vorstellen(0.02);
        medien.weiter(20);
        AbspielenDurchlauf(a, p->figuren, p->paletten, p->env);
    }
    ASSERT_EQ(gesendet.size(), 1u);
    EXPECT_NEAR(gesendet[0].first, 1000, 1e-6);
    EXPECT_NEAR(a.JetztMs, 1200, 1e-6) << "the output's clock is the media position";

    auto lk = p->liveKontext();
    p->live.armiert[20] = true;
    PC_Keyboard_Message(lk, 143, 66, 66, 20, true);
    EXPECT_EQ(sequenz::anzahl(p->sequenzer.Events), 1) << "not before the stop";
    wiedergabeAnhalten(k, true);
    AbspielenStoppen(a);
    ASSERT_EQ(sequenz::anzahl(p->sequenzer.Events), 2);
    EXPECT_NEAR(p->sequenzer.Events[2].start, 1200, 1e-6);
    EXPECT_EQ(p->sequenzer.Events[2].track, 20);
    EXPECT_FALSE(p->live.aufnahme);
    wiedergabeTrennen(*p);
    EXPECT_FALSE(a.Medienzeit);
}
