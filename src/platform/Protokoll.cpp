#include "platform/Protokoll.h"

#include "platform/Fehler.h"
#include "platform/Text.h"

#include <cmath>
#include <string>

namespace sw {

Protokoll::Protokoll(Uhr& uhr) : uhr_(uhr), start_(uhr.sekunden()) {}

Protokoll::~Protokoll() {
    schliessen();
}

bool Protokoll::oeffnen(const std::filesystem::path& datei) {
    schliessen();
    datei_ = std::fopen(datei.c_str(), "wb");
    start_ = uhr_.sekunden();
    return datei_ != nullptr;
}

void Protokoll::schliessen() {
    if (datei_) std::fclose(datei_);
    datei_ = nullptr;
}

long Protokoll::sekunden() const {
    return static_cast<long>(std::floor(uhr_.sekunden() - start_));
}

void Protokoll::roh(std::string_view text) {
    if (!datei_) return;
    std::string zeile = utf8NachCp1252(text);
    zeile += "\r\n";
    std::fwrite(zeile.data(), 1, zeile.size(), datei_);
    std::fflush(datei_);
}

void Protokoll::zeile(std::string_view text) {
    if (!datei_) return;
    std::string z = std::to_string(sekunden());
    z.append(19, ' ');
    z += text;
    roh(z);
}

void Protokoll::trenner() {
    roh(std::string(52, '*'));
}

void Protokoll::fehler(int nummer, std::string_view text) {
    zeile(fehlerMeldung(nummer, text));
}

} // namespace sw
