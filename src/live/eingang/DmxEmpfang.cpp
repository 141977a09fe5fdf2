#include "live/eingang/DmxEmpfang.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace sw {

std::uint64_t Paketzaehler::verworfen() const {
    std::uint64_t summe = 0;
    for (int i = 1; i < kVerwerfungen; ++i) summe += anzahl(static_cast<Verwerfung>(i));
    return summe;
}

void FrameFach::ablegen(const DmxFrame& frame) {
    std::lock_guard lock(m_);
    frame_ = frame;
    neu_ = true;
}

bool FrameFach::abholen(DmxFrame& frame) {
    std::lock_guard lock(m_);
    if (!neu_) return false;
    frame = frame_;
    neu_ = false;
    return true;
}

UdpEmpfaenger::UdpEmpfaenger(const UdpOptionen& o, Empfang empfang) : empfang_(std::move(empfang)) {
    auto fehler = [&](const std::string& was) {
        const std::string grund =
            was + " " + o.bindAdresse + ":" + std::to_string(o.port) + ": " + std::strerror(errno);
        if (fd_ >= 0) ::close(fd_);
        throw std::runtime_error(grund);
    };
    fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) fehler("UDP socket for");
    const int ja = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &ja, sizeof ja);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(o.port);
    if (::inet_pton(AF_INET, o.bindAdresse.c_str(), &a.sin_addr) != 1) {
        errno = EINVAL;
        fehler("address");
    }
    const in_addr schnittstelle = a.sin_addr;
    if (o.multicastGruppe != 0) a.sin_addr.s_addr = htonl(INADDR_ANY);
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) fehler("cannot bind");
    socklen_t l = sizeof a;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &l);
    port_ = ntohs(a.sin_port);
    if (o.multicastGruppe != 0) {
        ip_mreq m{};
        m.imr_multiaddr.s_addr = htonl(o.multicastGruppe);
        m.imr_interface = schnittstelle;
        multicast_ = ::setsockopt(fd_, IPPROTO_IP, IP_ADD_MEMBERSHIP, &m, sizeof m) == 0;
    }
    thread_ = std::thread([this] { lauf(); });
}

UdpEmpfaenger::~UdpEmpfaenger() {
    ende_ = true;
    if (thread_.joinable()) thread_.join();
    ::close(fd_);
}

void UdpEmpfaenger::lauf() {
    // Larger than any packet we take: a longer datagram arrives cut and fails its length check.
    std::array<std::uint8_t, 2048> puffer{};
    pollfd p{fd_, POLLIN, 0};
    while (!ende_) {
        if (::poll(&p, 1, 50) <= 0) continue;
        const ssize_t n = ::recv(fd_, puffer.data(), puffer.size(), 0);
        if (n < 0) continue;
        empfang_(puffer.data(), static_cast<std::size_t>(n));
    }
}

} // namespace sw
