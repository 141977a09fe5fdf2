#pragma once
// The records of the output pipeline: the raw list entry of a device (`Listenpunkt`), the raw
// list itself (`Ausgabeliste` of one device) and the output point handed to the device writers
// (`Ausgabepunkt`).

#include <array>
#include <cstdint>
#include <vector>

namespace sw {

inline constexpr int kGeraete = 16; // logical devices 0 to 15
inline constexpr int kSeiten = 4;   // output sides A to D; side s owns tracks 3s to 3s + 2

struct Listenpunkt {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int16_t R = 0, G = 0, B = 0, I = 0;
    bool Strecke = false;     // the way from the previous entry is a drawn segment
    bool Farbwechsel = false; // colour-change point
    bool Ecke = false;        // corner point
    bool Weich = false;       // soft-colour point
    bool Text = false;        // text point
    bool Sprung = false;      // a jump the walk blanks (jump mark, real-time optimisation on)

    bool operator==(const Listenpunkt&) const = default;
};

// One device's raw list. Positions run from -200 (spare room below the first entry) upward;
// the first entry written is at position 1 and `anzahl` is the position of the last one. The
// list grows when an append needs room and keeps its storage from cycle to cycle, so a steady
// output cycle allocates nothing.
class Rohliste {
public:
    static constexpr long kReserve = 200;

    Rohliste() { daten_.resize(kReserve + 4096); }

    long anzahl() const { return anzahl_; } // AusgabePunktzahl
    long erster() const { return erster_; }
    bool leer() const { return anzahl_ == 0; }

    Listenpunkt& operator[](long pos) { return daten_[static_cast<std::size_t>(pos + kReserve)]; }
    const Listenpunkt& operator[](long pos) const {
        return daten_[static_cast<std::size_t>(pos + kReserve)];
    }

    void leeren() {
        anzahl_ = 0;
        erster_ = 1;
    }
    void anhaengen(const Listenpunkt& p) {
        const auto index = static_cast<std::size_t>(anzahl_ + 1 + kReserve);
        if (index >= daten_.size()) daten_.resize(daten_.size() * 2);
        daten_[index] = p;
        ++anzahl_;
    }
    // Puts an entry in front of the first one (the centre point of a path that starts there).
    void voranstellen(const Listenpunkt& p) {
        --erster_;
        (*this)[erster_] = p;
    }
    std::size_t kapazitaet() const { return daten_.size() - kReserve; }

private:
    std::vector<Listenpunkt> daten_;
    long anzahl_ = 0;
    long erster_ = 1;
};

struct Ausgabepunkt {
    double X = 0, Y = 0; // 0 to 65535, centre 32767
    double R = 0, G = 0, B = 0, I = 0;
};

} // namespace sw
