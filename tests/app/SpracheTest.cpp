#include "app/Sprache.h"
#include "TestHilfe.h"
#include "generators/Sprachtabelle.h"

#include <fstream>
#include <regex>
#include <set>

using namespace sw;

namespace {

std::string block(const std::vector<std::string>& zeilen) {
    std::string s;
    for (int k = 0; k < 10; ++k)
        s += (k < static_cast<int>(zeilen.size()) ? zeilen[static_cast<std::size_t>(k)] : "") +
             "\r\n";
    return s;
}

} // namespace

TEST(Sprache, PrefixesFallbackAndShortFiles) {
    std::string inhalt = block({"DE Hallo", "EN Hello"});                 // message 0
    inhalt += block({"DE x", "EN Stop", "L2 ", "L3", "L4  ", "L5 Halt"}); // message 1
    inhalt += block({"DE nur Deutsch", "EN "});                           // message 2
    inhalt += "DE letzte\n";                                              // message 3, cut short
    Sprachtexte t;
    sprachtexteLesen(t, inhalt);
    EXPECT_EQ(t.eintrag(0, 0), "Hallo");
    EXPECT_EQ(t.eintrag(1, 0), "Hello");
    EXPECT_EQ(t.eintrag(1, 1), "Stop");
    EXPECT_EQ(t.eintrag(2, 1), "Stop"); // prefix only: empty, falls back
    EXPECT_EQ(t.eintrag(3, 1), "Stop"); // shorter than the prefix
    EXPECT_EQ(t.eintrag(4, 1), "Stop"); // one blank: falls back
    EXPECT_EQ(t.eintrag(5, 1), "Halt");
    EXPECT_EQ(t.eintrag(9, 1), ""); // languages 0, 1 and 9 have no fallback
    EXPECT_EQ(t.eintrag(0, 1), "x");
    EXPECT_EQ(t.eintrag(1, 2), "");
    EXPECT_EQ(t.eintrag(3, 2), ""); // falls back to the empty English text
    EXPECT_EQ(t.eintrag(0, 3), "letzte");
    EXPECT_EQ(t.eintrag(1, 2000), "");
    t.Sprache = 3;
    EXPECT_EQ(t.text(1), "Stop");
}

TEST(Sprache, MissingFileLeavesTextsEmptyAndTheChoiceIsStored) {
    test::TestUmgebung u;
    test::Kratzordner tmp;
    Sprachtexte t;
    LoadMessages(t, u.env, tmp.pfad());
    EXPECT_EQ(t.eintrag(1, 62), "");
    EXPECT_TRUE(u.dialoge.meldungen.empty());
    Einstellungen e(u.log, u.pumpe);
    e.IniPfad = (tmp / "s.ini").string();
    int beschriftet = 0;
    OptLanguage_Click(t, e, 0, [&] { ++beschriftet; });
    EXPECT_EQ(beschriftet, 1);
    Sprachtexte neu;
    spracheLaden(neu, e);
    EXPECT_EQ(neu.Sprache, 0);
}

// Every message number the code shows has an English text in the shipped language file.
TEST(Sprache, EveryMessageNumberInTheCodeHasAnEnglishText) {
    test::TestUmgebung u;
    Sprachtexte t;
    LoadMessages(t, u.env, STRAHLWERK_DATA_DIR);
    ASSERT_EQ(t.eintrag(1, 62), "Stop");

    // Constants holding message numbers, and the numbers passed to text lookups.
    const std::regex konstante(
        R"(constexpr int (k?[A-Z]\w*) = (\d+)(?:, (k?[A-Z]\w*) = (\d+))?(?:, (k?[A-Z]\w*) = (\d+))?;)");
    // A lower-case name is a variable holding a record: not resolvable here, its header is.
    const std::regex aufruf(R"(texte?\.text\(\s*(?:\w+::)*([A-Z0-9]\w*))");
    // Texts kept as records: `constexpr Beschriftung Name{1234, ...}`, the number possibly on
    // the next line.
    const std::regex satz(R"(constexpr \w+ ([A-Z]\w*)\{\s*(\d+),)");
    std::map<std::string, int> werte;
    std::vector<std::string> benutzt;
    for (const auto& e : std::filesystem::recursive_directory_iterator(
             std::string(STRAHLWERK_SOURCE_DIR) + "/src")) {
        if (!e.is_regular_file()) continue;
        const std::string inhalt = test::leseDatei(e.path());
        for (std::sregex_iterator it(inhalt.begin(), inhalt.end(), konstante), ende; it != ende;
             ++it)
            for (int g = 1; g <= 5; g += 2)
                if ((*it)[g].matched) werte[(*it)[g]] = std::stoi((*it)[g + 1]);
        for (std::sregex_iterator it(inhalt.begin(), inhalt.end(), satz), ende; it != ende; ++it)
            werte[(*it)[1]] = std::stoi((*it)[2]);
        for (std::sregex_iterator it(inhalt.begin(), inhalt.end(), aufruf), ende; it != ende; ++it)
            benutzt.push_back((*it)[1]);
    }
    ASSERT_GT(benutzt.size(), 10u);
    std::set<int> nummern;
    for (const auto& name : benutzt) {
        if (std::isdigit(static_cast<unsigned char>(name[0])))
            nummern.insert(std::stoi(name));
        else if (name == "IldaExportArten")
            for (int i = 1990; i <= 1995; ++i) nummern.insert(i);
        else if (werte.count(name))
            nummern.insert(werte[name]);
        else
            ADD_FAILURE() << "cannot resolve the message number " << name;
    }
    for (int n : nummern) EXPECT_FALSE(t.eintrag(1, n).empty()) << "message " << n;
    // A text is one line of the language file: a line break would shift every later text.
    for (const auto& s : gen::sprachtexte()) {
        EXPECT_FALSE(t.eintrag(0, s.nummer).empty()) << s.nummer;
        EXPECT_EQ(std::string(s.deutsch).find_first_of("\r\n"), std::string::npos) << s.nummer;
        EXPECT_EQ(std::string(s.englisch).find_first_of("\r\n"), std::string::npos) << s.nummer;
    }
}
