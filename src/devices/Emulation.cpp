#include "devices/Emulation.h"

#include "devices/usb/HeliosEmulator.h"
#include "platform/Text.h"

#include <algorithm>
#include <cstring>

namespace sw::emu {

namespace {

void kopieren(const std::string& text, char* ziel, int n) {
    if (!ziel || n <= 0) return;
    const auto laenge = std::min<std::size_t>(text.size(), static_cast<std::size_t>(n));
    std::memcpy(ziel, text.data(), laenge);
    if (laenge < static_cast<std::size_t>(n)) ziel[laenge] = '\0';
}

[[noreturn]] void nichtGeladen(const char* datei) {
    throw Laufzeitfehler(fehlernummer::DateiNichtGefunden, std::string("File not found: ") + datei);
}

std::vector<EmuGeraet> geraeteMit(int anzahl, const std::string& name) {
    std::vector<EmuGeraet> g(static_cast<std::size_t>(std::max(anzahl, 0)));
    for (std::size_t i = 0; i < g.size(); ++i) g[i].name = name + std::to_string(i + 1);
    return g;
}

} // namespace

int EmuGeraet::nehmen(const Uhr& uhr, const std::uint8_t* daten, std::size_t bytes, int anzahl,
                      int pps, double zeichenPunkte) {
    if (ausgesteckt) return -1;
    const double jetzt = uhr.sekunden();
    if (jetzt < belegtBis) {
        ++abgewiesen;
        return 0;
    }
    EmuFrame f;
    f.zeit = jetzt;
    f.punkte = anzahl;
    f.pps = pps;
    f.ttl = ttl;
    f.records.assign(daten, daten + bytes);
    ++frames;
    punkte += anzahl;
    belegtBis = jetzt + (pps > 0 ? zeichenPunkte / pps : 0);
    if (beiFrame) beiFrame(*this, f);
    letzte.push_back(std::move(f));
    if (letzte.size() > kLetzteFrames) letzte.pop_front();
    return 1;
}

int EmuGeraet::bereit(const Uhr& uhr) const {
    if (ausgesteckt) return -1;
    return uhr.sekunden() >= belegtBis ? 1 : 0;
}

// Lumax

Lumax::Lumax(const Uhr& uhr, int anzahl) : geraete(geraeteMit(anzahl, "Emu ")), uhr_(uhr) {}

void Lumax::laden() const {
    if (ladenScheitert) nichtGeladen("Lumax.dll");
}

EmuGeraet* Lumax::geraet(int handle) {
    if (handle < 1 || handle > static_cast<int>(geraete.size())) return nullptr;
    auto& g = geraete[static_cast<std::size_t>(handle - 1)];
    return g.offen && !g.ausgesteckt ? &g : nullptr;
}

int Lumax::Lumax_GetApiVersion() {
    laden();
    return apiVersion;
}
int Lumax::Lumax_GetPhysicalDevices() {
    laden();
    return static_cast<int>(geraete.size());
}
int Lumax::Lumax_OpenDevice(int nummer, int) {
    laden();
    if (nummer < 1 || nummer > static_cast<int>(geraete.size())) return 0;
    auto& g = geraete[static_cast<std::size_t>(nummer - 1)];
    if (g.oeffnenScheitert) return 0;
    g.offen = true;
    return nummer;
}
int Lumax::Lumax_GetDeviceInfo(int handle, int, const std::uint8_t*, int, std::uint8_t* aus,
                               int n) {
    laden();
    if (!geraet(handle)) return -1;
    kopieren("LMX" + std::to_string(handle), reinterpret_cast<char*>(aus), n);
    return 0;
}
int Lumax::Lumax_ExchangeDevInfo(int handle, const std::uint8_t*, int, std::uint8_t*, int) {
    laden();
    return geraet(handle) ? 0 : -1;
}
int Lumax::Lumax_Read_E2P(int handle, std::uint8_t* puffer, int laenge, int) {
    laden();
    auto* g = geraet(handle);
    if (!g) return -1;
    kopieren(g->name, reinterpret_cast<char*>(puffer), laenge);
    return 0;
}
int Lumax::Lumax_Write_E2P(int handle, const std::uint8_t* daten, int laenge, int) {
    laden();
    auto* g = geraet(handle);
    if (!g) return -1;
    g->name.assign(reinterpret_cast<const char*>(daten),
                   strnlen(reinterpret_cast<const char*>(daten), static_cast<std::size_t>(laenge)));
    return 0;
}
int Lumax::Lumax_SetTTL(int handle, int wert) {
    laden();
    auto* g = geraet(handle);
    if (!g) return -1;
    g->ttl = wert;
    return 0;
}
int Lumax::Lumax_WaitForBuffer(int handle, int, std::int32_t* wartezeit, std::int16_t* geaendert) {
    laden();
    auto* g = geraet(handle);
    if (!g) return -1;
    const int b = g->bereit(uhr_);
    *geaendert = static_cast<std::int16_t>(b == 1 ? 1 : 0);
    *wartezeit = b == 1 ? 0 : static_cast<std::int32_t>((g->belegtBis - uhr_.sekunden()) * 1000);
    return 0;
}
int Lumax::Lumax_SendFrame(int handle, const std::uint8_t* daten, int anzahl, int pps, int, int) {
    laden();
    auto* g = geraet(handle);
    if (!g) return -1;
    g->laeuft = true;
    return g->nehmen(uhr_, daten, static_cast<std::size_t>(std::max(anzahl, 0)) * 18, anzahl, pps,
                     anzahl) < 0
               ? -1
               : 0;
}
int Lumax::Lumax_StopFrame(int handle) {
    laden();
    auto* g = geraet(handle);
    if (!g) return -1;
    g->laeuft = false;
    ++g->stopps;
    return 0;
}
int Lumax::Lumax_CloseDevice(int handle) {
    laden();
    if (handle >= 1 && handle <= static_cast<int>(geraete.size()))
        geraete[static_cast<std::size_t>(handle - 1)].offen = false;
    return 0;
}
int Lumax::Lumax_SetDmxMode(int handle, int senden, int empfangen) {
    laden();
    dmxModus[handle] = {senden, empfangen};
    return 0;
}

// JMLaser

JmLaser::JmLaser(const Uhr& uhr, int anzahl)
    : geraete(geraeteMit(anzahl, "JMLaser Emu ")), uhr_(uhr) {}

void JmLaser::laden() const {
    if (ladenScheitert) nichtGeladen("jmlaser.dll");
}

EmuGeraet* JmLaser::nachEintrag(const std::string& e) {
    for (std::size_t i = 0; i < geraete.size(); ++i)
        if (eintrag(static_cast<int>(i)) == e) return &geraete[i];
    return nullptr;
}

EmuGeraet* JmLaser::geraet(int handle) {
    const int i = handle - 100;
    if (i < 0 || i >= static_cast<int>(geraete.size())) return nullptr;
    auto& g = geraete[static_cast<std::size_t>(i)];
    return g.offen && !g.ausgesteckt ? &g : nullptr;
}

int JmLaser::jmLaserOpenDll() {
    laden();
    dllOffen = true;
    return 0;
}
int JmLaser::jmLaserEnumerateDevices() {
    laden();
    return static_cast<int>(geraete.size());
}
int JmLaser::jmLaserGetDeviceListLength() {
    laden();
    return static_cast<int>(geraete.size());
}
int JmLaser::jmLaserGetDeviceListEntryLength(int i) {
    laden();
    return static_cast<int>(eintrag(i).size());
}
int JmLaser::jmLaserGetDeviceListEntry(int i, char* b, int n) {
    laden();
    kopieren(eintrag(i), b, n);
    return 0;
}
int JmLaser::jmLaserGetFriendlyNameLength(const std::string& e) {
    laden();
    auto* g = nachEintrag(e);
    return g ? static_cast<int>(g->name.size()) : -1;
}
int JmLaser::jmLaserGetFriendlyName(const std::string& e, char* b, int n) {
    laden();
    auto* g = nachEintrag(e);
    if (!g) return -1;
    kopieren(g->name, b, n);
    return 0;
}
int JmLaser::jmLaserGetDeviceFamilyNameLength(const std::string& e) {
    laden();
    auto* g = nachEintrag(e);
    return g ? static_cast<int>(g->familie.size()) : -1;
}
int JmLaser::jmLaserGetDeviceFamilyName(const std::string& e, char* b, int n) {
    laden();
    auto* g = nachEintrag(e);
    if (!g) return -1;
    kopieren(g->familie, b, n);
    return 0;
}
int JmLaser::jmLaserOpenDevice(const std::string& e) {
    laden();
    auto* g = nachEintrag(e);
    if (!g || g->oeffnenScheitert || g->ausgesteckt) return -1;
    g->offen = true;
    return 100 + static_cast<int>(g - geraete.data());
}
int JmLaser::jmLaserSetNumUsedColorChannels(int h, int) {
    laden();
    return geraet(h) ? 0 : -1;
}
int JmLaser::jmLaserGetNumUniverses(int h, int richtung) {
    laden();
    auto* g = geraet(h);
    if (!g) return -1;
    return static_cast<int>((richtung == 0 ? g->universenAus : g->universenEin).size());
}
int JmLaser::jmLaserGetUniverseNameLength(int h, int richtung, int u) {
    laden();
    auto* g = geraet(h);
    if (!g) return -1;
    const auto& liste = richtung == 0 ? g->universenAus : g->universenEin;
    return u >= 0 && u < static_cast<int>(liste.size())
               ? static_cast<int>(liste[static_cast<std::size_t>(u)].size())
               : -1;
}
int JmLaser::jmLaserGetUniverseName(int h, int richtung, int u, char* b, int n) {
    laden();
    auto* g = geraet(h);
    if (!g) return -1;
    const auto& liste = richtung == 0 ? g->universenAus : g->universenEin;
    if (u < 0 || u >= static_cast<int>(liste.size())) return -1;
    kopieren(liste[static_cast<std::size_t>(u)], b, n);
    return 0;
}
int JmLaser::jmLaserStartOutput(int h) {
    laden();
    auto* g = geraet(h);
    if (!g) return -1;
    g->laeuft = true;
    ++g->starts;
    return 0;
}
int JmLaser::jmLaserStopOutput(int h) {
    laden();
    auto* g = geraet(h);
    if (!g) return -1;
    g->laeuft = false;
    ++g->stopps;
    return 0;
}
int JmLaser::jmLaserIsDeviceReady(int h) {
    laden();
    auto* g = geraet(h);
    if (!g) return -1;
    return g->laeuft ? g->bereit(uhr_) : 0;
}
int JmLaser::jmLaserWriteFrame(int h, const std::uint8_t* daten, int anzahl, int pps, int) {
    laden();
    auto* g = geraet(h);
    if (!g) return -1;
    if (!g->laeuft) return -1;
    return g->nehmen(uhr_, daten, static_cast<std::size_t>(std::max(anzahl, 0)) * 24, anzahl, pps,
                     anzahl) < 0
               ? -1
               : 0;
}
int JmLaser::jmLaserCloseDevice(int h) {
    laden();
    const int i = h - 100;
    if (i >= 0 && i < static_cast<int>(geraete.size()))
        geraete[static_cast<std::size_t>(i)].offen = false;
    return 0;
}
int JmLaser::jmLaserCloseDll() {
    laden();
    dllOffen = false;
    return 0;
}
int JmLaser::jmLaserSetFriendlyName(const std::string& e, const std::string& name) {
    laden();
    auto* g = nachEintrag(e);
    if (!g) return -1;
    g->name = name;
    return 0;
}

// Riya

Riya::Riya(const Uhr& uhr, int anzahl) : geraete(geraeteMit(anzahl, "Riya Emu ")), uhr_(uhr) {}

void Riya::laden() const {
    if (ladenScheitert) nichtGeladen("RiyaNetServer_stdcall.dll");
}

EmuGeraet* Riya::geraet(int kanal) {
    if (kanal < 0 || kanal >= static_cast<int>(geraete.size())) return nullptr;
    auto& g = geraete[static_cast<std::size_t>(kanal)];
    return g.ausgesteckt ? nullptr : &g;
}

std::uint8_t Riya::RiOpenDevices() {
    laden();
    for (auto& g : geraete) g.offen = true;
    return static_cast<std::uint8_t>(geraete.size());
}
int Riya::Ri_InitChanal(std::uint8_t k) {
    laden();
    return geraet(k) ? 0 : -1;
}
int Riya::Ri_EnableDMX(std::uint8_t k, bool, bool, bool) {
    laden();
    return geraet(k) ? 0 : -1;
}
int Riya::RiSetTTL(std::uint8_t k, int wert) {
    laden();
    auto* g = geraet(k);
    if (!g) return -1;
    g->ttl = wert;
    return 0;
}
int Riya::RiSetShowCadr(std::uint8_t k, const std::uint8_t* daten, int anzahl, int periode, int) {
    laden();
    auto* g = geraet(k);
    if (!g) return -1;
    g->laeuft = true;
    const int pps = periode > 0 ? static_cast<int>(1 / (periode * 3e-08) + 0.5) : 0;
    return g->nehmen(uhr_, daten, static_cast<std::size_t>(std::max(anzahl, 0)) * 8, anzahl, pps,
                     anzahl);
}
int Riya::RiStopShow(std::uint8_t k) {
    laden();
    auto* g = geraet(k);
    if (!g) return -1;
    g->laeuft = false;
    ++g->stopps;
    return 0;
}
int Riya::RiCloseDevices() {
    laden();
    for (auto& g : geraete) g.offen = false;
    return 0;
}

// ML driver

MlDriver::MlDriver(const Uhr& uhr, bool vorhanden)
    : geraete(geraeteMit(vorhanden ? 1 : 0, "ML Emu ")), uhr_(uhr) {}

void MlDriver::laden() const {
    if (ladenScheitert) nichtGeladen("ML_Driver.mld");
}

EmuGeraet* MlDriver::geraet(int d) {
    if (d != 0 || geraete.empty()) return nullptr;
    return geraete[0].ausgesteckt ? nullptr : &geraete[0];
}

bool MlDriver::MLDevicePresent() {
    laden();
    return !geraete.empty();
}
int MlDriver::MLGetName(char* b, int n) {
    laden();
    kopieren("EmuML", b, n);
    return 0;
}
int MlDriver::MLRegisterDriver(char* b, int n) {
    laden();
    kopieren("MLDevice", b, n);
    return 7;
}
int MlDriver::MLInitDevice(int) {
    laden();
    if (geraete.empty() || geraete[0].oeffnenScheitert) return -1;
    geraete[0].offen = true;
    return 0;
}
int MlDriver::MLInitShow(int, int d) {
    laden();
    auto* g = geraet(d);
    if (!g) return -1;
    g->laeuft = true;
    ++g->starts;
    return 0;
}
int MlDriver::MLHaltShow(int, int d) {
    laden();
    auto* g = geraet(d);
    if (!g) return -1;
    g->laeuft = false;
    ++g->stopps;
    return 0;
}
int MlDriver::MLParams(int, int d, const std::uint8_t* block) {
    laden();
    if (!geraet(d)) return -1;
    std::copy(block, block + 7, letzteParameter.begin());
    pps_ = block[2] | (block[3] << 8) | (block[4] << 16);
    return 0;
}
int MlDriver::MLDraw(int, int d, const std::uint8_t* daten, int anzahl) {
    laden();
    auto* g = geraet(d);
    if (!g) return -1;
    return g->nehmen(uhr_, daten, static_cast<std::size_t>(std::max(anzahl, 0)) * 15, anzahl, pps_,
                     anzahl);
}
int MlDriver::MLHalt() {
    laden();
    return 0;
}

std::map<std::string, int> beschreibungLesen(const std::string& beschreibung) {
    std::map<std::string, int> aus;
    std::size_t start = 0;
    while (start <= beschreibung.size()) {
        auto ende = beschreibung.find(',', start);
        if (ende == std::string::npos) ende = beschreibung.size();
        std::string teil(trimmen(std::string_view(beschreibung).substr(start, ende - start)));
        const auto doppel = teil.find(':');
        std::string art = teil.substr(0, doppel);
        for (auto& c : art) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        int anzahl = 1;
        if (doppel != std::string::npos) {
            try {
                anzahl = std::stoi(teil.substr(doppel + 1));
            } catch (const std::exception&) {
                anzahl = 0;
            }
        }
        if ((art == "lumax" || art == "jmlaser" || art == "riya" || art == "ml" ||
             art == "helios") &&
            anzahl > 0)
            aus[art] = std::min(anzahl, art == "riya" ? 4 : 16);
        start = ende + 1;
    }
    return aus;
}

void einrichten(Bibliotheken& b, const Uhr& uhr, const std::string& beschreibung) {
    for (const auto& [art, anzahl] : beschreibungLesen(beschreibung)) {
        if (art == "lumax")
            b.lumax = std::make_unique<Lumax>(uhr, anzahl);
        else if (art == "jmlaser")
            b.jmlaser = std::make_unique<JmLaser>(uhr, anzahl);
        else if (art == "riya")
            b.riya = std::make_unique<Riya>(uhr, anzahl);
        else if (art == "ml")
            b.mldriver = std::make_unique<MlDriver>(uhr, true);
        else if (art == "helios")
            b.usb = std::make_shared<HeliosEmulator>(anzahl);
    }
    b.ezauddac = std::make_unique<EzAudDac>();
}

} // namespace sw::emu
