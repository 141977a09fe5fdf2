#include "devices/netz/Sockets.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sw::netz {

namespace {

bool sockaddrAus(const std::string& ip, std::uint16_t port, sockaddr_in& a) {
    a = {};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    return inet_pton(AF_INET, ip.c_str(), &a.sin_addr) == 1;
}

std::uint16_t portVon(int fd) {
    sockaddr_in a{};
    socklen_t l = sizeof a;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&a), &l) != 0) return 0;
    return ntohs(a.sin_port);
}

bool warten(int fd, short ereignis, int millisekunden) {
    pollfd p{fd, ereignis, 0};
    for (;;) {
        const int r = poll(&p, 1, millisekunden);
        if (r < 0 && errno == EINTR) continue;
        return r > 0 && (p.revents & (ereignis | POLLHUP | POLLERR)) != 0;
    }
}

void wiederverwenden(int fd) {
    const int ja = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &ja, sizeof ja);
}

} // namespace

Socket& Socket::operator=(Socket&& o) noexcept {
    if (this != &o) {
        schliessen();
        fd_ = o.fd_;
        o.fd_ = -1;
    }
    return *this;
}

void Socket::schliessen() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool Socket::lesbar(int millisekunden) const {
    return fd_ >= 0 && warten(fd_, POLLIN, millisekunden);
}

bool UdpSocket::binden(const std::string& ip, std::uint16_t port) {
    schliessen();
    sockaddr_in a;
    if (!sockaddrAus(ip, port, a)) return false;
    fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return false;
    const int ja = 1;
    wiederverwenden(fd_);
    setsockopt(fd_, SOL_SOCKET, SO_REUSEPORT, &ja, sizeof ja);
    setsockopt(fd_, SOL_SOCKET, SO_BROADCAST, &ja, sizeof ja);
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        schliessen();
        return false;
    }
    return true;
}

std::uint16_t UdpSocket::lokalerPort() const {
    return portVon(fd_);
}

bool UdpSocket::senden(const Adresse& ziel, const void* daten, std::size_t bytes) {
    sockaddr_in a;
    if (fd_ < 0 || !sockaddrAus(ziel.ip, ziel.port, a)) return false;
    return ::sendto(fd_, daten, bytes, MSG_NOSIGNAL, reinterpret_cast<sockaddr*>(&a), sizeof a) ==
           static_cast<ssize_t>(bytes);
}

long UdpSocket::empfangen(void* puffer, std::size_t groesse, int millisekunden, Adresse* von) {
    if (!lesbar(millisekunden)) return -1;
    sockaddr_in a{};
    socklen_t l = sizeof a;
    const ssize_t n =
        ::recvfrom(fd_, puffer, groesse, MSG_DONTWAIT, reinterpret_cast<sockaddr*>(&a), &l);
    if (n < 0) return -1;
    if (von) {
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &a.sin_addr, text, sizeof text);
        von->ip = text;
        von->port = ntohs(a.sin_port);
    }
    return static_cast<long>(n);
}

bool TcpVerbindung::verbinden(const Adresse& ziel, int millisekunden) {
    schliessen();
    sockaddr_in a;
    if (!sockaddrAus(ziel.ip, ziel.port, a)) return false;
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd_ < 0) return false;
    int r = ::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    if (r != 0 && errno == EINPROGRESS) {
        if (!warten(fd_, POLLOUT, millisekunden)) {
            schliessen();
            return false;
        }
        int fehler = 0;
        socklen_t l = sizeof fehler;
        getsockopt(fd_, SOL_SOCKET, SO_ERROR, &fehler, &l);
        r = fehler == 0 ? 0 : -1;
    }
    if (r != 0) {
        schliessen();
        return false;
    }
    // Small command packets must leave at once.
    const int ja = 1;
    setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &ja, sizeof ja);
    return true;
}

bool TcpVerbindung::sendenAlles(const void* daten, std::size_t bytes) {
    const auto* p = static_cast<const std::uint8_t*>(daten);
    while (bytes > 0) {
        if (fd_ < 0) return false;
        const ssize_t n = ::send(fd_, p, bytes, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!warten(fd_, POLLOUT, 1000)) return false;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        bytes -= static_cast<std::size_t>(n);
    }
    return true;
}

bool TcpVerbindung::lesenGenau(void* puffer, std::size_t bytes, int millisekunden) {
    auto* p = static_cast<std::uint8_t*>(puffer);
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(millisekunden);
    while (bytes > 0) {
        const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(
                              ende - std::chrono::steady_clock::now())
                              .count();
        if (rest < 0 || !lesbar(static_cast<int>(rest))) return false;
        const ssize_t n = ::recv(fd_, p, bytes, MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (n <= 0) return false; // closed by the peer, or an error
        p += n;
        bytes -= static_cast<std::size_t>(n);
    }
    return true;
}

bool TcpServer::lauschen(const std::string& ip, std::uint16_t port) {
    schliessen();
    sockaddr_in a;
    if (!sockaddrAus(ip, port, a)) return false;
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return false;
    wiederverwenden(fd_);
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd_, 1) != 0) {
        schliessen();
        return false;
    }
    return true;
}

std::uint16_t TcpServer::lokalerPort() const {
    return portVon(fd_);
}

TcpVerbindung TcpServer::annehmen(int millisekunden) {
    if (!lesbar(millisekunden)) return TcpVerbindung();
    const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd >= 0) {
        const int ja = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &ja, sizeof ja);
    }
    return TcpVerbindung(fd);
}

} // namespace sw::netz

