#include "output/Frameuhr.h"

#include "platform/Vb.h"

#include <algorithm>
#include <cmath>

namespace sw {

namespace {

// Clears the guard however the advance ends.
struct Wache {
    bool& flag;
    explicit Wache(bool& f) : flag(f) { flag = true; }
    ~Wache() { flag = false; }
};

} // namespace

void tmrFrame_Timer(Frameuhr& u, FigurenSpeicher& s, Effekte& e, int spur, double jetztMs) {
    if (u.laeuft || spur < 0 || spur >= kSpurZahl) return;
    Wache wache(u.laeuft);
    auto& auswahl = s.SpurAuswahl[spur];
    if (auswahl.Figur == -1 || !s.Figuren.enthaelt(auswahl.Figur)) return;
    const Figur& figur = s.Figuren[auswahl.Figur];
    const double dauer = figur.Parameter[parameter::Framedauer];
    const double letzter = static_cast<double>(figur.Frames.size()) - 1;
    if (letzter < 1 || dauer == 0) return;

    const double schritt = u.passdauer / (dauer / 50);
    const bool einmal = figur.Parameter[parameter::EinmalAbspielen] != 0;
    const int art = static_cast<int>(figur.Parameter[parameter::Abspielart]);
    double& pos = u.position[static_cast<std::size_t>(spur)];
    double& richtung = e.EffektSchritte[spur][13];
    bool umgebrochen = false;

    if (art == 1) {
        pos -= schritt;
        if (pos + 0.5 < 0) {
            if (einmal) {
                pos = 0;
            } else {
                // As often as the loop of single wraps would run, at once.
                const double runden = std::ceil((-(pos + 0.5)) / (letzter + 1));
                pos += runden * (letzter + 1);
                if (pos + 0.5 < 0) pos += letzter + 1;
                umgebrochen = true;
            }
        }
    } else if (art == 2) {
        pos += schritt * richtung;
        if (pos > letzter) {
            pos = letzter;
            richtung = -richtung;
        }
        if (pos < 0) {
            pos = 0;
            if (einmal) richtung = -richtung;
        }
    } else {
        pos += schritt;
        if (pos - 0.5 > letzter) {
            if (einmal) {
                pos = letzter;
            } else {
                const double runden = std::ceil((pos - 0.5 - letzter) / (letzter + 1));
                pos -= runden * (letzter + 1);
                if (pos - 0.5 > letzter) pos -= letzter + 1;
                umgebrochen = true;
            }
        }
    }
    if (umgebrochen && u.figurEndeBeobachter && u.figurEndeAusstehend) {
        u.figurEndeAusstehend = false;
        u.figurEndeBeobachter(spur);
        pos = 0;
        auswahl.Zeitpunkt = jetztMs;
    }
    auswahl.Frame = static_cast<std::int16_t>(std::clamp(vb::runden(pos), 0.0, letzter));
}

void SetFrameTiming(Frameuhr& u, FigurenSpeicher& s, Effekte& e, int NFigur, int Spur) {
    if (Spur < 0 || Spur >= kSpurZahl || !s.Figuren.enthaelt(NFigur)) return;
    const Figur& figur = s.Figuren[NFigur];
    const double letzter = static_cast<double>(figur.Frames.size()) - 1;
    double start = figur.Parameter[parameter::Abspielart] == 1 ? letzter : 0;
    if (figur.Parameter[13] == 1 && letzter > 0) {
        start = vb::runden(127 / (254 / letzter) + figur.Parameter[parameter::EffektBasis + 13]);
        start = std::clamp(start, 0.0, letzter);
    }
    u.position[static_cast<std::size_t>(Spur)] = start;
    e.EffektSchritte[Spur][13] = 1;
    s.SpurAuswahl[Spur].Frame = static_cast<std::int16_t>(start);
}

} // namespace sw
