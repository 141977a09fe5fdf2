// The Art-Net and sACN decoders against packets written out byte by byte from the two
// standards, then every way a packet can be wrong: each is refused with its reason.

#include "live/eingang/DmxPakete.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

using Bytes = std::vector<std::uint8_t>;

// ArtDmx to port address 0x123 (net 1, sub-net 2, universe 3), four channels.
Bytes artDmx() {
    return {'A',  'r',  't', '-', 'N', 'e', 't', 0, // ID
            0x00, 0x50,                             // OpDmx, low byte first
            0x00, 0x0E,                             // protocol version 14, high byte first
            0x05,                                   // sequence
            0x01,                                   // physical input
            0x23,                                   // SubUni: sub-net 2, universe 3
            0x01,                                   // Net
            0x00, 0x04,                             // length, high byte first
            10,   20,   30,  40};
}

Verwerfung art(const Bytes& b) {
    artnet::DmxPaket p;
    return artnet::lesen(b.data(), b.size(), p);
}

TEST(ArtDmx, GoodPacketByteForByteAndBack) {
    const Bytes b = artDmx();
    artnet::DmxPaket p;
    ASSERT_EQ(artnet::lesen(b.data(), b.size(), p), Verwerfung::Keine);
    EXPECT_EQ(p.version, 14);
    EXPECT_EQ(p.sequenz, 5);
    EXPECT_EQ(p.physisch, 1);
    EXPECT_EQ(p.portAdresse, 0x123);
    EXPECT_EQ(p.laenge, 4);
    EXPECT_EQ(p.kanaele[0], 10);
    EXPECT_EQ(p.kanaele[3], 40);
    EXPECT_EQ(p.kanaele[4], 0);
    Bytes z(artnet::kKopfBytes + kDmxKanaele);
    z.resize(artnet::schreiben(p, z.data()));
    EXPECT_EQ(z, b);

    // A full universe, a later version and bytes past the data are fine; the Net's top bit is
    // not part of the address.
    artnet::DmxPaket voll;
    voll.laenge = 512;
    voll.version = 15;
    voll.portAdresse = 0x7FFF;
    voll.kanaele[511] = 99;
    Bytes v(artnet::kKopfBytes + 512 + 3, 0xEE);
    artnet::schreiben(voll, v.data());
    v[15] |= 0x80;
    ASSERT_EQ(artnet::lesen(v.data(), v.size(), p), Verwerfung::Keine);
    EXPECT_EQ(p.portAdresse, 0x7FFF);
    EXPECT_EQ(p.kanaele[511], 99);
}

TEST(ArtDmx, MalformedPacketsAreRefusedWithTheirReason) {
    auto mit = [](std::size_t i, std::uint8_t wert) {
        Bytes b = artDmx();
        b[i] = wert;
        return b;
    };
    Bytes kurz = artDmx();
    kurz.resize(17);
    EXPECT_EQ(art(kurz), Verwerfung::ZuKurz);
    EXPECT_EQ(art(Bytes{'A', 'r', 't'}), Verwerfung::ZuKurz);
    EXPECT_EQ(art(Bytes{}), Verwerfung::ZuKurz);
    EXPECT_EQ(art(mit(3, '_')), Verwerfung::FalscheKennung);
    EXPECT_EQ(art(mit(7, ' ')), Verwerfung::FalscheKennung);
    EXPECT_EQ(art(mit(9, 0x20)), Verwerfung::AndererOpcode); // ArtPoll
    EXPECT_EQ(art(mit(8, 0x50)), Verwerfung::AndererOpcode); // opcode big-endian by mistake
    EXPECT_EQ(art(mit(11, 13)), Verwerfung::AlteVersion);
    EXPECT_EQ(art(mit(17, 3)), Verwerfung::FalscheLaenge); // odd
    EXPECT_EQ(art(mit(17, 0)), Verwerfung::FalscheLaenge); // none
    EXPECT_EQ(art(mit(17, 6)), Verwerfung::FalscheLaenge); // more than the packet holds
    Bytes lang = artDmx();
    lang[16] = 0x02, lang[17] = 0x02; // 514
    lang.resize(artnet::kKopfBytes + 514);
    EXPECT_EQ(art(lang), Verwerfung::FalscheLaenge);
}

// An E1.31 data packet: universe 5, priority 100, sequence 7, start code 0 and four channels.
Bytes sacnPaket() {
    Bytes b = {0x00, 0x10,                                              // preamble size
               0x00, 0x00,                                              // postamble size
               'A',  'S',  'C',  '-', 'E', '1', '.', '1', '7', 0, 0, 0, // ACN packet identifier
               0x70, 0x72,                                              // flags, length 130 - 16
               0x00, 0x00, 0x00, 0x04};                                 // VECTOR_ROOT_E131_DATA
    for (std::uint8_t i = 1; i <= 16; ++i) b.push_back(i);              // CID
    b.insert(b.end(), {0x70, 0x5C,                                      // flags, length 130 - 38
                       0x00, 0x00, 0x00, 0x02,                          // VECTOR_E131_DATA_PACKET
                       'D', 'e', 's', 'k'});                            // source name ...
    b.resize(b.size() + 60, 0);                                         // ... 64 bytes in all
    b.insert(b.end(), {100,                                             // priority
                       0x00, 0x00,                                      // synchronisation address
                       7,                                               // sequence number
                       0x00,                                            // options
                       0x00, 0x05,                                      // universe
                       0x70, 0x0F,                                      // flags, length 130 - 115
                       0x02,                                            // VECTOR_DMP_SET_PROPERTY
                       0xA1,                                            // address and data type
                       0x00, 0x00,                                      // first property address
                       0x00, 0x01,                                      // address increment
                       0x00, 0x05,                                      // property value count
                       0x00,                                            // DMX start code
                       1,    2,    3, 4});
    return b;
}

Verwerfung sacnLesen(const Bytes& b) {
    sacn::DatenPaket p;
    return sacn::lesen(b.data(), b.size(), p);
}

TEST(Sacn, GoodPacketByteForByteAndBack) {
    const Bytes b = sacnPaket();
    ASSERT_EQ(b.size(), 130u);
    sacn::DatenPaket p;
    ASSERT_EQ(sacn::lesen(b.data(), b.size(), p), Verwerfung::Keine);
    EXPECT_EQ(p.cid[0], 1);
    EXPECT_EQ(p.cid[15], 16);
    EXPECT_EQ(p.quelle, "Desk");
    EXPECT_EQ(p.prioritaet, 100);
    EXPECT_EQ(p.sequenz, 7);
    EXPECT_EQ(p.universum, 5);
    EXPECT_EQ(p.laenge, 4);
    EXPECT_EQ(p.kanaele[0], 1);
    EXPECT_EQ(p.kanaele[3], 4);
    EXPECT_EQ(p.kanaele[4], 0);
    EXPECT_FALSE(p.vorschau());
    EXPECT_FALSE(p.beendet());
    Bytes z(sacn::kMaxBytes);
    z.resize(sacn::schreiben(p, z.data()));
    EXPECT_EQ(z, b);

    // Stream terminated and preview are read from the options; a full universe fits.
    Bytes t = sacnPaket();
    t[112] = 0x40 | 0x80;
    ASSERT_EQ(sacn::lesen(t.data(), t.size(), p), Verwerfung::Keine);
    EXPECT_TRUE(p.beendet());
    EXPECT_TRUE(p.vorschau());
    p.laenge = 512;
    p.kanaele[511] = 77;
    z.resize(sacn::kMaxBytes);
    z.resize(sacn::schreiben(p, z.data()));
    ASSERT_EQ(z.size(), 638u);
    ASSERT_EQ(sacn::lesen(z.data(), z.size(), p), Verwerfung::Keine);
    EXPECT_EQ(p.kanaele[511], 77);
    EXPECT_EQ(sacn::multicastGruppe(5), 0xEFFF0005u);
    EXPECT_EQ(sacn::multicastGruppe(63999), 0xEFFFF9FFu);
}

TEST(Sacn, MalformedPacketsAreRefusedWithTheirReason) {
    auto mit = [](std::size_t i, std::uint8_t wert) {
        Bytes b = sacnPaket();
        b[i] = wert;
        return b;
    };
    Bytes kurz = sacnPaket();
    kurz.resize(125);
    EXPECT_EQ(sacnLesen(kurz), Verwerfung::ZuKurz);
    EXPECT_EQ(sacnLesen(mit(1, 0x11)), Verwerfung::FalscheKennung);   // preamble
    EXPECT_EQ(sacnLesen(mit(3, 0x01)), Verwerfung::FalscheKennung);   // postamble
    EXPECT_EQ(sacnLesen(mit(8, 'F')), Verwerfung::FalscheKennung);    // identifier
    EXPECT_EQ(sacnLesen(mit(16, 0x60)), Verwerfung::FalscheSchicht);  // root flags
    EXPECT_EQ(sacnLesen(mit(17, 0x73)), Verwerfung::FalscheSchicht);  // root length
    EXPECT_EQ(sacnLesen(mit(21, 0x08)), Verwerfung::FalscheSchicht);  // extended (sync) packet
    EXPECT_EQ(sacnLesen(mit(39, 0x5B)), Verwerfung::FalscheSchicht);  // framing length
    EXPECT_EQ(sacnLesen(mit(43, 0x01)), Verwerfung::FalscheSchicht);  // framing vector
    EXPECT_EQ(sacnLesen(mit(116, 0x10)), Verwerfung::FalscheSchicht); // DMP length
    EXPECT_EQ(sacnLesen(mit(117, 0x01)), Verwerfung::FalscheSchicht); // DMP vector
    EXPECT_EQ(sacnLesen(mit(118, 0xA2)), Verwerfung::FalscheAdressierung);
    EXPECT_EQ(sacnLesen(mit(120, 0x01)), Verwerfung::FalscheAdressierung); // first address
    EXPECT_EQ(sacnLesen(mit(122, 0x02)), Verwerfung::FalscheAdressierung); // increment
    EXPECT_EQ(sacnLesen(mit(124, 0x06)), Verwerfung::FalscheLaenge);       // property count
    EXPECT_EQ(sacnLesen(mit(108, 201)), Verwerfung::FalschePrioritaet);
    EXPECT_EQ(sacnLesen(mit(114, 0)), Verwerfung::FalschesUniversum); // universe 0
    Bytes gross = mit(113, 0xFA);                                     // 64005
    EXPECT_EQ(sacnLesen(gross), Verwerfung::FalschesUniversum);
    EXPECT_EQ(sacnLesen(mit(125, 0xCC)), Verwerfung::FalscherStartcode); // RDM
    // One byte more than a full universe, with every length field telling the truth.
    sacn::DatenPaket p;
    p.laenge = 512;
    Bytes zuLang(sacn::kMaxBytes + 1);
    sacn::schreiben(p, zuLang.data());
    EXPECT_EQ(sacnLesen(zuLang), Verwerfung::FalscheLaenge);
}

TEST(Sequenz, OlderWithinTwentyStepsIsOutOfOrderAcrossTheWrap) {
    EXPECT_TRUE(sequenzVeraltet(5, 5)); // repeated
    EXPECT_TRUE(sequenzVeraltet(4, 5));
    EXPECT_FALSE(sequenzVeraltet(6, 5));
    EXPECT_FALSE(sequenzVeraltet(0, 255));   // wrapped forward
    EXPECT_FALSE(sequenzVeraltet(1, 255));   // Art-Net skips 0 when it wraps
    EXPECT_TRUE(sequenzVeraltet(250, 3));    // behind, across the wrap
    EXPECT_TRUE(sequenzVeraltet(236, 255));  // 19 behind
    EXPECT_FALSE(sequenzVeraltet(235, 255)); // 20 behind: the sender started again
}

} // namespace
} // namespace sw
