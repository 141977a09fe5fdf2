#pragma once
// Everything the program asks or tells the operator goes through this interface: message
// boxes, questions, input boxes and file dialogs. The windows implement it with Qt; tests and
// the command-line program use the scripted implementation with queued answers.
//
// A caller must not hold a reference into a program table across one of these calls: while
// the question is open, window events run and may resize the table.

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace sw {

enum class Antwort { Ok, Abbrechen, Ja, Nein, Wiederholen };
// SpeichernVerwerfenAbbrechen shows Save, Discard and Cancel, answered as Ja, Nein and
// Abbrechen.
enum class Knoepfe {
    Ok,
    OkAbbrechen,
    JaNein,
    JaNeinAbbrechen,
    WiederholenAbbrechen,
    SpeichernVerwerfenAbbrechen
};

struct DateiAuswahl {
    std::string titel;
    // Filter in the program's notation: "description|pattern|description|pattern".
    std::string filter;
    std::string dateiname;
    std::string ordner;
};

class Dialoge {
public:
    virtual ~Dialoge() = default;
    virtual void meldung(const std::string& text, const std::string& titel = {}) = 0;
    // A message with a warning icon; `details` (the technical report) is shown on request.
    virtual void warnung(const std::string& text, const std::string& details,
                         const std::string& titel = {}) = 0;
    // `standard` is the default button, the answer when the operator just presses Enter.
    virtual Antwort frage(const std::string& text, Knoepfe knoepfe, Antwort standard,
                          const std::string& titel = {}) = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<std::string> eingabe(const std::string& text, const std::string& vorgabe,
                                               const std::string& titel = {}) = 0;
    // File dialogs; an empty text when cancelled.
    virtual std::string dateiOeffnen(const DateiAuswahl& auswahl) = 0;
    virtual std::string dateiSpeichern(const DateiAuswahl& auswahl) = 0;
};

// Answers from queues filled beforehand; an empty queue gives the default button, the
// offered default text, or a cancelled file dialog. Everything shown is recorded.
class SkriptDialoge : public Dialoge {
public:
    std::deque<Antwort> antworten;
    std::deque<std::optional<std::string>> eingaben;
    std::deque<std::string> dateinamen;

    std::vector<std::string> meldungen; // messages and question texts, in order
    std::vector<std::string> details;   // the details of each warning, in order
    std::vector<DateiAuswahl> dateiDialoge;

    void meldung(const std::string& text, const std::string& titel = {}) override;
    void warnung(const std::string& text, const std::string& details,
                 const std::string& titel = {}) override;
    Antwort frage(const std::string& text, Knoepfe knoepfe, Antwort standard,
                  const std::string& titel = {}) override;
    std::optional<std::string> eingabe(const std::string& text, const std::string& vorgabe,
                                       const std::string& titel = {}) override;
    std::string dateiOeffnen(const DateiAuswahl& auswahl) override;
    std::string dateiSpeichern(const DateiAuswahl& auswahl) override;

private:
    std::string naechsterDateiname(const DateiAuswahl& auswahl);
};

} // namespace sw
