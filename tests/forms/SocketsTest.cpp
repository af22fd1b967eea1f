#include "forms/Sockets.h"

#include <gtest/gtest.h>
#include <winsock2.h>

namespace {
bool WinsockStarted() {
    SOCKET probe = socket(AF_INET, SOCK_DGRAM, 0);
    if (probe == INVALID_SOCKET) return false;
    closesocket(probe);
    return true;
}
}  // namespace

// Winsock counts its starts: a use must end the one it made, and only that,
// or another use loses Winsock under it.
TEST(WinsockUse, EndsTheStartItMadeAndNoOther) {
    for (WORD version : {MAKEWORD(2, 0), MAKEWORD(1, 1), MAKEWORD(0, 0)}) {
        TWinsockUse outer(MAKEWORD(2, 0));
        {
            TWinsockUse inner(version);
            EXPECT_EQ(inner.Started(), version != MAKEWORD(0, 0));
        }
        EXPECT_TRUE(WinsockStarted()) << "version " << std::hex << version;
    }
    EXPECT_FALSE(WinsockStarted());
}
