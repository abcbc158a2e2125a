// The host under connection churn. `bench_host_churn host` runs a table's host on a
// free loopback port and prints the port; `bench_host_churn churn PORT N` connects N
// times, one after another, waits for the host's login request and closes (every
// second time with a reset), while a first connection stays logged in as the host.
// bench/host_churn.sh runs both and reads the host's memory from the outside.
#include <sys/socket.h>
#include <QCoreApplication>
#include <QTcpSocket>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/virtual_clock.h"
#include "net/server.h"
#include "tests/support/stacked_random.h"

namespace {

int host() {
    tess::VirtualClock clock;
    tess::testing::StackedRandom random;
    tess::TServer server(clock, random);
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
    you.write("CMD_logininfo+1+1.0.2+You\xFF\xFF");
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

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "host") == 0) return host();
    if (argc >= 4 && std::strcmp(argv[1], "churn") == 0)
        return churn(static_cast<quint16>(std::atoi(argv[2])), std::atoi(argv[3]));
    std::fprintf(stderr, "usage: %s host | churn PORT CYCLES\n", argv[0]);
    return 2;
}
