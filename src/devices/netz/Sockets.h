#pragma once
// Thin wrappers around the POSIX sockets the network DACs use: a UDP socket for discovery and
// streaming, a TCP connection and a TCP listener (for the emulators). Every wait has a timeout
// in milliseconds; no call blocks for longer. Errors come back as false or -1, never as
// exceptions, because the callers run in the output threads and decide themselves what a lost
// device means.

#include <cstddef>
#include <cstdint>
#include <string>

namespace sw::netz {

struct Adresse {
    std::string ip = "127.0.0.1";
    std::uint16_t port = 0;
};

class Socket {
public:
    Socket() = default;
    explicit Socket(int fd) : fd_(fd) {}
    Socket(Socket&& o) noexcept : fd_(o.fd_) { o.fd_ = -1; }
    Socket& operator=(Socket&& o) noexcept;
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    ~Socket() { schliessen(); }

    bool offen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    void schliessen();
    // Waits until data can be read; false on timeout or error.
    bool lesbar(int millisekunden) const;

protected:
    int fd_ = -1;
};

class UdpSocket : public Socket {
public:
    // Binds to the address and port (port 0: any); broadcast sending and address reuse are on.
    bool binden(const std::string& ip, std::uint16_t port);
    std::uint16_t lokalerPort() const;
    bool senden(const Adresse& ziel, const void* daten, std::size_t bytes);
    // One datagram within the timeout: its size, or -1. `von` gets the sender.
    long empfangen(void* puffer, std::size_t groesse, int millisekunden, Adresse* von = nullptr);
};

class TcpVerbindung : public Socket {
public:
    using Socket::Socket;
    bool verbinden(const Adresse& ziel, int millisekunden);
    // Sends everything or fails.
    bool sendenAlles(const void* daten, std::size_t bytes);
    // Reads exactly `bytes` within the timeout, or fails.
    bool lesenGenau(void* puffer, std::size_t bytes, int millisekunden);
};

class TcpServer : public Socket {
public:
    bool lauschen(const std::string& ip, std::uint16_t port);
    std::uint16_t lokalerPort() const;
    // A waiting client within the timeout, or a closed connection.
    TcpVerbindung annehmen(int millisekunden);
};

} // namespace sw::netz
