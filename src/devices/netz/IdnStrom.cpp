#include "devices/netz/IdnStrom.h"

#include "devices/Stromantworten.h"

#include <algorithm>
#include <cstring>

namespace sw {

using namespace idn;
using namespace std::chrono_literals;

namespace {
constexpr auto kKonfigAbstand = 200ms;
constexpr auto kPingAbstand = 500ms;
constexpr auto kVerloren = 1000ms;
} // namespace

IdnStrom::IdnStrom(Optionen o)
    : Strom(kSampleBytes), opt_(std::move(o)), rate_(std::max<std::uint32_t>(opt_.punktrate, 1)),
      pufferziel_(opt_.untergrenze, opt_.latenz) {
    udp_.binden("0.0.0.0", 0);
    thread_ = std::thread([this] { lauf(); });
}

IdnStrom::~IdnStrom() {
    ende_ = true;
    if (thread_.joinable()) thread_.join();
}

void IdnStrom::rateSetzen(std::uint32_t rate) {
    if (rate > 0) rate_ = rate;
}

double IdnStrom::dauer(std::size_t samples) const {
    return static_cast<double>(samples) / rate_;
}

void IdnStrom::frameSenden(const std::vector<std::uint8_t>& samples, bool schliessen, Zeit beginn) {
    const Zeit jetzt = beginn;
    FrameNachricht n;
    n.kanal = opt_.kanal;
    n.zeitstempel = static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(jetzt - start_).count());
    const std::size_t anzahl = samples.size() / kSampleBytes;
    n.dauer = static_cast<std::uint32_t>(std::min(dauer(anzahl) * 1e6, 16777215.0));
    n.konfig = !kanalOffen_ || schliessen || jetzt - letzteKonfig_ >= kKonfigAbstand;
    n.schliessen = schliessen;
    n.welle = opt_.welle;
    for (const auto& d : frameDatagramme(n, samples.data(), anzahl, folge_))
        udp_.senden(opt_.ziel, d.data(), d.size());
    if (n.konfig) letzteKonfig_ = jetzt;
    kanalOffen_ = !schliessen;
    letzterVersand_ = jetzt;
    frameEnde_ = jetzt + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                             std::chrono::duration<double>(dauer(anzahl)));
}

void IdnStrom::stueckSenden(const std::uint8_t* samples, std::size_t anzahl, Zeit jetzt) {
    stueck_.assign(samples, samples + anzahl * kSampleBytes);
    // The chunk's timestamp is where the wave stands, not when it leaves.
    const Zeit beginn = welleBis_;
    frameSenden(stueck_, false, beginn);
    letzterVersand_ = jetzt;
    welleBis_ = frameEnde_;
}

IdnStrom::Zeit::duration IdnStrom::voraus() const {
    return std::chrono::duration_cast<Zeit::duration>(
        std::chrono::duration<double>(pufferziel_.ziel()));
}

void IdnStrom::framesSenden(Zeit jetzt) {
    if (frameEnde_ < jetzt) frameEnde_ = jetzt; // nothing queued (start, or after a loss)
    while (frameEnde_ < jetzt + voraus()) {
        if (!neuenFrameNehmen(frame_) && !frame_.empty()) wiederholt();
        if (frame_.empty()) return;
        frameSenden(frame_, false, frameEnde_);
    }
}

void IdnStrom::welleSenden(Zeit jetzt) {
    if (welleBis_ < jetzt) welleBis_ = jetzt; // nothing queued (start, or after a loss)
    const auto voraus = this->voraus();
    const std::size_t stueck =
        std::clamp<std::size_t>(rate_ / 200, 1, kMaxWelle); // about 5 ms each
    std::vector<std::uint8_t> teil;
    while (welleBis_ < jetzt + voraus) {
        teil.clear();
        for (std::size_t k = 0; k < stueck; ++k) {
            if (position_ >= frame_.size()) {
                position_ = 0;
                if (!neuenFrameNehmen(frame_) && !frame_.empty()) wiederholt();
            }
            if (frame_.empty()) return;
            teil.insert(teil.end(), frame_.begin() + static_cast<long>(position_),
                        frame_.begin() + static_cast<long>(position_ + kSampleBytes));
            position_ += kSampleBytes;
        }
        stueckSenden(teil.data(), stueck, jetzt);
    }
}

void IdnStrom::pingen(Zeit jetzt) {
    if (jetzt - letzterPing_ < kPingAbstand) return;
    letzterPing_ = jetzt;
    std::uint8_t ping[kKopfBytes];
    kopfSchreiben({kPingAnfrage, 0, pingFolge_++}, ping);
    udp_.senden(opt_.ziel, ping, sizeof ping);
}

void IdnStrom::antwortenLesen(Zeit jetzt) {
    std::uint8_t puffer[64];
    while (udp_.lesbar(0)) {
        const long n = udp_.empfangen(puffer, sizeof puffer, 0);
        if (n < 0) break;
        if (pingBeantwortet(puffer, static_cast<std::size_t>(n), pingFolge_))
            letzteAntwort_ = jetzt;
    }
    const bool verloren = jetzt - letzteAntwort_ > kVerloren;
    if (verloren && !gestoert()) {
        kanalOffen_ = false; // it will need the configuration again
        stoerung("no answer from " + opt_.ziel.ip + ":" + std::to_string(opt_.ziel.port));
    } else if (!verloren && gestoert()) {
        wiederDa();
    }
}

void IdnStrom::lauf() {
    echtzeitAnfordern();
    start_ = letzteAntwort_ = std::chrono::steady_clock::now();
    Zeit vorher = start_;
    while (!ende_) {
        const Zeit jetzt = std::chrono::steady_clock::now();
        // The time since the last pass is a gap the receiver's queue had to bridge.
        pufferziel_.luecke(std::chrono::duration<double>(jetzt - start_).count(),
                           std::chrono::duration<double>(jetzt - vorher).count());
        vorher = jetzt;
        pingen(jetzt);
        antwortenLesen(jetzt);
        if (!gestoert() && opt_.welle)
            welleSenden(jetzt);
        else if (!gestoert())
            framesSenden(jetzt);
        const Zeit bis = opt_.welle ? welleBis_ : frameEnde_;
        pufferMelden(pufferziel_.ziel(),
                     std::max(0.0, std::chrono::duration<double>(bis - jetzt).count()));
        udp_.lesbar(1);
        cpuMessen();
    }
    dunkelUndSchliessen();
}

void IdnStrom::dunkelUndSchliessen() {
    if (!kanalOffen_ || gestoert() || frame_.empty()) return;
    // Dark at the last position, then dark at the centre.
    const std::size_t anzahl = std::max<std::size_t>(20, rate_ / 200);
    std::vector<std::uint8_t> dunkel(anzahl * kSampleBytes, 0);
    Sample letzter = sampleLesen(frame_.data() + frame_.size() - kSampleBytes);
    letzter.r = letzter.g = letzter.b = letzter.i = 0;
    for (std::size_t k = 0; k < anzahl / 2; ++k)
        sampleSchreiben(letzter, dunkel.data() + k * kSampleBytes);
    // Let the current frame finish, then the dark one, at most half a second in all.
    const Zeit grenze = std::chrono::steady_clock::now() + 500ms;
    if (opt_.welle) {
        // The dark samples continue the wave.
        for (std::size_t k = 0; k < anzahl; k += kMaxWelle)
            stueckSenden(dunkel.data() + k * kSampleBytes, std::min(kMaxWelle, anzahl - k),
                         std::chrono::steady_clock::now());
    } else {
        // Queued like any frame, after the current one.
        std::this_thread::sleep_until(std::min(frameEnde_ - voraus(), grenze));
        frameSenden(dunkel, false, std::max(frameEnde_, std::chrono::steady_clock::now()));
    }
    std::this_thread::sleep_until(std::min(frameEnde_, grenze));
    const auto schliessen = schliessenDatagramm(folge_++);
    udp_.senden(opt_.ziel, schliessen.data(), schliessen.size());
    kanalOffen_ = false;
}

} // namespace sw
