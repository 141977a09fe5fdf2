#include "SequenzBauer.h"
#include "TestHilfe.h"
#include "show/SequenzDatei.h"
#include "show/Showpart.h"

#include <array>
#include <sys/wait.h>

using namespace sw;
using sw::test::ev;

namespace {

std::pair<int, std::string> info(const test::Kratzordner& tmp, const std::filesystem::path& datei) {
    const std::string befehl = "timeout 60 " + std::string(STRAHLWERK_CLI) + " info '" +
                               datei.string() + "' 2>'" + (tmp / "stderr.txt").string() + "'";
    std::string aus;
    FILE* p = popen(befehl.c_str(), "r");
    std::array<char, 4096> puffer;
    for (std::size_t n; (n = fread(puffer.data(), 1, puffer.size(), p)) > 0;)
        aus.append(puffer.data(), n);
    const int status = pclose(p);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            aus + test::leseDatei(tmp / "stderr.txt")};
}

} // namespace

TEST(SequenzInfo, SequenceAndShowpartFilesAsJson) {
    test::Kratzordner tmp;
    test::schreibeDatei(tmp / "a.seq", test::seqBytes(1, {ev(0, 0), ev(1000.5, 17, 143, 7, 7)}));
    auto [code, aus] = info(tmp, tmp / "a.seq");
    EXPECT_EQ(code, 0) << aus;
    EXPECT_EQ(aus, "{\"kind\":\"sequence\",\"version\":1,\"count\":1,\"events\":[{\"start\":1000.5,"
                   "\"off\":0,\"track\":20,\"kind\":143,\"key\":7,\"value\":7}]}\n");

    Showpart p;
    p.events = {ev(0, 0), ev(0, 2, 127, -1, 3, 40)};
    p.name = "Intro \"1\"";
    p.laenge = 40;
    test::schreibeDatei(tmp / "b.prt", showpartKodieren(p));
    std::tie(code, aus) = info(tmp, tmp / "b.prt");
    EXPECT_EQ(code, 0) << aus;
    EXPECT_EQ(aus,
              "{\"kind\":\"showpart\",\"version\":0,\"name\":\"Intro \\\"1\\\"\",\"length\":40,"
              "\"count\":1,\"events\":[{\"start\":0,\"off\":40,\"track\":2,\"kind\":127,"
              "\"key\":-1,\"value\":3}]}\n");

    test::schreibeDatei(tmp / "c.seq", test::seqBytes(3, {ev(0, 0), ev(1, 1)}).substr(0, 20));
    std::tie(code, aus) = info(tmp, tmp / "c.seq");
    EXPECT_NE(code, 0);
    EXPECT_NE(aus.find("c.seq: the sequence file is truncated or corrupt"), std::string::npos)
        << aus;
}
