// The host under connection churn. `bench_host_churn host` runs a table's host on a
// free loopback port and prints the port; `bench_host_churn churn PORT N` connects N
// times, one after another, waits for the host's login request and closes (every
// second time with a reset), while a first connection stays logged in as the host.
// bench/host_churn.sh runs both and reads the host's memory from the outside.
// `bench_host_churn resets PORT N PARALLEL [ADDRESSES]` opens N connections, PARALLEL at a
// time, waits for the host's first word on each and resets them all (bench/host_resets.sh).
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/virtual_clock.h"
#include "net/server.h"
#include "tests/support/stacked_random.h"

namespace {

int host() {
    tess::VirtualClock clock;
    tess::testing::StackedRandom random;
    tess::TServer server(clock, random);
    // The clock stands still here, so the connection rate limit would never refill: it
    // is lifted, and every connection of the churn is really taken in.
    tess::HostLimits limits;
    limits.address.admitBurst = 1e12;
    server.setLimits(limits);
    server.startListening(0);
    std::printf("%u\n", server.port());
    std::fflush(stdout);
    return QCoreApplication::exec();
}

int churn(quint16 port, int cycles) {
    // The hosting player stays all along and hears every newcomer leave.
    QTcpSocket you;
    you.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!you.waitForConnected(5000) || !you.waitForReadyRead(5000)) return 1;
    // Whatever slot the host gives (slot 1 is for its own user's window).
    const QByteArray ask = you.readAll();
    const int slot = ask.startsWith("CMD_sendlogininfo+") ? ask.mid(18).chopped(1).toInt() : 0;
    you.write("CMD_logininfo+" + QByteArray::number(slot) + "+1.0.2+You\xFF\xFF");
    you.flush();
    for (int i = 0; i < cycles; ++i) {
        you.readAll();
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        if (!socket.waitForConnected(5000)) {
            std::fprintf(stderr, "host_churn: connection %d failed\n", i);
            return 1;
        }
        // The login request has come once the host has taken the connection in.
        while (!socket.bytesAvailable() && socket.waitForReadyRead(5000)) {
        }
        // Every other player vanishes with a reset rather than a goodbye.
        if (i % 2 == 0) {
            socket.disconnectFromHost();
            if (socket.state() != QAbstractSocket::UnconnectedState)
                socket.waitForDisconnected(5000);
        } else {
            const linger hard{1, 0};
            ::setsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard,
                         sizeof hard);
            socket.abort();
        }
    }
    return 0;
}

// Opens up to `parallel` connections at once, waits (at most half a second) until the host has
// said its first word on each, then resets them all. With `addresses` > 0 each connection
// comes from the next of that many loopback addresses (127.1.0.0 on), each a machine of its
// own to the host, so that slots are really taken and freed; with 0 all come from 127.0.0.1.
// Prints how many got a slot (the login request), a refusal (any other word) or no answer.
int resets(quint16 port, int total, int parallel, int addresses) {
    sockaddr_in host{};
    host.sin_family = AF_INET;
    host.sin_port = htons(port);
    host.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int seated = 0, refused = 0, silent = 0;
    int next = 0;
    for (int done = 0; done < total;) {
        std::vector<pollfd> batch;
        for (int i = 0; i < parallel && done < total; ++i, ++done) {
            const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            if (fd < 0) break;
            if (addresses > 0) {
                sockaddr_in from{};
                from.sin_family = AF_INET;
                from.sin_addr.s_addr = htonl((127u << 24 | 1u << 16) + next++ % addresses);
                ::bind(fd, reinterpret_cast<const sockaddr*>(&from), sizeof from);
            }
            ::connect(fd, reinterpret_cast<const sockaddr*>(&host), sizeof host);
            batch.push_back({fd, POLLIN, 0});
        }
        QElapsedTimer waited;
        waited.start();
        std::size_t pending = batch.size();
        while (pending > 0 && waited.elapsed() < 500) {
            if (::poll(batch.data(), batch.size(), 100) <= 0) continue;
            for (pollfd& p : batch)
                if (p.fd >= 0 && p.revents != 0) {
                    char word[32] = {};
                    const ssize_t got = ::recv(p.fd, word, sizeof word - 1, MSG_PEEK);
                    if (got <= 0)
                        ++silent;  // closed without a word
                    else if (std::strncmp(word, "CMD_sendlogininfo+", 18) == 0)
                        ++seated;
                    else
                        ++refused;
                    p.events = 0;
                    p.fd = ~p.fd;  // poll skips negative descriptors
                    --pending;
                }
        }
        silent += static_cast<int>(pending);
        for (pollfd& p : batch) {
            const int fd = p.fd < 0 ? ~p.fd : p.fd;
            const linger hard{1, 0};
            ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
            ::close(fd);
        }
    }
    std::printf("%d %d %d\n", seated, refused, silent);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "host") == 0) return host();
    if (argc >= 4 && std::strcmp(argv[1], "churn") == 0)
        return churn(static_cast<quint16>(std::atoi(argv[2])), std::atoi(argv[3]));
    if (argc >= 5 && std::strcmp(argv[1], "resets") == 0)
        return resets(static_cast<quint16>(std::atoi(argv[2])), std::atoi(argv[3]),
                      std::atoi(argv[4]), argc >= 6 ? std::atoi(argv[5]) : 0);
    std::fprintf(stderr,
                 "usage: %s host | churn PORT CYCLES | resets PORT N PARALLEL [ADDRESSES]\n",
                 argv[0]);
    return 2;
}
