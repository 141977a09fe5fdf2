#pragma once
// Points every folder of the program at a scratch folder for the length of a test, and builds
// a program on a test clock with scripted dialogs.

#include "TestHilfe.h"
#include "app/Programm.h"
#include "app/Programmstart.h"

#include <cstdlib>
#include <map>
#include <memory>

namespace sw::test {

class Umgebungsvariablen {
public:
    void setzen(const char* name, const std::string& wert) {
        merken(name);
        ::setenv(name, wert.c_str(), 1);
    }
    void loeschen(const char* name) {
        merken(name);
        ::unsetenv(name);
    }
    ~Umgebungsvariablen() {
        for (const auto& [name, wert] : alt_) {
            if (wert)
                ::setenv(name.c_str(), wert->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }

private:
    // Only the value from before the first change is restored.
    void merken(const char* name) {
        if (alt_.count(name)) return;
        const char* v = std::getenv(name);
        alt_[name] = v ? std::optional<std::string>(v) : std::nullopt;
    }
    std::map<std::string, std::optional<std::string>> alt_;
};

struct Startumgebung {
    Kratzordner tmp;
    Umgebungsvariablen variablen;
    SkriptDialoge dialoge;
    EreignisPumpe pumpe;
    TestUhr uhr;

    Startumgebung() {
        variablen.setzen("PROGRAMMDATA", (tmp / "programmdata").string());
        variablen.setzen("PROGRAMDATA", (tmp / "programdata").string());
        variablen.setzen("XDG_DOCUMENTS_DIR", (tmp / "dokumente").string());
        variablen.setzen("STRAHLWERK_PROGRAMMORDNER", STRAHLWERK_DATA_DIR);
        variablen.loeschen("STRAHLWERK_EMULATE");
        variablen.setzen("STRAHLWERK_AUDIO", "null"); // the real player, silent
    }
    std::unique_ptr<Programm> programm() { return std::make_unique<Programm>(dialoge, pumpe, uhr); }
    std::filesystem::path temp() const { return tmp / "programmdata" / "Strahlwerk_2011" / "Temp"; }
    std::filesystem::path daten() const { return tmp / "programdata" / "Strahlwerk_2011"; }
    std::filesystem::path dokumente() const { return tmp / "dokumente" / "Strahlwerk_2011"; }
};

} // namespace sw::test
