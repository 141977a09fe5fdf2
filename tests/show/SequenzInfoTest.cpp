#include "SequenzBauer.h"
#include "cli/CliLauf.h"
#include "show/SequenzDatei.h"
#include "show/Showpart.h"

using namespace sw;
using sw::test::ev;

TEST(SequenzInfo, SequenceAndShowpartFilesAsJson) {
    test::Kratzordner tmp;
    const auto info = [&](const char* name) {
        return test::cli(tmp, "info " + test::q(tmp / name));
    };
    test::schreibeDatei(tmp / "a.seq", test::seqBytes(1, {ev(0, 0), ev(1000.5, 17, 143, 7, 7)}));
    auto lauf = info("a.seq");
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus,
              "{\"kind\":\"sequence\",\"version\":1,\"count\":1,\"events\":[{\"start\":1000.5,"
              "\"off\":0,\"track\":20,\"kind\":143,\"key\":7,\"value\":7}]}\n");

    Showpart p;
    p.events = {ev(0, 0), ev(0, 2, 127, -1, 3, 40)};
    p.name = "Intro \"1\"";
    p.laenge = 40;
    test::schreibeDatei(tmp / "b.prt", showpartKodieren(p));
    lauf = info("b.prt");
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus,
              "{\"kind\":\"showpart\",\"version\":0,\"name\":\"Intro \\\"1\\\"\",\"length\":40,"
              "\"count\":1,\"events\":[{\"start\":0,\"off\":40,\"track\":2,\"kind\":127,"
              "\"key\":-1,\"value\":3}]}\n");

    test::schreibeDatei(tmp / "c.seq", test::seqBytes(3, {ev(0, 0), ev(1, 1)}).substr(0, 20));
    EXPECT_TRUE(test::scheitert(info("c.seq"), "c.seq: the sequence file is truncated or corrupt"));
}
