#include "core/QvbFormat.h"
#include "QvbSchreiber.h"
#include "TestHilfe.h"
#include "platform/Binaer.h"

using namespace sw;
using sw::test::altesQvb;

namespace {

Figur neueFigur() {
    Figur f;
    f.Parameter[398] = 1.0;
    f.Parameter[303] = 2.0;
    return f;
}

Figur grosseFigur(int frames, int punkte) {
    Figur f;
    f.Frames.resize(static_cast<std::size_t>(frames));
    std::uint32_t z = 12345;
    for (auto& frame : f.Frames) {
        frame.Punkte.resize(static_cast<std::size_t>(punkte));
        for (auto& p : frame.Punkte) {
            z = z * 1103515245 + 12345;
            p = Punkt{static_cast<std::int16_t>(z >> 16), static_cast<std::int16_t>(z),
                      static_cast<std::int32_t>(z % 4369) - 1, static_cast<std::uint8_t>(z >> 24)};
        }
    }
    for (int i = 0; i < kParameterZahl; ++i)
        f.Parameter[static_cast<std::size_t>(i)] = i * 0.25 - 3;
    return f;
}

std::array<double, kParameterZahl> parameterMit(std::initializer_list<std::pair<int, double>> w) {
    std::array<double, kParameterZahl> p{};
    for (auto [i, v] : w) p[static_cast<std::size_t>(i)] = v;
    return p;
}

} // namespace

TEST(QvbFormat, NewFigureSavesTo3256BytesWithTheDocumentedStart) {
    std::string bytes = qvbKodieren(neueFigur());
    ASSERT_EQ(bytes.size(), 3256u);
    EXPECT_EQ(test::hex(bytes, 19), "0B 00 00 00 00 00 00 00 00 01 00 01 00 00 00 00 00 00 00");
    // point 0, then the parameter descriptor and the doubles with 398 = 1.0 at its place
    BinaerLeser l(bytes);
    l.ueberspringen(19 + 10 + 9);
    EXPECT_EQ((std::tuple{l.i16(), l.i32(), l.i32()}), std::tuple(1, 401, 0)); // read in order
    l.ueberspringen(398 * 8);
    EXPECT_EQ(l.f64(), 1.0);

    // frame and point upper bounds (not counts) lead the file
    Figur f;
    f.Frames.resize(2);
    f.Frames[0].Punkte.resize(2);
    f.Frames[1].Punkte.resize(5);
    const std::string zwei = qvbKodieren(f);
    BinaerLeser k(zwei);
    EXPECT_EQ(k.u8(), 11);
    for (std::int32_t grenze : {1, 1, 4}) EXPECT_EQ(k.i32(), grenze);
}

TEST(QvbFormat, LargeFiguresRoundTripUnchanged) {
    Figur f = grosseFigur(1000, 500);
    auto inhalt = qvbDekodieren(qvbKodieren(f));
    ASSERT_TRUE(inhalt);
    EXPECT_TRUE(inhalt->version == 11 && inhalt->figur == f);
}

TEST(QvbFormat, Version1ConvertsFrameDurationColoursAndStatus) {
    std::vector<std::vector<Punkt>> frames = {{{100, -200, 7, 0}, {-5, 5, 255, 0}}};
    auto inhalt = qvbDekodieren(altesQvb(1, frames, parameterMit({{400, 20}, {398, 1}})));
    ASSERT_TRUE(inhalt);
    EXPECT_EQ(inhalt->version, 1);
    const auto& P = inhalt->figur.Parameter;
    EXPECT_EQ(P[400], 2500.0); // CInt(1000 / 20) = 50, times 50
    // 398 set: status 3; the 8-bit colour read unsigned
    EXPECT_EQ(inhalt->figur.Frames[0].Punkte,
              (std::vector<Punkt>{{100, -200, 7, 3}, {-5, 5, 255, 3}}));
    // the upgrade steps below 7 to below 11 ran
    for (auto [i, v] :
         {std::pair{180, 1.0}, {182, 100.0}, {190, 654000.0}, {240, 100.0}, {20, 1.0}})
        EXPECT_EQ(P[i], v) << i;
}

TEST(QvbFormat, Versions2And3TakeStatus2WithoutRealTimeOptimisation) {
    for (int v : {2, 3}) {
        std::vector<std::vector<Punkt>> frames = {{{1, 2, 200, 0}}};
        auto inhalt = qvbDekodieren(altesQvb(v, frames, parameterMit({{400, 40}})));
        ASSERT_TRUE(inhalt) << v;
        EXPECT_EQ(inhalt->figur.Frames[0].Punkte[0], (Punkt{1, 2, 200, 2})) << v;
        EXPECT_EQ(inhalt->figur.Parameter[400], 2000.0) << v; // only times 50 after version 1
    }
    // a 32-bit colour of version 3 keeps its sign
    auto v3 = qvbDekodieren(altesQvb(3, {{{0, 0, -1, 0}}}, {}));
    EXPECT_EQ(v3->figur.Frames[0].Punkte[0].Farbe, -1);
}

TEST(QvbFormat, Version4KeepsStatusAndMultipliesFrameDuration) {
    std::vector<std::vector<Punkt>> frames = {{{3, 4, 4095, 11}}, {{5, 6, 1, 4}, {7, 8, 2, 0}}};
    auto inhalt = qvbDekodieren(altesQvb(4, frames, parameterMit({{400, 2}})));
    ASSERT_TRUE(inhalt);
    EXPECT_EQ(inhalt->figur.Parameter[400], 100.0);
    EXPECT_EQ(inhalt->figur.Frames[1].Punkte, frames[1]);
    EXPECT_EQ(qvbDekodieren(altesQvb(5, frames, parameterMit({{400, 2}})))->figur.Parameter[400],
              2.0);
}

TEST(QvbFormat, Version6CopyGridStepWithOldMirroredCopies) {
    auto inhalt = qvbDekodieren(
        altesQvb(6, {{{0, 0, 0, 0}}}, parameterMit({{165, 1.0}, {166, 300}, {183, 9}})));
    const std::vector<double> erwartet = {2, 1, 50, 600, 0, 1, 0};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(inhalt->figur.Parameter[180 + i], erwartet[i]) << i;
}

TEST(QvbFormat, Version8SetsTheEffectSettingDefaults) {
    auto inhalt = qvbDekodieren(altesQvb(8, {{{0, 0, 0, 0}}}, parameterMit({{260, -5}})));
    // 190 stays 0: the step below 8 did not run
    const std::pair<int, double> soll[] = {{241, 360}, {261, 0},   {254, 360}, {242, 1}, {262, -1},
                                           {282, 1},   {240, 100}, {260, 0},   {280, 1}, {190, 0}};
    for (auto [i, v] : soll) EXPECT_EQ(inhalt->figur.Parameter[i], v) << i;
}

TEST(QvbFormat, Version10CopiesCurrentEffectValuesAfterTheBaseValueStep) {
    auto p = parameterMit({{0, 50}, {140, 70}, {120, 1}, {3, 8}, {143, 9}, {240, 250}, {260, -2}});
    auto inhalt = qvbDekodieren(altesQvb(10, {{{0, 0, 0, 0}}}, p));
    const auto& P = inhalt->figur.Parameter;
    // switch on: current value from the base; switch off: base value from the current one
    EXPECT_EQ(std::tuple(P[0], P[140], P[3], P[143]), std::tuple(70.0, 70.0, 8.0, 8.0));
    for (int i = 0; i <= 16; ++i) EXPECT_EQ(P[60 + i], P[i]) << i;
    // the step below 10 did not run
    EXPECT_EQ(std::tuple(P[240], P[260], P[20]), std::tuple(250.0, -2.0, 0.0));
}

TEST(QvbFormat, VersionsAbove11ReadAsCurrentWithoutUpgrades) {
    auto bytes = altesQvb(12, {{{9, 9, 9, 9}}}, parameterMit({{400, 1234.5}}));
    auto inhalt = qvbDekodieren(bytes);
    ASSERT_TRUE(inhalt);
    EXPECT_EQ(
        std::tuple(inhalt->version, inhalt->figur.Parameter[400], inhalt->figur.Parameter[190]),
        std::tuple(12, 1234.5, 0.0));
}

TEST(QvbFormat, EmptyOrTruncatedFilesAreReadWholeOrRejected) {
    EXPECT_FALSE(qvbDekodieren(""));
    EXPECT_FALSE(qvbDekodieren(std::string(3256, '\0')));
    Figur f = grosseFigur(3, 4);
    f.Frames[1].Punkte.resize(1);
    for (int version : {1, 3, 4, 11}) {
        std::vector<std::vector<Punkt>> frames;
        for (auto& fr : f.Frames) frames.push_back(fr.Punkte);
        const std::string voll = version == 11 ? qvbKodieren(f) : altesQvb(version, frames, {});
        for (std::size_t n = 0; n < voll.size(); ++n) {
            try {
                auto inhalt = qvbDekodieren(std::string_view(voll).substr(0, n));
                EXPECT_FALSE(inhalt) << "version " << version << ", " << n << " bytes";
            } catch (const Formatfehler&) {
            }
        }
        EXPECT_TRUE(qvbDekodieren(voll)) << version;
    }
}

TEST(QvbFormat, CorruptCountsAreRejectedBeforeAnythingIsSized) {
    auto mitZahl = [](std::size_t offset, std::int32_t wert) {
        std::string b = qvbKodieren(Figur{});
        std::memcpy(b.data() + offset, &wert, 4);
        return b;
    };
    EXPECT_THROW(qvbDekodieren(mitZahl(1, -1)), Formatfehler);         // negative frames
    EXPECT_THROW(qvbDekodieren(mitZahl(1, 0x7FFFFFFF)), Formatfehler); // huge frame count
    EXPECT_THROW(qvbDekodieren(mitZahl(5, -7)), Formatfehler);         // negative points
    EXPECT_THROW(qvbDekodieren(mitZahl(5, 0x7FFFFFF0)), Formatfehler); // huge point count
    EXPECT_THROW(qvbDekodieren(mitZahl(11, 2)), Formatfehler);         // descriptor differs
    EXPECT_THROW(qvbDekodieren(mitZahl(15, 3)), Formatfehler);         // lower bound not 0
    // trailing bytes after a whole figure are ignored
    EXPECT_TRUE(qvbDekodieren(qvbKodieren(Figur{}) + "junk"));
}
