#include "platform/Dialoge.h"

namespace sw {

void SkriptDialoge::meldung(const std::string& text, const std::string&) {
    meldungen.push_back(text);
}

void SkriptDialoge::warnung(const std::string& text, const std::string& d, const std::string&) {
    meldungen.push_back(text);
    details.push_back(d);
}

Antwort SkriptDialoge::frage(const std::string& text, Knoepfe, Antwort standard,
                             const std::string&) {
    meldungen.push_back(text);
    if (antworten.empty()) return standard;
    Antwort a = antworten.front();
    antworten.pop_front();
    return a;
}

std::optional<std::string> SkriptDialoge::eingabe(const std::string& text,
                                                  const std::string& vorgabe, const std::string&) {
    meldungen.push_back(text);
    if (eingaben.empty()) return vorgabe;
    auto e = eingaben.front();
    eingaben.pop_front();
    return e;
}

std::string SkriptDialoge::naechsterDateiname(const DateiAuswahl& auswahl) {
    dateiDialoge.push_back(auswahl);
    if (dateinamen.empty()) return {};
    std::string name = dateinamen.front();
    dateinamen.pop_front();
    return name;
}

std::string SkriptDialoge::dateiOeffnen(const DateiAuswahl& a) {
    return naechsterDateiname(a);
}
std::string SkriptDialoge::dateiSpeichern(const DateiAuswahl& a) {
    return naechsterDateiname(a);
}

} // namespace sw
