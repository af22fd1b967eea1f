#pragma once
#include <windows.h>

#include <string>

// One use of Winsock: started on construction, cleaned up on destruction
// when the start succeeded, so every WSAStartup gets its WSACleanup.
class TWinsockUse {
public:
    explicit TWinsockUse(WORD version);
    ~TWinsockUse();
    TWinsockUse(const TWinsockUse&) = delete;
    TWinsockUse& operator=(const TWinsockUse&) = delete;

    bool Started() const { return FStarted; }

private:
    bool FStarted;
};

// The UDP socket of the local information window; it never opens and only
// reads the local host name.
class TUdpSocket {
public:
    // The local host name, or empty when Winsock cannot tell it.
    std::string LocalHostName() const;
};
