#pragma once
// One language text as the code declares it: its number with the German (language 0) and
// English (language 1) wording. The code shows the English while the language file lacks the
// number; the generator writes both wordings into "Language.txt". Free of Qt, so the engine,
// the windows and the generator share it.

#include <functional>

namespace sw::text {

struct Beschriftung {
    int nummer;
    const char* deutsch;
    const char* englisch;
};

// How a header of texts hands each of them to the generator.
using Sammler = std::function<void(const Beschriftung&)>;
using Textliste = void (*)(const Sammler&);

// The Textliste of a header whose texts all stand in one list `kAlle`.
template <const auto& kListe> void jede(const Sammler& f) {
    for (const Beschriftung* b : kListe) f(*b);
}

} // namespace sw::text
