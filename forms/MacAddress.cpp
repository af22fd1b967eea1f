#include "forms/MacAddress.h"

#include <windows.h>
#include <rpc.h>

#include "forms/NodeAddress.h"

namespace {
using TUuidCreate = RPC_STATUS(RPC_ENTRY*)(TUuidBytes*);

// NT makes sequential UUIDs from the adapter's address only on request; the
// older family does it for every UUID.
const char* UuidEntryPoint() {
    OSVERSIONINFOW version = {sizeof version};
    GetVersionExW(&version);
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT ? "UuidCreateSequential" : "UuidCreate";
}

std::string NodeOfTwoUuids(HMODULE rpc) {
    auto create = reinterpret_cast<TUuidCreate>(reinterpret_cast<void*>(GetProcAddress(rpc, UuidEntryPoint())));
    if (!create) return "";
    TUuidBytes first, second;
    if (create(&first) != RPC_S_OK || create(&second) != RPC_S_OK) return "";
    return NodeAddressText(first, second);
}
}  // namespace

std::string QueryMacAddress() {
    HMODULE rpc = LoadLibraryW(L"rpcrt4.dll");
    if (!rpc) return "";
    std::string mac = NodeOfTwoUuids(rpc);
    FreeLibrary(rpc);
    return mac;
}
