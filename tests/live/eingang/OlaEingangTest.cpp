// DMX through OLA: the test starts its own olad on a free RPC port with a scratch
// configuration, sends a frame with OLA's streaming client and sees it arrive.

#include "live/eingang/OlaEingang.h"
#include "TestHilfe.h"

#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#ifdef STRAHLWERK_OLA
#include <ola/DmxBuffer.h>
#include <ola/Logging.h>
#include <ola/client/StreamingClient.h>
#endif

namespace sw {
namespace {

#ifdef STRAHLWERK_OLA

std::uint16_t freierTcpPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t l = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &l);
    ::close(fd);
    return ntohs(a.sin_port);
}

bool programmDa(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// An olad of the test's own: no web server, no network plugins (they would listen on the
// Art-Net and sACN ports), configuration in a scratch folder. olad refuses to run as root, so
// as root it runs as nobody.
class EigenesOlad {
public:
    EigenesOlad(const std::filesystem::path& ordner, std::uint16_t port) {
        for (const char* plugin : {"artnet",    "e131",
                                   "espnet",    "kinet",
                                   "osc",       "pathport",
                                   "sandnet",   "shownet",
                                   "opendmx",   "usbdmx",
                                   "usbserial", "ftdidmx",
                                   "dummy",     "stageprofi",
                                   "karate",    "milinst",
                                   "renard",    "spi",
                                   "uartdmx",   "gpio",
                                   "nanoleaf",  "openpixelcontrol",
                                   "dmx4linux"})
            test::schreibeDatei(ordner / ("ola-" + std::string(plugin) + ".conf"),
                                "enabled = false\n");
        const bool root = ::geteuid() == 0;
        if (root) std::system(("chown -R nobody:nogroup '" + ordner.string() + "'").c_str());
        const std::string p = std::to_string(port), c = ordner.string();
        pid_ = ::fork();
        if (pid_ == 0) {
            const int null = ::open("/dev/null", O_RDWR);
            ::dup2(null, 1);
            ::dup2(null, 2);
            if (root)
                ::execlp("setpriv", "setpriv", "--reuid=nobody", "--regid=nogroup",
                         "--clear-groups", "olad", "--no-http", "-r", p.c_str(), "-c", c.c_str(),
                         static_cast<char*>(nullptr));
            else
                ::execlp("olad", "olad", "--no-http", "-r", p.c_str(), "-c", c.c_str(),
                         static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~EigenesOlad() { beenden(); }
    void beenden() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        int status = 0;
        if (!test::warteBis([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; }, 10)) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
        }
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};

TEST(OlaEingang, FrameSentThroughItsOwnOladArrives) {
    if (!programmDa("olad")) GTEST_SKIP() << "olad is not installed (Debian package ola)";
    test::Kratzordner tmp;
    const std::uint16_t port = freierTcpPort();
    EigenesOlad olad(tmp.pfad(), port);
    ASSERT_TRUE(test::warteBis([&] { return olaErreichbar(port); }, 20))
        << "olad did not answer on port " << port;

    std::vector<std::string> gemeldet;
    OlaEingang e({3, port}, "olad does not answer",
                 [&](const std::string& z) { gemeldet.push_back(z); });
    EXPECT_TRUE(gemeldet.empty());
    EXPECT_EQ(e.name(), "OLA universe 3");
    ASSERT_TRUE(test::warteBis([&] { return e.verbunden(); }, 10));

    ola::client::StreamingClient::Options o;
    o.auto_start = false;
    o.server_port = port;
    ola::client::StreamingClient sender(o);
    ASSERT_TRUE(sender.Setup());
    ola::DmxBuffer puffer;
    puffer.Blackout();
    puffer.SetChannel(0, 17);
    puffer.SetChannel(511, 250);
    // The registration may reach olad after the first frame: send until one arrives.
    DmxFrame f{};
    ASSERT_TRUE(test::warteBis(
        [&] {
            sender.SendDmx(3, puffer);
            return test::warteBis([&] { return e.neuesterFrame(f); }, 0.1);
        },
        10));
    EXPECT_EQ(f[0], 17);
    EXPECT_EQ(f[511], 250);
    EXPECT_EQ(f[1], 0);
    sender.Stop();

    // olad goes away: the input notices and waits without a word.
    olad.beenden();
    EXPECT_TRUE(test::warteBis([&] { return !e.verbunden(); }, 10));
    EXPECT_TRUE(gemeldet.empty());
}

TEST(OlaEingang, WithoutOladItIsReportedOnceAndWaits) {
    std::vector<std::string> gemeldet;
    {
        OlaEingang e({1, freierTcpPort()}, "olad does not answer",
                     [&](const std::string& z) { gemeldet.push_back(z); });
        DmxFrame f{};
        EXPECT_FALSE(e.neuesterFrame(f));
        EXPECT_FALSE(e.verbunden());
    }
    EXPECT_EQ(gemeldet, std::vector<std::string>{"olad does not answer"});
}

#else

TEST(OlaEingang, NotBuilt) {
    EXPECT_FALSE(olaGebaut());
}

#endif

} // namespace
} // namespace sw
