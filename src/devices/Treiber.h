#pragma once
// The writers of the vendor kinds and their send steps. Each kind has one growing frame buffer
// of fixed-size records that the logical devices of that kind use in turn; the counter holds
// the index of the last record (-1 at the start of every device's turn). After a device's
// points the send step hands the frame to the library when the device is ready:
//   Lumax     Lumax_WaitForBuffer says a new frame may go; count = points
//   JMLaser   jmLaserIsDeviceReady is 1; count = points - 1
//   Riya      always offered; count = points - 1, point period in 30 ns units
//   MLDriver  always offered after the parameter block; count = points
//   EtherDream, IDN  handed to the device's streaming thread, which keeps it playing
// A streaming device's buffer target is logged when it changes (at most every five seconds per
// device), and a refusal of real-time scheduling for the streaming threads once.
// A device that fails (a library error, an unplugged device) is reported once and left alone
// while the others go on; it is tried again once a second and used again when it answers.
// Stopping sends every running device a blanked frame before its stop call.

#include "devices/Geraete.h"
#include "output/Ausgabe.h"
#include "platform/Umgebung.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace sw {

class Dacausgabe;
class Strom;

class KindSchreiber : public Geraeteschreiber {
public:
    KindSchreiber(Dacausgabe& a, Geraetetyp typ, std::size_t recordGroesse, int wachstum,
                  void (*kodieren)(const Ausgabepunkt&, std::uint8_t*), const char* name);
    void zyklusBeginn(int geraet) override;
    void punkt(int geraet, const Ausgabepunkt& p) override;
    void senden(int geraet) override;

    Geraetetyp typ() const { return typ_; }
    std::size_t recordGroesse() const { return groesse_; }
    long zaehler() const { return zaehler_; }
    const std::uint8_t* daten() const { return puffer_.data(); }
    std::uint8_t* daten() { return puffer_.data(); }

private:
    Dacausgabe& ausgabe_;
    Geraetetyp typ_;
    std::size_t groesse_;
    int wachstum_;
    void (*kodieren_)(const Ausgabepunkt&, std::uint8_t*);
    std::string fehlerText_;
    std::vector<std::uint8_t> puffer_;
    long zaehler_ = -1;
};

class Dacausgabe {
public:
    Dacausgabe(Geraete& g, Umgebung& env);
    ~Dacausgabe();

    // Registers the writers with the pipeline and tells it the kind behind each logical device;
    // run again after an assignment changes.
    void anmelden(AusgabeZustand& a);
    void typenUebertragen(AusgabeZustand& a) const;

    // Playback starts: ML shows and jmlaser outputs start.
    void starten();
    // Playback stops: a blanked frame to every running device, then its stop call.
    void stoppen();
    // Program end: every device and library closed, in order, with the log lines.
    void schliessen();

    // The TTL value requested for this cycle, per logical device.
    std::array<std::int32_t, kGeraete> ttlAngefordert{};
    std::array<std::int32_t, kGeraete> ttlGesendet{};
    // The ML driver's intensity shift in points (0: none).
    int mlIntensitaetsVersatz = 0;
    // Every frame a library took: logical device, kind, count, points per second, records.
    std::function<void(int geraet, Geraetetyp typ, int anzahl, int pps, const std::uint8_t* daten,
                       std::size_t bytes)>
        gesendet;

    bool gestoert(int geraet) const { return stoerung_[static_cast<std::size_t>(geraet)].aktiv; }
    KindSchreiber& schreiber(Geraetetyp typ);
    // The streaming thread of a logical device with a streaming kind, if it runs.
    const Strom* laufenderStrom(int geraet) const;

private:
    friend class KindSchreiber;
    void senden(KindSchreiber& w, int geraet);
    // The kind's send call; returns 1 when the frame was taken, 0 when the device was not
    // ready, below 0 on a fault (library calls may also throw).
    int sendeSchritt(KindSchreiber& w, int geraet);
    void stoerungMelden(int geraet, const std::string& grund);
    void wiederDa(int geraet);
    void dunklerFrame(KindSchreiber& w, int geraet);
    void stromBeobachten(int geraet, const Strom& s);
    Strom& strom(int geraet);
    void stroemeBeenden();
    void verwaisteStroemeBeenden();

    Geraete& g_;
    Umgebung& env_;
    std::vector<std::unique_ptr<KindSchreiber>> schreiber_;
    struct Stoerung {
        bool aktiv = false;
        double naechsterVersuch = 0;
    };
    std::array<Stoerung, kGeraete> stoerung_{};
    struct Zielmeldung {
        long ms = -1;        // the target last logged
        double naechste = 0; // the earliest time for the next line
    };
    std::array<Zielmeldung, kGeraete> zielmeldung_{};
    bool echtzeitGemeldet_ = false;
    // The streaming devices' threads, by device list index; they live while playback runs.
    std::map<int, std::unique_ptr<Strom>> stroeme_;
};

const char* artName(Geraetetyp typ);

} // namespace sw
