#pragma once
// The show file (".shw"): a text file of CR LF lines with the show's title, media file name and
// the two motion factors, a version in its header, placeholder and reserved lines.

#include <optional>
#include <string>
#include <string_view>

namespace sw {

inline constexpr const char* kShowKopf = "Strahlwerk Lumiscript Show  DateiVersion 2.3";

struct ShowDateiInhalt {
    std::string kopf;
    double version = 2.3;
    std::string ShowName, SoundName, FaktorDrehenSchieben, FaktorStauchen;
    bool mnuLaserAutomatik = false; // line 8; read but not applied on loading
};

// The 38 lines of the current version.
std::string showdateiKodieren(const ShowDateiInhalt& inhalt);

// nullopt when the header is not a show file's (the caller shows text 577). Throws
// Formatfehler when the version is no number or the file ends before its reserved lines;
// files below version 2.3 have no placeholder lines, and up to 17 trailing lines may be
// missing.
std::optional<ShowDateiInhalt> showdateiDekodieren(std::string_view bytes);

} // namespace sw
