#pragma once
// The program's folders. The environment variables of the original platform come first, so
// that tests and portable installations can point every folder at a place of their own; then
// the usual per-user folders of this platform:
//   TempPfad           $PROGRAMMDATA/Strahlwerk_2011/Temp/, else $TEMP/, else
//                      $XDG_RUNTIME_DIR/Strahlwerk_2011/, else <system temp>/Strahlwerk_2011/
//   WindowsPfad        $WINDIR/, else the data folder below
//   ProgrammDatenPfad  $PROGRAMDATA/Strahlwerk_2011/, else WindowsPfad, which is
//                      $XDG_DATA_HOME/Strahlwerk_2011/ (~/.local/share/Strahlwerk_2011/)
//   BenutzerPfad       ProgrammDatenPfad; the sample folders are copied here
//   DokumentePfad      $XDG_DOCUMENTS_DIR/Strahlwerk_2011/ (~/Documents/Strahlwerk_2011/)
//   IniPfad            ProgrammDatenPfad + "strahlwerk.ini", or a ".Laser_ini" argument
//   Programmordner     what the program ships (data/): $STRAHLWERK_PROGRAMMORDNER, else
//                      <executable>/../share/strahlwerk/, else the build tree's data folder
// Every folder is created when missing; folder texts end with "/".

#include <filesystem>
#include <string>

namespace sw {

inline constexpr const char* kProduktOrdner = "Strahlwerk_2011";
inline constexpr const char* kProgrammName = "strahlwerk";

struct Pfade {
    std::string ProduktOrdner = kProduktOrdner;
    std::string TempPfad;
    std::string WindowsPfad;
    std::string ProgrammDatenPfad;
    std::string BenutzerPfad;
    std::string DokumentePfad;
    std::string Programmordner;
};

// Computes the folders and creates them. Throws std::runtime_error with the documented text
// ("Fehler # fehler im Sub PfadeSetzen, Modul Global. Aktuelle Aktivität war " + step) when a
// folder cannot be created.
Pfade PfadeSetzen();

// The program folder alone (for tools that need only the shipped files).
std::filesystem::path programmordnerFinden();

} // namespace sw
