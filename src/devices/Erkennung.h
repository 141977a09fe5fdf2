#pragma once
// Detection of the devices of each vendor kind: each routine appends an entry per device found
// to the device list, and logs or shows its own messages when the library is missing or fails;
// start-up then goes on with the next routine.

#include "devices/Geraete.h"
#include "platform/Umgebung.h"

#include <future>
#include <string>
#include <vector>

namespace sw {

void InitMLDrivers(Geraete& g, Umgebung& env);
void Init_Lumax(Geraete& g, Umgebung& env);
void Init_JMLaser(Geraete& g, Umgebung& env);
void Init_Riya(Geraete& g, Umgebung& env);

// The network discovery runs in the background for the search time while the vendor routines
// run: it listens for the status broadcasts of Ether Dream DACs and scans for IDN receivers
// with IDN-Hello. Each Init_ call waits for its half and lists what was found.
class Netzsuche {
public:
    struct Fund {
        GeraeteEintrag eintrag; // Typ NoDevice: a failure, only the log line counts
        std::string zeile;
    };
    explicit Netzsuche(const Netzeinstellungen& netz);
    ~Netzsuche();
    Netzsuche(const Netzsuche&) = delete;
    Netzsuche& operator=(const Netzsuche&) = delete;
    void Init_EtherDream(Geraete& g, Umgebung& env);
    void Init_IDN(Geraete& g, Umgebung& env);

private:
    std::future<std::vector<Fund>> etherDream_, idn_;
};
// Enumerates Helios DACs on USB.
void Init_Helios(Geraete& g, Umgebung& env);

} // namespace sw
