// The RtMidi input over a scripted MIDI system: a machine without MIDI is reported once and
// nothing throws; a chosen port that vanishes is closed and opened again when it returns.

#include "live/eingang/RtMidiEingang.h"
#include "platform/Sprachtexte.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace sw {
namespace {

// What the scripted system shows and what was done to it; shared with the test.
struct Buehne {
    std::vector<std::string> ports;
    MidiSystem::Empfang empfang;
    int geoeffnet = -1;
    int oeffnungen = 0;
};

class SkriptSystem : public MidiSystem {
public:
    explicit SkriptSystem(std::shared_ptr<Buehne> b) : b_(std::move(b)) {}
    std::vector<std::string> ports() override { return b_->ports; }
    void oeffnen(unsigned index, Empfang empfang) override {
        if (index >= b_->ports.size()) throw std::runtime_error("no such port");
        b_->geoeffnet = static_cast<int>(index);
        ++b_->oeffnungen;
        b_->empfang = std::move(empfang);
    }
    void schliessen() override {
        b_->geoeffnet = -1;
        b_->empfang = nullptr;
    }

private:
    std::shared_ptr<Buehne> b_;
};

void senden(Buehne& b, std::vector<std::uint8_t> bytes) {
    ASSERT_TRUE(b.empfang);
    b.empfang(bytes.data(), bytes.size());
}

TEST(RtMidiEingang, MachineWithoutMidiIsReportedOnceAndNothingThrows) {
    Sprachtexte texte;
    std::vector<std::string> gemeldet;
    int versuche = 0;
    RtMidiEingang e(
        texte, [&](const std::string& z) { gemeldet.push_back(z); },
        [&]() -> std::unique_ptr<MidiSystem> {
            ++versuche;
            throw std::runtime_error("MidiInAlsa::initialize: error creating ALSA sequencer");
        });
    e.pruefAbstand = std::chrono::milliseconds(0);
    EXPECT_TRUE(e.portNamen().empty());
    EXPECT_FALSE(e.waehlen("Keyboard"));
    EXPECT_EQ(e.gewaehlt(), "Keyboard");
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(e.abholen().empty());
    EXPECT_FALSE(e.waehlen(""));
    EXPECT_EQ(e.gewaehlt(), kMidiNichtAktiv);
    EXPECT_FALSE(e.vorhanden());
    ASSERT_EQ(gemeldet.size(), 1u);
    EXPECT_NE(gemeldet[0].find("No MIDI system"), std::string::npos);
    EXPECT_NE(gemeldet[0].find("ALSA sequencer"), std::string::npos);
    // The periodic look does not knock again; listing the ports and choosing one do.
    EXPECT_EQ(versuche, 2);
}

TEST(RtMidiEingang, ThisMachinesRealMidiSystemNeverThrows) {
    Sprachtexte texte;
    int meldungen = 0;
    RtMidiEingang e(texte, [&](const std::string&) { ++meldungen; });
    e.pruefAbstand = std::chrono::milliseconds(0);
    EXPECT_NO_THROW({
        e.portNamen();
        e.waehlen("No such port anywhere");
        e.abholen();
        e.waehlen(kMidiNichtAktiv);
    });
    EXPECT_LE(meldungen, 1);
    if (!e.vorhanden()) {
        EXPECT_EQ(meldungen, 1);
    }
}

// The time code's messages come whole through their own queue; the clock's ticks are dropped
// and the channel messages go on as before.
TEST(RtMidiEingang, TimeCodeMessagesComeWhole) {
    Sprachtexte texte;
    auto b = std::make_shared<Buehne>();
    b->ports = {"Desk 28:0"};
    RtMidiEingang e(texte, {}, [b] { return std::make_unique<SkriptSystem>(b); });
    ASSERT_TRUE(e.waehlen("Desk 28:0"));
    const std::vector<std::uint8_t> vollbild = {0xF0, 0x7F, 0x7F, 0x01, 0x01,
                                                0x20, 0x01, 0x00, 0x00, 0xF7};
    senden(*b, {0xF1, 0x12});
    senden(*b, {0xF8});
    senden(*b, vollbild);
    senden(*b, {0x90, 60, 100});
    const auto system = e.systemAbholen();
    ASSERT_EQ(system.size(), 2u);
    EXPECT_EQ(system[0], (std::vector<std::uint8_t>{0xF1, 0x12}));
    EXPECT_EQ(system[1], vollbild);
    const auto ereignisse = e.abholen();
    ASSERT_EQ(ereignisse.size(), 1u);
    EXPECT_EQ(ereignisse[0], (std::vector<MidiNachricht>{{0x90, 60, 100}}));
    EXPECT_TRUE(e.systemAbholen().empty());
    // An input without a time code queue has none to give.
    FakeMidiEingang fake;
    EXPECT_TRUE(fake.systemAbholen().empty());
    fake.systemSenden({0xF1, 0x00});
    EXPECT_EQ(fake.systemAbholen().size(), 1u);
}

TEST(RtMidiEingang, PortChosenByNameVanishesAndComesBack) {
    Sprachtexte texte;
    std::vector<std::string> gemeldet;
    auto b = std::make_shared<Buehne>();
    b->ports = {"Through 14:0", "Pads 20:0"};
    RtMidiEingang e(
        texte, [&](const std::string& z) { gemeldet.push_back(z); },
        [b] { return std::make_unique<SkriptSystem>(b); });
    EXPECT_EQ(e.portNamen(), b->ports);
    ASSERT_TRUE(e.waehlen("Pads 20:0"));
    EXPECT_EQ(b->geoeffnet, 1);

    // Events arrive on the system's thread and are collected in order, split into messages.
    senden(*b, {0x90, 60, 100});
    senden(*b, {0xB0, 7, 64, 0xB0, 10, 0});
    auto ereignisse = e.abholen();
    ASSERT_EQ(ereignisse.size(), 2u);
    EXPECT_EQ(ereignisse[0], (std::vector<MidiNachricht>{{0x90, 60, 100}}));
    EXPECT_EQ(ereignisse[1], (std::vector<MidiNachricht>{{0xB0, 7, 64}, {0xB0, 10, 0}}));
    EXPECT_TRUE(e.abholen().empty());

    // Unplugged: within a second the next collection sees it (the test looks at once).
    e.pruefAbstand = std::chrono::milliseconds(0);
    b->ports = {"Through 14:0"};
    e.abholen();
    EXPECT_FALSE(e.offen());
    EXPECT_EQ(b->geoeffnet, -1);
    EXPECT_EQ(e.gewaehlt(), "Pads 20:0"); // still the choice
    // Plugged in again, now first in the list.
    b->ports = {"Pads 20:0", "Through 14:0"};
    e.abholen();
    EXPECT_TRUE(e.offen());
    EXPECT_EQ(b->geoeffnet, 0);
    senden(*b, {0x80, 60, 0});
    ereignisse = e.abholen();
    ASSERT_EQ(ereignisse.size(), 1u);
    EXPECT_EQ(ereignisse[0][0], (MidiNachricht{0x80, 60, 0}));
    ASSERT_EQ(gemeldet.size(), 3u); // opened, gone, opened
    EXPECT_NE(gemeldet[1].find("gone"), std::string::npos);

    // A choice of a port not present is remembered and opened when it appears; the look is
    // cheap: with the default pace it happens at most once a second.
    e.pruefAbstand = std::chrono::milliseconds(1000);
    EXPECT_FALSE(e.waehlen("Later 24:0"));
    b->ports.push_back("Later 24:0");
    e.abholen();
    EXPECT_FALSE(e.offen());
    e.pruefAbstand = std::chrono::milliseconds(0);
    e.abholen();
    EXPECT_TRUE(e.offen());
    EXPECT_EQ(b->geoeffnet, 2);
    EXPECT_FALSE(e.waehlen(kMidiNichtAktiv));
    EXPECT_EQ(b->geoeffnet, -1);
}

} // namespace
} // namespace sw
