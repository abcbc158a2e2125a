#include "platform/keep_alive.h"

#ifdef _WIN32
#include <winsock2.h>
// winsock2.h first
#include <mstcpip.h>
#else
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

namespace tess {

#ifdef _WIN32

bool setKeepAliveTimes(std::intptr_t socket, int idleS, int intervalS, int) {
    const auto s = static_cast<SOCKET>(socket);
    const BOOL on = TRUE;
    bool ok = ::setsockopt(s, SOL_SOCKET, SO_KEEPALIVE, reinterpret_cast<const char*>(&on),
                           sizeof on) == 0;
    tcp_keepalive times{1, static_cast<u_long>(idleS) * 1000,
                        static_cast<u_long>(intervalS) * 1000};
    DWORD returned = 0;
    ok = WSAIoctl(s, SIO_KEEPALIVE_VALS, &times, sizeof times, nullptr, 0, &returned, nullptr,
                  nullptr) == 0 &&
         ok;
    return ok;
}

#else

bool setKeepAliveTimes(std::intptr_t socket, int idleS, int intervalS, int count) {
    const int fd = static_cast<int>(socket);
    const int on = 1;
    bool ok = ::setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on) == 0;
    const struct {
        int option, value;
    } times[] = {{TCP_KEEPIDLE, idleS}, {TCP_KEEPINTVL, intervalS}, {TCP_KEEPCNT, count}};
    for (const auto& [option, value] : times)
        ok = ::setsockopt(fd, IPPROTO_TCP, option, &value, sizeof value) == 0 && ok;
#ifdef TCP_USER_TIMEOUT
    // Probes go only while nothing is unacknowledged; output to a vanished peer is
    // given up in the same time.
    const unsigned int userTimeoutMs = static_cast<unsigned int>(idleS + intervalS * count) * 1000;
    ok = ::setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &userTimeoutMs, sizeof userTimeoutMs) ==
             0 &&
         ok;
#endif
    return ok;
}

#endif

}  // namespace tess
