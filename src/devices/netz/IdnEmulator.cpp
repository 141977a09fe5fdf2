#include "devices/netz/IdnEmulator.h"

#include "devices/netz/Echtzeit.h"

#include <algorithm>

namespace sw::emu {

using namespace idn;

namespace {
// The emulator's own wake-up may lag this much behind an arrival.
constexpr double kSpielraum = 0.002;
constexpr std::uint8_t kPingAnfrage = 0x08, kPingAntwort = 0x09;
std::uint16_t b16(const std::uint8_t* q) {
    return static_cast<std::uint16_t>((q[0] << 8) | q[1]);
}
} // namespace

IdnEmulator::IdnEmulator(Optionen o) : opt_(std::move(o)) {
    start_ = std::chrono::steady_clock::now();
    if (!udp_.binden(opt_.ip, opt_.port)) return;
    port_ = udp_.lokalerPort();
    thread_ = std::thread([this] { lauf(); });
}

IdnEmulator::~IdnEmulator() {
    beenden();
}

void IdnEmulator::beenden() {
    ende_ = true;
    if (thread_.joinable()) thread_.join();
    udp_.schliessen();
}

double IdnEmulator::sekunden() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void IdnEmulator::lauf() {
    if (opt_.echtzeit) netz::echtzeitAnfordern(20); // refused, it runs as it can
    std::vector<std::uint8_t> puffer(65536);
    while (!ende_) {
        netz::Adresse von;
        const long n = udp_.empfangen(puffer.data(), puffer.size(), 5, &von);
        const double jetzt = sekunden();
        if (n >= static_cast<long>(kKopfBytes)) {
            const Kopf k = kopfLesen(puffer.data());
            if (k.befehl == kScanAnfrage) {
                ScanAntwort a;
                std::copy_n(opt_.unitId.begin(), std::min<std::size_t>(opt_.unitId.size(), 16),
                            a.unitId.begin());
                a.hostname = opt_.hostname;
                const auto antwort = scanAntwortSchreiben(k.folge, a);
                udp_.senden(von, antwort.data(), antwort.size());
            } else if (k.befehl == kPingAnfrage) {
                std::vector<std::uint8_t> antwort(puffer.begin(), puffer.begin() + n);
                antwort[0] = kPingAntwort;
                udp_.senden(von, antwort.data(), antwort.size());
            } else {
                nachricht(puffer.data(), static_cast<std::size_t>(n), jetzt);
            }
        }
        std::lock_guard l(m_);
        if (kanalOffen_ && jetzt - letzteNachricht_ > 1.0) {
            kanalOffen_ = false;
            inFrame_ = false;
            spielEnde_ = -1;
            ++zeitueberschreitungen_;
        }
    }
}

void IdnEmulator::frameFertig(double jetzt) {
    std::vector<Sample> frame(teile_.size() / kSampleBytes);
    for (std::size_t k = 0; k < frame.size(); ++k)
        frame[k] = sampleLesen(teile_.data() + k * kSampleBytes);
    letzterFrame_ = frame;
    ++frames_;
    if (spielEnde_ >= 0 && jetzt > spielEnde_ + kSpielraum) ++unterlaeufe_;
    spielEnde_ = std::max(spielEnde_, jetzt) + frameDauer_;
    inFrame_ = false;
    if (opt_.beiFrame) opt_.beiFrame(frame, jetzt);
}

void IdnEmulator::nachricht(const std::uint8_t* q, std::size_t bytes, double jetzt) {
    std::lock_guard l(m_);
    const Kopf k = kopfLesen(q);
    if (k.befehl != kKanalNachricht && k.befehl != kKanalSchliessen) return;
    if (folgeBekannt_ && k.folge != static_cast<std::uint16_t>(folge_ + 1))
        folgeLuecken_ += static_cast<std::uint16_t>(k.folge - folge_ - 1);
    folge_ = k.folge;
    folgeBekannt_ = true;
    letzteNachricht_ = jetzt;
    if (k.befehl == kKanalSchliessen) {
        if (kanalOffen_) ++schliessungen_;
        kanalOffen_ = false;
        inFrame_ = false;
        spielEnde_ = -1;
        return;
    }
    if (bytes < kKopfBytes + kNachrichtKopfBytes) return;
    const std::uint8_t* m = q + kKopfBytes;
    const std::size_t gesamt = b16(m);
    const std::uint16_t inhalt = b16(m + 2);
    if (!(inhalt & kInhaltKanal) || gesamt + kKopfBytes != bytes) return;
    const std::uint8_t chunk = static_cast<std::uint8_t>(inhalt & 0xFF);
    const std::uint8_t* z = m + kNachrichtKopfBytes;
    const std::uint8_t* ende = q + bytes;
    bool schliessen = false;
    if (chunk == kChunkFrameFortsetzung) {
        if (!inFrame_ || !kanalOffen_) return;
        teile_.insert(teile_.end(), z, ende);
        if (inhalt & kInhaltKonfig) frameFertig(jetzt);
        return;
    }
    if (inhalt & kInhaltKonfig) {
        if (ende - z < 4) return;
        const std::size_t woerter = z[0];
        const std::uint8_t flags = z[1];
        const std::uint8_t modus = z[3];
        if (static_cast<std::size_t>(ende - z) < 4 + 4 * woerter) return;
        bool passt = (modus == kModusDiskret || modus == kModusKontinuierlich) &&
                     woerter * 2 == kDeskriptoren.size();
        for (std::size_t d = 0; passt && d < kDeskriptoren.size(); ++d)
            passt = b16(z + 4 + 2 * d) == kDeskriptoren[d];
        passt ? ++konfigurationen_ : ++falscheKonfig_;
        if (passt && (flags & kKonfigRouting)) kanalOffen_ = true;
        schliessen = flags & kKonfigSchliessen;
        z += 4 + 4 * woerter;
    }
    if (!kanalOffen_) return; // data without a configured channel is dropped
    if (chunk == kChunkWelle && ende - z >= 4) {
        const std::uint32_t zeit = (static_cast<std::uint32_t>(m[4]) << 24) | (m[5] << 16) |
                                   (m[6] << 8) | m[7];
        const std::uint32_t dauer = (static_cast<std::uint32_t>(z[1]) << 16) | (z[2] << 8) | z[3];
        if (!welleBegonnen_) {
            welleBegonnen_ = true;
            welleStart_ = jetzt;
            welleNull_ = zeit;
        } else {
            const auto abstand = static_cast<std::int32_t>(zeit - welleWeiter_);
            if (abstand > 2 || abstand < -2) ++wellenLuecken_;
            if (jetzt > welleStart_ + (zeit - welleNull_) * 1e-6) ++zuSpaet_;
        }
        welleWeiter_ = zeit + dauer;
        for (const std::uint8_t* s = z + 4; s + kSampleBytes <= ende; s += kSampleBytes)
            welle_.push_back(sampleLesen(s));
    }
    if ((chunk == kChunkFrame || chunk == kChunkFrameAnfang) && ende - z >= 4) {
        frameDauer_ = ((static_cast<std::uint32_t>(z[1]) << 16) | (z[2] << 8) | z[3]) * 1e-6;
        z += 4; // chunk header: flags and duration
        teile_.assign(z, ende);
        inFrame_ = true;
        if (chunk == kChunkFrame) frameFertig(jetzt);
    }
    if (schliessen) {
        kanalOffen_ = false;
        spielEnde_ = -1;
        ++schliessungen_;
    }
}

long IdnEmulator::frames() const {
    std::lock_guard l(m_);
    return frames_;
}
std::vector<Sample> IdnEmulator::letzterFrame() const {
    std::lock_guard l(m_);
    return letzterFrame_;
}
bool IdnEmulator::kanalOffen() const {
    std::lock_guard l(m_);
    return kanalOffen_;
}
int IdnEmulator::konfigurationen() const {
    std::lock_guard l(m_);
    return konfigurationen_;
}
int IdnEmulator::falscheKonfig() const {
    std::lock_guard l(m_);
    return falscheKonfig_;
}
int IdnEmulator::folgeLuecken() const {
    std::lock_guard l(m_);
    return folgeLuecken_;
}
int IdnEmulator::zeitueberschreitungen() const {
    std::lock_guard l(m_);
    return zeitueberschreitungen_;
}
int IdnEmulator::schliessungen() const {
    std::lock_guard l(m_);
    return schliessungen_;
}

std::vector<Sample> IdnEmulator::welle() const {
    std::lock_guard l(m_);
    return {welle_.begin(), welle_.end()};
}
int IdnEmulator::wellenLuecken() const {
    std::lock_guard l(m_);
    return wellenLuecken_;
}
int IdnEmulator::unterlaeufe() const {
    std::lock_guard l(m_);
    return unterlaeufe_;
}
int IdnEmulator::zuSpaet() const {
    std::lock_guard l(m_);
    return zuSpaet_;
}

} // namespace sw::emu
