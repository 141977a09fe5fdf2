#include "medien/Medienwahl.h"

#include "medien/MedienTexte.h"
#include "medien/MpvMedien.h"
#include "platform/Sprachtexte.h"
#include "show/UhrMedien.h"

#include <cstdlib>
#include <exception>
#include <string_view>

namespace sw {

Audiowahl audiowahlAusUmgebung(Audiowahl standard) {
    const char* wert = std::getenv("STRAHLWERK_AUDIO");
    if (wert && std::string_view(wert) == "null") return Audiowahl::Null;
    return standard;
}

std::unique_ptr<Medienschicht> medienWaehlen(Audiowahl wahl, Uhr& uhr,
                                             std::function<void(const std::string&)> melden,
                                             const Sprachtexte* texte) {
    MpvOptionen optionen;
    optionen.nullAudio = audiowahlAusUmgebung(wahl) == Audiowahl::Null;
    try {
        return std::make_unique<MpvMedien>(optionen, &uhr, melden, texte);
    } catch (const std::exception& e) {
        if (melden)
            melden((texte ? texte->text(medientext::MpvFehlt)
                          : std::string(medientext::MpvFehlt.englisch)) +
                   " " + e.what());
        auto platzhalter = std::make_unique<UhrMedien>(uhr, UhrMedien::kStandardLaenge);
        platzhalter->jedeDatei = true;
        return platzhalter;
    }
}

} // namespace sw
