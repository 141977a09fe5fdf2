#pragma once
// The table of captions and messages by language and message number. Code refers to texts by
// number only; the language file fills the table.

#include "platform/Beschriftung.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace sw {

class Sprachtexte {
public:
    static constexpr int kSprachen = 10;
    static constexpr int kNachrichten = 2001;

    Sprachtexte() : texte_(kSprachen * kNachrichten) {}

    int Sprache = 1;

    // The text of message n in the current language; empty when unknown.
    const std::string& text(int n) const { return eintrag(Sprache, n); }
    // The text of message n, or `standard` while the language file has none for it.
    std::string text(int n, const std::string& standard) const {
        const auto& t = text(n);
        return t.empty() ? standard : t;
    }
    std::string text(const sw::text::Beschriftung& b) const { return text(b.nummer, b.englisch); }
    const std::string& eintrag(int sprache, int n) const {
        static const std::string leer;
        if (!gueltig(sprache, n)) return leer;
        return texte_[static_cast<std::size_t>(sprache * kNachrichten + n)];
    }
    void setzen(int sprache, int n, std::string text) {
        if (!gueltig(sprache, n)) return;
        if (!text.empty()) belegt_[sprache] = std::max(belegt_[sprache], n + 1);
        texte_[static_cast<std::size_t>(sprache * kNachrichten + n)] = std::move(text);
    }
    // Every text empty again, the language kept. Only the part ever filled is visited.
    void leeren() {
        for (int s = 0; s < kSprachen; ++s) {
            for (int n = 0; n < belegt_[s]; ++n)
                texte_[static_cast<std::size_t>(s * kNachrichten + n)].clear();
            belegt_[s] = 0;
        }
    }

private:
    static bool gueltig(int sprache, int n) {
        return sprache >= 0 && sprache < kSprachen && n >= 0 && n < kNachrichten;
    }
    std::vector<std::string> texte_;
    std::array<int, kSprachen> belegt_{}; // per language: one past the last message ever set
};

} // namespace sw
