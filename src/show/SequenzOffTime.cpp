#include "show/SequenzOffTime.h"

#include <algorithm>
#include <array>
#include <compare>
#include <numeric>

namespace sw {

void sequenzSortieren(EventListe& events, std::vector<char>* mitgefuehrt) {
    const long n = sequenz::anzahl(events);
    if (n < 2) return;
    // A total order on doubles: a NaN read from a damaged file must not break the sort.
    auto vor = [](double a, double b) { return std::strong_order(a, b) < 0; };
    if (!mitgefuehrt) {
        if (std::is_sorted(
                events.begin() + 1, events.end(),
                [&](const SeqEvent& a, const SeqEvent& b) { return vor(a.start, b.start); }))
            return;
        std::stable_sort(
            events.begin() + 1, events.end(),
            [&](const SeqEvent& a, const SeqEvent& b) { return vor(a.start, b.start); });
        return;
    }
    mitgefuehrt->resize(events.size(), 0);
    std::vector<long> ordnung(static_cast<std::size_t>(n));
    std::iota(ordnung.begin(), ordnung.end(), 1L);
    std::stable_sort(ordnung.begin(), ordnung.end(), [&](long a, long b) {
        return vor(events[static_cast<std::size_t>(a)].start,
                   events[static_cast<std::size_t>(b)].start);
    });
    EventListe neu(events.size());
    std::vector<char> flags(events.size(), 0);
    neu[0] = events[0];
    for (long i = 0; i < n; ++i) {
        auto von = static_cast<std::size_t>(ordnung[static_cast<std::size_t>(i)]);
        neu[static_cast<std::size_t>(i + 1)] = events[von];
        flags[static_cast<std::size_t>(i + 1)] = (*mitgefuehrt)[von];
    }
    events = std::move(neu);
    *mitgefuehrt = std::move(flags);
}

void Sequenz_EventOffTime_Ermitteln(EventListe& events, double medienlaenge) {
    const long n = sequenz::anzahl(events);
    if (n < 1) return;
    // naechster[t]: the smallest index above the current one whose event lies on track t.
    std::array<long, 256> naechster;
    naechster.fill(0);
    naechster[events[static_cast<std::size_t>(n)].track] = n;
    for (long i = n - 1; i >= 1; --i) {
        SeqEvent& e = events[static_cast<std::size_t>(i)];
        long j = naechster[e.track];
        if (int f = ersteSpurDerGruppe(e.track); f != 0 && f < 256 && naechster[f] != 0)
            j = j == 0 ? naechster[f] : std::min(j, naechster[f]);
        if (j != 0) e.off = events[static_cast<std::size_t>(j)].start;
        naechster[e.track] = i;
    }
    events[static_cast<std::size_t>(n)].off = medienlaenge;
    for (long i = 1; i < n; ++i) {
        SeqEvent& e = events[static_cast<std::size_t>(i)];
        if (e.off < e.start) e.off = medienlaenge;
    }
}

} // namespace sw
