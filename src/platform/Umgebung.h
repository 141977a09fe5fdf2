#pragma once
// The services every engine routine may need: the operator's dialogs, the event pump, the
// clock, the program log and the language texts. The windows, the command-line program and
// the tests each build one with their own implementations.

#include "platform/Dialoge.h"
#include "platform/Protokoll.h"
#include "platform/Sprachtexte.h"
#include "platform/Uhr.h"

namespace sw {

struct Umgebung {
    Dialoge& dialoge;
    EreignisPumpe& pumpe;
    Uhr& uhr;
    Protokoll& log;
    Sprachtexte& texte;

    void warten(double millisekunden) { sw::warten(uhr, pumpe, millisekunden); }
};

} // namespace sw
