#pragma once
// The part of the program a show needs, built fresh per test: figure store, palettes,
// settings in a scratch file, the show state and a fake media layer.

#include "TestHilfe.h"
#include "show/ShowDatei.h"
#include "show/ShowZustand.h"

namespace sw::test {

// A show file "Sommer" playing `sound`.
inline std::string showDatei(const std::string& sound) {
    ShowDateiInhalt i;
    i.ShowName = "Sommer";
    i.SoundName = sound;
    i.FaktorDrehenSchieben = "2";
    i.FaktorStauchen = "0,5";
    return showdateiKodieren(i);
}

struct ShowWelt {
    explicit ShowWelt(const std::filesystem::path& wurzel)
        : programmOrdner(wurzel / "Programm"), datenOrdner(wurzel / "Daten") {
        std::filesystem::create_directories(programmOrdner);
        std::filesystem::create_directories(datenOrdner);
        einstellungen.IniPfad = (wurzel / "Strahlwerk.Laser_ini").string();
        schreibeDatei(programmOrdner / "No.mp3", "ID3");
    }

    std::filesystem::path programmOrdner, datenOrdner;
    TestUmgebung t;
    Einstellungen einstellungen{t.log, t.pumpe};
    FigurenSpeicher figuren;
    Paletten paletten;
    ShowZustand show;
    FakeMedien medien;
    ShowKontext k{show,   figuren, paletten,       einstellungen, t.env,
                  medien, {},      programmOrdner, datenOrdner};
};

} // namespace sw::test
