#pragma once
// A live context over fresh tables: figures "a", "b", "c" (list entries 1 to 3, each a frame of
// points at its own X) and the showpart "p" (entry 4), in a scratch figure folder.

#include "TestHilfe.h"
#include "live/LiveZustand.h"
#include "output/Ausgabe.h"
#include "show/SequenzBearbeiten.h"

#include <memory>
#include <vector>

namespace sw::test {

struct LiveUmgebung {
    TestUmgebung u;
    Kratzordner ordner;
    FigurenSpeicher s;
    std::unique_ptr<AusgabeZustand> a = std::make_unique<AusgabeZustand>();
    Sequenzer seq;
    LiveZustand live;
    LiveKontext k{live, s, *a, seq, u.env};

    LiveUmgebung() {
        s.lstFiguren = {"***Figur 0***", "a.qvb", "b.qvb", "c.qvb", "p.prt"};
        s.Listentyp = {0, 0, 0, 0, 1};
        s.lstMakros = {"***Makro 0***"};
        FigurenErweitern(s, 3);
        for (int f = 1; f <= 3; ++f) {
            auto& punkte = s.Figuren[f].Frames[0].Punkte;
            for (int i = 0; i < 20; ++i)
                punkte.push_back(Punkt{static_cast<std::int16_t>(f * 5000),
                                       static_cast<std::int16_t>(i * 500), 0xFFF, 0});
        }
        live.ordner = ordner.pfad();
    }

    int figurAuf(int gruppe) const { return s.SpurAuswahl[gruppe].Figur; }
    std::vector<int> figurenAuf(std::initializer_list<int> gruppen) const {
        std::vector<int> f;
        for (int g : gruppen) f.push_back(figurAuf(g));
        return f;
    }
};

} // namespace sw::test
