#pragma once
// The five vendor libraries, each with the calls the program makes and what it relies on.
// The base classes behave as a computer without the vendor's driver: every call raises
// runtime error 53 (the library file is not found), so the detection routine logs its text and
// start-up goes on. The emulated libraries (Emulation.h) implement them for tests and demos.

#include "platform/Fehler.h"

#include <cstdint>
#include <string>

namespace sw {

class FehlendeBibliothek {
protected:
    [[noreturn]] static void fehlt(const char* datei) {
        throw Laufzeitfehler(fehlernummer::DateiNichtGefunden,
                             std::string("File not found: ") + datei);
    }
};

class JmLaserBibliothek : protected FehlendeBibliothek {
public:
    virtual ~JmLaserBibliothek() = default;
    virtual int jmLaserOpenDll() { fehlt("jmlaser.dll"); }
    virtual int jmLaserEnumerateDevices() { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetDeviceListLength() { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetDeviceListEntryLength(int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetDeviceListEntry(int, char*, int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetFriendlyNameLength(const std::string&) { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetFriendlyName(const std::string&, char*, int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetDeviceFamilyNameLength(const std::string&) { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetDeviceFamilyName(const std::string&, char*, int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserOpenDevice(const std::string&) { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetNumColorChannels(int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserSetNumUsedColorChannels(int, int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetMinSpeed(int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetMaxSpeed(int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetSpeedStep(int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetMaxFrameSize(int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetNumUniverses(int, int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetUniverseNameLength(int, int, int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserGetUniverseName(int, int, int, char*, int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserStartOutput(int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserStopOutput(int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserIsDeviceReady(int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserWriteFrame(int, const std::uint8_t*, int, int, int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserCloseDevice(int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserCloseDll() { fehlt("jmlaser.dll"); }
    virtual int jmLaserUniverseWrite(int, int, const std::uint8_t*, int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserUniverseUpdate(int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserUniverseRead(int, int, std::uint8_t*, int) { fehlt("jmlaser.dll"); }
    virtual int jmLaserSetFriendlyName(const std::string&, const std::string&) {
        fehlt("jmlaser.dll");
    }
};

class LumaxBibliothek : protected FehlendeBibliothek {
public:
    virtual ~LumaxBibliothek() = default;
    virtual int Lumax_GetApiVersion() { fehlt("Lumax.dll"); }
    virtual int Lumax_GetPhysicalDevices() { fehlt("Lumax.dll"); }
    virtual int Lumax_OpenDevice(int, int) { fehlt("Lumax.dll"); }
    virtual int Lumax_GetDeviceInfo(int, int, const std::uint8_t*, int, std::uint8_t*, int) {
        fehlt("Lumax.dll");
    }
    virtual int Lumax_ExchangeDevInfo(int, const std::uint8_t*, int, std::uint8_t*, int) {
        fehlt("Lumax.dll");
    }
    virtual int Lumax_Read_E2P(int, std::uint8_t*, int, int) { fehlt("Lumax.dll"); }
    virtual int Lumax_SetTTL(int, int) { fehlt("Lumax.dll"); }
    // Sets `geaendert` to 1 when the device takes a new frame.
    virtual int Lumax_WaitForBuffer(int, int, std::int32_t* wartezeit, std::int16_t* geaendert) {
        (void)wartezeit, (void)geaendert;
        fehlt("Lumax.dll");
    }
    virtual int Lumax_SendFrame(int, const std::uint8_t*, int, int, int, int) {
        fehlt("Lumax.dll");
    }
    virtual int Lumax_StopFrame(int) { fehlt("Lumax.dll"); }
    virtual int Lumax_CloseDevice(int) { fehlt("Lumax.dll"); }
    virtual int Lumax_SetDmxMode(int, int, int) { fehlt("Lumax.dll"); }
    virtual int Lumax_SendDmx(int, const std::uint8_t*, int) { fehlt("Lumax.dll"); }
    virtual int Lumax_ReceiveDmx(int, std::uint8_t*, int) { fehlt("Lumax.dll"); }
    virtual int Lumax_Write_E2P(int, const std::uint8_t*, int, int) { fehlt("Lumax.dll"); }
};

class RiyaBibliothek : protected FehlendeBibliothek {
public:
    virtual ~RiyaBibliothek() = default;
    virtual std::uint8_t RiOpenDevices() { fehlt("RiyaNetServer_stdcall.dll"); }
    virtual int Ri_InitChanal(std::uint8_t) { fehlt("RiyaNetServer_stdcall.dll"); }
    virtual int Ri_EnableDMX(std::uint8_t, bool, bool, bool) { fehlt("RiyaNetServer_stdcall.dll"); }
    virtual int RiSetTTL(std::uint8_t, int) { fehlt("RiyaNetServer_stdcall.dll"); }
    // The result is kept: 1 when the frame was taken.
    virtual int RiSetShowCadr(std::uint8_t, const std::uint8_t*, int, int, int) {
        fehlt("RiyaNetServer_stdcall.dll");
    }
    virtual int RiStopShow(std::uint8_t) { fehlt("RiyaNetServer_stdcall.dll"); }
    virtual int RiCloseDevices() { fehlt("RiyaNetServer_stdcall.dll"); }
};

class EzAudDacBibliothek : protected FehlendeBibliothek {
public:
    virtual ~EzAudDacBibliothek() = default;
    virtual int EzAudDacClose() { fehlt("EzAudDac.dll"); }
};

class MlDriverBibliothek : protected FehlendeBibliothek {
public:
    virtual ~MlDriverBibliothek() = default;
    virtual bool MLDevicePresent() { fehlt("ML_Driver.mld"); }
    virtual int MLGetName(char*, int) { fehlt("ML_Driver.mld"); }
    // The name buffer reads "MLDevice" afterwards when the driver accepted the name.
    virtual int MLRegisterDriver(char*, int) { fehlt("ML_Driver.mld"); }
    // The device number, or below 0 on failure.
    virtual int MLInitDevice(int) { fehlt("ML_Driver.mld"); }
    virtual int MLInitShow(int, int) { fehlt("ML_Driver.mld"); }
    virtual int MLHaltShow(int, int) { fehlt("ML_Driver.mld"); }
    virtual int MLParams(int, int, const std::uint8_t*) { fehlt("ML_Driver.mld"); }
    // 1 when the frame was taken.
    virtual int MLDraw(int, int, const std::uint8_t*, int) { fehlt("ML_Driver.mld"); }
    virtual int MLHalt() { fehlt("ML_Driver.mld"); }
};

} // namespace sw
