#pragma once
// The services an engine routine needs, all scripted or in memory: for the tests and the fuzz
// targets alike (no test framework here).

#include "platform/Umgebung.h"

namespace sw::test {

struct TestUmgebung {
    SkriptDialoge dialoge;
    EreignisPumpe pumpe;
    TestUhr uhr;
    Protokoll log{uhr};
    Sprachtexte texte;
    Umgebung env{dialoge, pumpe, uhr, log, texte};
};

} // namespace sw::test
