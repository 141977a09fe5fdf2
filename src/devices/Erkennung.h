#pragma once
// Detection of the devices of each vendor kind: each routine appends an entry per device found
// to the device list, and logs or shows its own messages when the library is missing or fails;
// start-up then goes on with the next routine.

#include "devices/Geraete.h"
#include "platform/Umgebung.h"

namespace sw {

void InitMLDrivers(Geraete& g, Umgebung& env);
void Init_Lumax(Geraete& g, Umgebung& env);
void Init_JMLaser(Geraete& g, Umgebung& env);
void Init_Riya(Geraete& g, Umgebung& env);
// Listens for the status broadcasts of Ether Dream DACs.
void Init_EtherDream(Geraete& g, Umgebung& env);
// Scans for IDN receivers with IDN-Hello.
void Init_IDN(Geraete& g, Umgebung& env);
// Enumerates Helios DACs on USB.
void Init_Helios(Geraete& g, Umgebung& env);

} // namespace sw
