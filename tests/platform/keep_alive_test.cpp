// Keep-alive on a real Windows socket: the timings are taken and the option reads back on.
#include "platform/keep_alive.h"

#include <gtest/gtest.h>
#include <winsock2.h>

namespace {

TEST(KeepAlive, TakenByAWindowsSocket) {
    WSADATA data;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
    const SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    ASSERT_NE(s, INVALID_SOCKET);
    EXPECT_TRUE(tess::setKeepAliveTimes(static_cast<std::intptr_t>(s), 60, 10, 3));
    BOOL on = FALSE;
    int size = sizeof on;
    EXPECT_EQ(::getsockopt(s, SOL_SOCKET, SO_KEEPALIVE, reinterpret_cast<char*>(&on), &size), 0);
    EXPECT_TRUE(on);
    closesocket(s);
    // A closed socket takes nothing, and says so.
    EXPECT_FALSE(tess::setKeepAliveTimes(static_cast<std::intptr_t>(s), 60, 10, 3));
    WSACleanup();
}

}  // namespace
