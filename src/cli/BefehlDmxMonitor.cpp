#include "cli/Befehle.h"
#include "cli/CliUmgebung.h"
#include "live/eingang/ArtNetEingang.h"
#include "live/eingang/SacnEingang.h"

#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>

namespace sw::cli {

namespace {
volatile std::sig_atomic_t unterbrochen = 0;
}

void befehlDmxMonitor(const DmxMonitorOptionen& o) {
    if (o.artnet == o.sacn)
        throw CliFehler("dmx-monitor needs exactly one of --artnet UNIVERSE and --sacn UNIVERSE.");
    if (o.sacn && (o.universum < 1 || o.universum > sacn::kMaxUniversum))
        throw CliFehler("an sACN universe is from 1 to 63999, not " + std::to_string(o.universum) +
                        ".");
    if (o.artnet && (o.universum < 0 || o.universum > 0x7FFF))
        throw CliFehler("an Art-Net universe (port address) is from 0 to 32767, not " +
                        std::to_string(o.universum) + ".");
    const auto u = static_cast<std::uint16_t>(o.universum);
    std::unique_ptr<DmxEingang> eingang;
    const Paketzaehler* zaehler = nullptr;
    std::uint16_t port = 0;
    try {
        if (o.artnet) {
            auto a = std::make_unique<ArtNetEingang>(
                ArtNetOptionen{u, o.bindAdresse, o.port ? *o.port : artnet::kPort});
            zaehler = &a->zaehler();
            port = a->port();
            eingang = std::move(a);
        } else {
            auto s = std::make_unique<SacnEingang>(
                SacnOptionen{u, o.bindAdresse, o.port ? *o.port : sacn::kPort, true});
            zaehler = &s->zaehler();
            port = s->port();
            eingang = std::move(s);
        }
    } catch (const std::runtime_error& e) {
        throw CliFehler(std::string("cannot listen: ") + e.what() + ".");
    }
    std::cout << "listening: " << eingang->name() << " on " << o.bindAdresse << ":" << port
              << std::endl;

    unterbrochen = 0;
    auto vorher = std::signal(SIGINT, [](int) { unterbrochen = 1; });
    const auto ende = std::chrono::steady_clock::now() +
                      std::chrono::duration<double>(o.sekunden > 0 ? o.sekunden : 1e9);
    DmxFrame alt{}, neu{};
    while (!unterbrochen && std::chrono::steady_clock::now() < ende) {
        if (!eingang->neuesterFrame(neu)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        for (int k = 0; k < kDmxKanaele; ++k)
            if (neu[k] != alt[k])
                std::cout << "channel " << k + 1 << ": " << int{alt[k]} << " -> " << int{neu[k]}
                          << "\n";
        std::cout.flush();
        alt = neu;
    }
    std::signal(SIGINT, vorher);
    std::cout << "packets: " << zaehler->angenommen() << " taken, " << zaehler->verworfen()
              << " dropped\n";
    for (int i = 1; i < kVerwerfungen; ++i) {
        const auto v = static_cast<Verwerfung>(i);
        if (zaehler->anzahl(v) > 0)
            std::cout << "dropped, " << verwerfungName(v) << ": " << zaehler->anzahl(v) << "\n";
    }
}

} // namespace sw::cli
