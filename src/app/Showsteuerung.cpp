#include "app/Showsteuerung.h"

#include "app/Playlistfernsteuerung.h"
#include "app/Wiedergabeverdrahtung.h"

namespace sw {

Showsteuerung::Showsteuerung(Programm& prog)
    : p(prog), show(prog.showKontext()), wk{wiedergabe, prog.sequenzer, *prog.medien, prog.env, {}},
      pk{playlist, wk, show, {}} {
    wiedergabeVerdrahten(p, wk);
    playlistVerdrahten(*this);
    playlistOptionenLaden(pk);
    playlistFernsteuerungVerbinden(p.live, pk);
}

Showsteuerung::~Showsteuerung() {
    playlistFernsteuerungTrennen(p.live);
    wiedergabeTrennen(p);
}

} // namespace sw
