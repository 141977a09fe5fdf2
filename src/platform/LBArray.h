#pragma once
// An array with a lower bound other than 0, as the program's tables are declared
// (figures from a negative bound, colours from -1, tracks from -1). The bounds travel with
// the array, so no caller does index arithmetic of its own.

#include "platform/Fehler.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <vector>

namespace sw {

template <typename T> class LBArray {
public:
    LBArray() = default;
    LBArray(long untergrenze, long obergrenze) { redim(untergrenze, obergrenze); }

    long untergrenze() const { return unten_; }
    // The upper bound; untergrenze() - 1 when the array is empty.
    long obergrenze() const { return unten_ + static_cast<long>(daten_.size()) - 1; }
    std::size_t anzahl() const { return daten_.size(); }
    bool enthaelt(long i) const { return i >= unten_ && i <= obergrenze(); }

    T& operator[](long i) {
        assert(enthaelt(i));
        return daten_[static_cast<std::size_t>(i - unten_)];
    }
    const T& operator[](long i) const {
        assert(enthaelt(i));
        return daten_[static_cast<std::size_t>(i - unten_)];
    }
    // Checked access: error 9 outside the bounds.
    T& at(long i) {
        if (!enthaelt(i)) throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
        return (*this)[i];
    }
    const T& at(long i) const {
        if (!enthaelt(i)) throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
        return (*this)[i];
    }

    // ReDim: fresh elements, nothing kept.
    void redim(long untergrenze, long obergrenze) {
        if (obergrenze < untergrenze - 1) throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
        daten_.assign(static_cast<std::size_t>(obergrenze - untergrenze + 1), T{});
        unten_ = untergrenze;
    }

    // ReDim Preserve with new bounds: elements whose index stays inside keep their value,
    // indices new to the array get fresh elements.
    void redimPreserve(long untergrenze, long obergrenze) {
        if (obergrenze < untergrenze - 1) throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
        if (untergrenze == unten_) {
            daten_.resize(static_cast<std::size_t>(obergrenze - untergrenze + 1));
            return;
        }
        std::vector<T> neu(static_cast<std::size_t>(obergrenze - untergrenze + 1));
        for (long i = std::max(untergrenze, unten_); i <= std::min(obergrenze, this->obergrenze());
             ++i)
            neu[static_cast<std::size_t>(i - untergrenze)] = std::move((*this)[i]);
        daten_ = std::move(neu);
        unten_ = untergrenze;
    }

    auto begin() { return daten_.begin(); }
    auto end() { return daten_.end(); }
    auto begin() const { return daten_.begin(); }
    auto end() const { return daten_.end(); }

private:
    long unten_ = 0;
    std::vector<T> daten_;
};

} // namespace sw
