#include "platform/Text.h"

#include <gtest/gtest.h>

using namespace sw;

TEST(Text, Cp1252RoundTripsEveryByte) {
    std::string alle;
    for (int b = 0; b < 256; ++b) alle += static_cast<char>(b);
    EXPECT_EQ(utf8NachCp1252(cp1252NachUtf8(alle)), alle);
}

TEST(Text, Cp1252KnownCharacters) {
    EXPECT_EQ(cp1252NachUtf8("\x80"), "€");
    EXPECT_EQ(cp1252NachUtf8("Gr\xFC\xDF"), "Grüß");
    EXPECT_EQ(utf8NachCp1252("Schriftart Größe"), "Schriftart Gr\xF6\xDF"
                                                  "e");
    EXPECT_EQ(utf8NachCp1252("„x“"), "\x84x\x93");
    // Characters the code page lacks and broken sequences become "?".
    EXPECT_EQ(utf8NachCp1252("Ω→"), "??");
    EXPECT_EQ(utf8NachCp1252("a\xC3"), "a?");
    EXPECT_EQ(utf8NachCp1252("\xE2\x82x"), "?"
                                           "?x");
}

TEST(Text, UmlautsCaseInsensitiveCompareAndTrim) {
    EXPECT_EQ(umlauteErsetzen("ÄÖÜäöüß"), "AeOeUeaeoeuess");
    EXPECT_EQ(umlauteErsetzen("plain.qvb"), "plain.qvb");
    EXPECT_EQ(umlauteErsetzen("é"), "é");
    EXPECT_TRUE(gleichOhneGross("Optionen_DMX", "optionen_dmx"));
    EXPECT_FALSE(gleichOhneGross("Keyborad", "Keyboard"));
    EXPECT_EQ(trimmen("  a b \r\n"), "a b");
    EXPECT_EQ(trimmen("   "), "");
}
