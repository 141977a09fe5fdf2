#pragma once
// Detection of the devices of each vendor kind: each routine appends an entry per device found
// to the device list, and logs or shows its own messages when the library is missing or fails;
// start-up then goes on with the next routine. The open kinds on the network and USB are found
// by the background search (`Geraetesuche`) with the helpers below.

#include "devices/Geraete.h"
#include "platform/Umgebung.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sw {

void InitMLDrivers(Geraete& g, Umgebung& env);
void Init_Lumax(Geraete& g, Umgebung& env);
void Init_JMLaser(Geraete& g, Umgebung& env);
void Init_Riya(Geraete& g, Umgebung& env);

// What one datagram of the network discovery tells: the entry of the DAC that sent it, or
// nothing when it is not a well-formed status broadcast or IDN-Hello scan answer.
std::optional<GeraeteEintrag> etherDreamEintrag(const std::uint8_t* daten, std::size_t bytes,
                                                const std::string& ip,
                                                const Netzeinstellungen& netz);
std::optional<GeraeteEintrag> idnEintrag(const std::uint8_t* daten, std::size_t bytes,
                                         const std::string& ip, std::uint16_t port);
// The broadcast address of every local IPv4 network that is up, and loopback.
std::vector<std::string> lokaleBroadcasts();

// The entry of a Helios found on the bus, opened once for the name its owner gave it; nothing
// (and the reason in `problem`) when it cannot be opened.
std::optional<GeraeteEintrag> heliosEintrag(usb::Bus& bus, const std::string& kennung,
                                            std::string& problem);
// Enumerates the Helios DACs attached at start-up; later ones come from the background search.
void Init_Helios(Geraete& g, Umgebung& env);

} // namespace sw
