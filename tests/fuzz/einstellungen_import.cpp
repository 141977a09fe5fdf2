// Fuzz target: the settings import from memory. The program is started once, with its folders
// in a scratch folder and two emulated devices, so that the loader runs as it does for the
// options window's import; every input is then imported into the same program. The log is
// closed after the start, since every settings read would otherwise add a line to it.

#include "app/Einstellungsdatei.h"
#include "app/Programm.h"
#include "app/Programmstart.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace {

struct Lauf {
    sw::SkriptDialoge dialoge;
    sw::EreignisPumpe pumpe;
    sw::TestUhr uhr;
    std::unique_ptr<sw::Programm> programm;
    std::filesystem::path ordner;

    Lauf() {
        std::string vorlage = (std::filesystem::temp_directory_path() / "sw-fuzz-XXXXXX").string();
        if (!::mkdtemp(vorlage.data())) std::abort();
        ordner = vorlage;
        ::setenv("PROGRAMMDATA", (ordner / "pd").c_str(), 1);
        ::setenv("PROGRAMDATA", (ordner / "pd2").c_str(), 1);
        ::setenv("XDG_DOCUMENTS_DIR", (ordner / "docs").c_str(), 1);
        ::setenv("STRAHLWERK_EMULATE", "lumax:1,jmlaser:1", 1);
        programm = std::make_unique<sw::Programm>(dialoge, pumpe, uhr);
        sw::StartHooks hooks;
        if (sw::Programmstart(*programm, "", hooks) == sw::Fortsetzung::ProgrammBeenden)
            std::abort();
        programm->log.schliessen();
    }
    ~Lauf() {
        programm.reset();
        std::error_code ec;
        std::filesystem::remove_all(ordner, ec);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static Lauf lauf;
    std::string problem;
    sw::einstellungenImportierenAusInhalt(
        *lauf.programm, std::string_view(reinterpret_cast<const char*>(daten), groesse), problem);
    lauf.dialoge.meldungen.clear(); // the messages of refused or damaged inputs
    return 0;
}
