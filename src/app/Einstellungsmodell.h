#pragma once
// The settings of windows that are not built yet, held by section and key with their type and
// default, so that saving, loading, export and import keep every one of them; a window binds
// its controls to these values.

#include "einstellungen/Einstellungen.h"

#include <map>
#include <string>
#include <vector>

namespace sw {

struct Modellschluessel {
    std::string abschnitt;
    std::string schluessel;
    bool text = false;    // "S"; otherwise a number ("N")
    std::string standard; // text, or the number as decimal text
};

class Einstellungsmodell {
public:
    Einstellungsmodell();

    const std::vector<Modellschluessel>& schluessel() const { return schluessel_; }
    std::string text(const std::string& abschnitt, const std::string& schluessel) const;
    double zahl(const std::string& abschnitt, const std::string& schluessel) const;
    void setzen(const std::string& abschnitt, const std::string& schluessel,
                const std::string& wert);

    // Reads, or writes, every key of one section (in the model's order).
    void abschnittLaden(Einstellungen& e, const std::string& abschnitt);
    void abschnittSpeichern(Einstellungen& e, const std::string& abschnitt) const;
    // One key (for the keys a single control saves when it changes).
    void schluesselSpeichern(Einstellungen& e, const Modellschluessel& k) const;

    // The defaults that depend on the folders (the letter folders under the user data folder).
    void ordnerStandards(const std::string& benutzerPfad);

private:
    void hinzu(const std::string& abschnitt, const std::string& schluessel, bool text,
               const std::string& standard);
    static std::string id(const std::string& abschnitt, const std::string& schluessel);

    std::vector<Modellschluessel> schluessel_;
    std::map<std::string, std::string> werte_;
};

} // namespace sw
