#include "live/eingang/OlaEingang.h"

#include <algorithm>
#include <cstring>

#ifdef STRAHLWERK_OLA
#include <ola/Callback.h>
#include <ola/DmxBuffer.h>
#include <ola/Logging.h>
#include <ola/client/OlaClient.h>
#include <ola/io/SelectServer.h>
#include <ola/network/IPV4Address.h>
#include <ola/network/SocketAddress.h>
#include <ola/network/TCPSocket.h>
#endif

namespace sw {

#ifdef STRAHLWERK_OLA

namespace {

std::unique_ptr<ola::network::TCPSocket> olaVerbinden(std::uint16_t port) {
    return std::unique_ptr<ola::network::TCPSocket>(ola::network::TCPSocket::Connect(
        ola::network::IPV4SocketAddress(ola::network::IPV4Address::Loopback(), port)));
}

// OLA's own log would write to stderr for every refused connection.
void olaLeise() {
    static const bool einmal = [] {
        ola::InitLogging(ola::OLA_LOG_NONE, ola::OLA_LOG_NULL);
        return true;
    }();
    (void)einmal;
}

} // namespace

bool olaGebaut() {
    return true;
}

bool olaErreichbar(std::uint16_t port) {
    olaLeise();
    return olaVerbinden(port) != nullptr;
}

bool OlaEingang::einmalVerbinden() {
    auto socket = olaVerbinden(o_.port);
    if (!socket) return false;
    ola::io::SelectServer ss;
    ola::client::OlaClient client(socket.get());
    if (!client.Setup()) return false;
    client.SetCloseHandler(ola::NewSingleCallback(&ss, &ola::io::SelectServer::Terminate));
    ss.AddReadDescriptor(socket.get());
    client.SetDMXCallback(ola::NewCallback(
        +[](OlaEingang* selbst, const ola::client::DMXMetadata&, const ola::DmxBuffer& puffer) {
            selbst->empfangen(puffer.GetRaw(), puffer.Size());
        },
        this));
    client.RegisterUniverse(o_.universum, ola::client::REGISTER,
                            ola::NewSingleCallback(+[](const ola::client::Result&) {}));
    // Looks at the end flag ten times a second; the loop is left from its own thread only.
    ss.RegisterRepeatingTimeout(100, ola::NewCallback(
                                         +[](OlaEingang* selbst, ola::io::SelectServer* s) {
                                             if (selbst->ende_) s->Terminate();
                                             return true;
                                         },
                                         this, &ss));
    verbunden_ = true;
    ss.Run();
    verbunden_ = false;
    ss.RemoveReadDescriptor(socket.get());
    client.Stop();
    return true;
}

#else

bool olaGebaut() {
    return false;
}
bool olaErreichbar(std::uint16_t) {
    return false;
}
bool OlaEingang::einmalVerbinden() {
    return false;
}

#endif

OlaEingang::OlaEingang(OlaOptionen o, const std::string& nichtErreichbar, Melden melden) : o_(o) {
    if (!olaErreichbar(o_.port) && melden) melden(nichtErreichbar);
    thread_ = std::thread([this] { lauf(); });
}

OlaEingang::~OlaEingang() {
    {
        std::lock_guard lock(m_);
        ende_ = true;
    }
    cv_.notify_all();
    thread_.join();
}

std::string OlaEingang::name() const {
    return "OLA universe " + std::to_string(o_.universum);
}

void OlaEingang::empfangen(const std::uint8_t* daten, std::size_t bytes) {
    DmxFrame frame{};
    std::memcpy(frame.data(), daten, std::min<std::size_t>(bytes, frame.size()));
    fach_.ablegen(frame);
}

void OlaEingang::lauf() {
    while (!ende_) {
        einmalVerbinden();
        // olad is not there or went away: look again in a second.
        std::unique_lock lock(m_);
        cv_.wait_for(lock, std::chrono::seconds(1), [this] { return ende_.load(); });
    }
}

} // namespace sw
