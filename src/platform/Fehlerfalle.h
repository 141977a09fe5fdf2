#pragma once
// The error trap of a routine: it runs the routine, and a runtime error raised inside is
// reported as "Fehler # " + number + the routine's text (in the program log, and as a message
// when asked), after which the caller carries on with the state reached so far.

#include "platform/Fehler.h"
#include "platform/Umgebung.h"

#include <new>
#include <string>
#include <string_view>

namespace sw {

enum class Meldeart { Log, Nachricht };

// The error number of an exception: its own for runtime errors, 7 (out of memory) for a
// failed allocation, 51 (internal error) for anything else.
inline int fehlernummerVon(const std::exception& e) {
    if (auto* l = dynamic_cast<const Laufzeitfehler*>(&e)) return l->nummer();
    if (dynamic_cast<const std::bad_alloc*>(&e)) return 7;
    return 51;
}

// Returns false when an error was trapped.
template <typename Routine>
bool mitFehlerfalle(Umgebung& env, std::string_view text, Meldeart art, Routine&& routine) {
    try {
        routine();
        return true;
    } catch (const std::exception& e) {
        const int nummer = fehlernummerVon(e);
        env.log.zeile(fehlerMeldung(nummer, text) + " (" + e.what() + ")");
        if (art == Meldeart::Nachricht) env.dialoge.meldung(fehlerMeldung(nummer, text));
        return false;
    }
}

} // namespace sw
