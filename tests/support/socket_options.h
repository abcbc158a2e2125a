// Reads the options of this process's own TCP sockets, found by their ports, as the
// system holds them.
#pragma once

#include <dirent.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <QtGlobal>
#include <algorithm>
#include <cstdlib>
#include <optional>

namespace tess::testing {

struct KeepAlive {
    int on = 0;
    int idle = 0;
    int interval = 0;
    int count = 0;
    unsigned int userTimeoutMs = 0;
    // Within how many seconds a vanished peer is given up, silent or sent to.
    int givesUpWithinS() const {
        return std::max(idle + interval * count, static_cast<int>(userTimeoutMs / 1000));
    }
};

inline int portOf(const sockaddr_storage& a) {
    if (a.ss_family == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in&>(a).sin_port);
    if (a.ss_family == AF_INET6) return ntohs(reinterpret_cast<const sockaddr_in6&>(a).sin6_port);
    return -1;
}

// The descriptor of the socket with this local and peer port, if this process has one.
inline std::optional<int> findSocket(quint16 localPort, quint16 peerPort) {
    DIR* dir = opendir("/proc/self/fd");
    if (dir == nullptr) return std::nullopt;
    std::optional<int> found;
    while (dirent* entry = readdir(dir)) {
        const int fd = std::atoi(entry->d_name);
        sockaddr_storage local{}, peer{};
        socklen_t a = sizeof local, b = sizeof peer;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &a) != 0 ||
            getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &b) != 0)
            continue;
        if (portOf(local) == localPort && portOf(peer) == peerPort) found = fd;
    }
    closedir(dir);
    return found;
}

inline KeepAlive keepAliveOf(int fd) {
    KeepAlive k;
    socklen_t n = sizeof(int);
    getsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &k.on, &n);
    getsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &k.idle, &n);
    getsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &k.interval, &n);
    getsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &k.count, &n);
    socklen_t u = sizeof k.userTimeoutMs;
    getsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &k.userTimeoutMs, &u);
    return k;
}

}  // namespace tess::testing
