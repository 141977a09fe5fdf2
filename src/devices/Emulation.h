#pragma once
// Emulated vendor libraries, for tests, demos and training without lasers. Each emulated device
// takes a frame only when the previous one has been drawn at its points per second, on the
// program's clock; it records what it received and can be told to fail: the library cannot be
// loaded, a device cannot be opened, or a device is unplugged in the middle of a show.
//
// Choose the emulation with the environment variable STRAHLWERK_EMULATE or the settings key
// "Geraete" of section "Emulation", both holding kinds with their device counts:
// "lumax:2,jmlaser:1,riya:1,ml:1,helios:1".

#include "devices/Bibliotheken.h"
#include "devices/Geraete.h"
#include "platform/Uhr.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace sw::emu {

struct EmuFrame {
    double zeit = 0; // program time when the device took it
    int punkte = 0;  // count passed
    int pps = 0;
    int ttl = 0;
    std::vector<std::uint8_t> records;
};

// One emulated DAC.
struct EmuGeraet {
    std::string name;
    std::string familie = "NLLP";
    std::vector<std::string> universenAus{"DMX Out 1", "TTL Out"};
    std::vector<std::string> universenEin{"DMX In 1"};
    bool oeffnenScheitert = false;
    bool ausgesteckt = false;

    // State and what it received.
    bool offen = false;
    bool laeuft = false;
    double belegtBis = 0;
    int ttl = 0;
    long frames = 0;
    long punkte = 0;
    long abgewiesen = 0; // frames offered before the previous one was drawn
    int starts = 0, stopps = 0;
    std::deque<EmuFrame> letzte; // the most recent frames
    std::function<void(const EmuGeraet&, const EmuFrame&)> beiFrame;

    // Takes the frame when the previous one is drawn; 1 taken, 0 busy, -1 unplugged.
    int nehmen(const Uhr& uhr, const std::uint8_t* daten, std::size_t bytes, int punkte, int pps,
               double zeichenPunkte);
    int bereit(const Uhr& uhr) const;
};

inline constexpr std::size_t kLetzteFrames = 8;

class Lumax : public LumaxBibliothek {
public:
    Lumax(const Uhr& uhr, int anzahl);
    std::vector<EmuGeraet> geraete;
    int apiVersion = 210;
    bool ladenScheitert = false;

    int Lumax_GetApiVersion() override;
    int Lumax_GetPhysicalDevices() override;
    int Lumax_OpenDevice(int nummer, int) override;
    int Lumax_GetDeviceInfo(int, int, const std::uint8_t*, int, std::uint8_t* aus, int n) override;
    int Lumax_ExchangeDevInfo(int, const std::uint8_t*, int, std::uint8_t*, int) override;
    int Lumax_Read_E2P(int handle, std::uint8_t* puffer, int laenge, int) override;
    int Lumax_SetTTL(int handle, int wert) override;
    int Lumax_WaitForBuffer(int handle, int, std::int32_t* wartezeit,
                            std::int16_t* geaendert) override;
    int Lumax_SendFrame(int handle, const std::uint8_t* daten, int anzahl, int pps, int,
                        int) override;
    int Lumax_StopFrame(int handle) override;
    int Lumax_CloseDevice(int handle) override;
    int Lumax_SetDmxMode(int handle, int senden, int empfangen) override;
    int Lumax_SendDmx(int, const std::uint8_t*, int) override { return 0; }
    int Lumax_ReceiveDmx(int, std::uint8_t*, int) override { return 0; }
    int Lumax_Write_E2P(int handle, const std::uint8_t* daten, int laenge, int) override;

    std::map<int, std::pair<int, int>> dmxModus; // handle: send and receive channels

private:
    EmuGeraet* geraet(int handle);
    void laden() const;
    const Uhr& uhr_;
};

class JmLaser : public JmLaserBibliothek {
public:
    JmLaser(const Uhr& uhr, int anzahl);
    std::vector<EmuGeraet> geraete;
    bool ladenScheitert = false;
    bool dllOffen = false;

    int jmLaserOpenDll() override;
    int jmLaserEnumerateDevices() override;
    int jmLaserGetDeviceListLength() override;
    int jmLaserGetDeviceListEntryLength(int i) override;
    int jmLaserGetDeviceListEntry(int i, char* b, int n) override;
    int jmLaserGetFriendlyNameLength(const std::string& e) override;
    int jmLaserGetFriendlyName(const std::string& e, char* b, int n) override;
    int jmLaserGetDeviceFamilyNameLength(const std::string& e) override;
    int jmLaserGetDeviceFamilyName(const std::string& e, char* b, int n) override;
    int jmLaserOpenDevice(const std::string& e) override;
    int jmLaserGetNumColorChannels(int) override { return 4; }
    int jmLaserSetNumUsedColorChannels(int h, int) override;
    int jmLaserGetMinSpeed(int) override { return 1000; }
    int jmLaserGetMaxSpeed(int) override { return 65000; }
    int jmLaserGetSpeedStep(int) override { return 1; }
    int jmLaserGetMaxFrameSize(int) override { return 16000; }
    int jmLaserGetNumUniverses(int h, int richtung) override;
    int jmLaserGetUniverseNameLength(int h, int richtung, int u) override;
    int jmLaserGetUniverseName(int h, int richtung, int u, char* b, int n) override;
    int jmLaserStartOutput(int h) override;
    int jmLaserStopOutput(int h) override;
    int jmLaserIsDeviceReady(int h) override;
    int jmLaserWriteFrame(int h, const std::uint8_t* daten, int anzahl, int pps, int) override;
    int jmLaserCloseDevice(int h) override;
    int jmLaserCloseDll() override;
    int jmLaserUniverseWrite(int, int, const std::uint8_t*, int) override { return 0; }
    int jmLaserUniverseUpdate(int) override { return 0; }
    int jmLaserUniverseRead(int, int, std::uint8_t*, int) override { return 0; }
    int jmLaserSetFriendlyName(const std::string& e, const std::string& name) override;

    static std::string eintrag(int i) { return "jmlaser-emu-" + std::to_string(i); }

private:
    EmuGeraet* nachEintrag(const std::string& e);
    EmuGeraet* geraet(int handle);
    void laden() const;
    const Uhr& uhr_;
};

class Riya : public RiyaBibliothek {
public:
    Riya(const Uhr& uhr, int anzahl);
    std::vector<EmuGeraet> geraete;
    bool ladenScheitert = false;

    std::uint8_t RiOpenDevices() override;
    int Ri_InitChanal(std::uint8_t k) override;
    int Ri_EnableDMX(std::uint8_t k, bool, bool, bool) override;
    int RiSetTTL(std::uint8_t k, int wert) override;
    int RiSetShowCadr(std::uint8_t k, const std::uint8_t* daten, int anzahl, int periode,
                      int) override;
    int RiStopShow(std::uint8_t k) override;
    int RiCloseDevices() override;

private:
    EmuGeraet* geraet(int kanal);
    void laden() const;
    const Uhr& uhr_;
};

class MlDriver : public MlDriverBibliothek {
public:
    MlDriver(const Uhr& uhr, bool vorhanden);
    std::vector<EmuGeraet> geraete; // one device
    bool ladenScheitert = false;
    std::array<std::uint8_t, 7> letzteParameter{};

    bool MLDevicePresent() override;
    int MLGetName(char* b, int n) override;
    int MLRegisterDriver(char* b, int n) override;
    int MLInitDevice(int kennung) override;
    int MLInitShow(int, int d) override;
    int MLHaltShow(int, int d) override;
    int MLParams(int, int d, const std::uint8_t* block) override;
    int MLDraw(int, int d, const std::uint8_t* daten, int anzahl) override;
    int MLHalt() override;

private:
    EmuGeraet* geraet(int d);
    void laden() const;
    const Uhr& uhr_;
    int pps_ = 0;
};

class EzAudDac : public EzAudDacBibliothek {
public:
    int EzAudDacClose() override { return 0; }
};

// The kinds and counts of a description such as "lumax:2,jmlaser:1"; unknown kinds are left out.
std::map<std::string, int> beschreibungLesen(const std::string& beschreibung);

// Puts emulated libraries in place of the missing ones for the kinds described.
void einrichten(Bibliotheken& b, const Uhr& uhr, const std::string& beschreibung);

} // namespace sw::emu
