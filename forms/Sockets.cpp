#include "forms/Sockets.h"

#include <winsock2.h>

#include <cstring>

TWinsockUse::TWinsockUse(WORD version) {
    WSADATA data;
    FStarted = WSAStartup(version, &data) == 0;
}

TWinsockUse::~TWinsockUse() {
    if (FStarted) WSACleanup();
}

std::string TUdpSocket::LocalHostName() const {
    char name[256] = {};
    if (gethostname(name, sizeof name) != 0) return "";
    return std::string(name, strnlen(name, sizeof name));
}
