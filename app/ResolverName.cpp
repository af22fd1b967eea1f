#include "app/ResolverName.h"

#include <windows.h>

#include <algorithm>

namespace {
using IdnToAsciiFunction = int(WINAPI*)(DWORD flags, LPCWSTR unicode, int unicodeLength, LPWSTR ascii,
                                        int asciiLength);
// Host names are at most 255 characters.
const int kMaxNameLength = 255;

IdnToAsciiFunction LookUpIdnToAscii() {
    for (const wchar_t* library : {L"kernel32.dll", L"normaliz.dll"}) {
        HMODULE module = GetModuleHandleW(library);
        if (!module) module = LoadLibraryW(library);
        if (!module) continue;
        if (FARPROC function = GetProcAddress(module, "IdnToAscii"))
            return reinterpret_cast<IdnToAsciiFunction>(reinterpret_cast<void*>(function));
    }
    return nullptr;
}

bool IsAscii(const std::wstring& text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

std::string AsciiBytes(std::wstring_view text) { return std::string(text.begin(), text.end()); }
}  // namespace

std::optional<std::string> ResolverName(const WebHost& host) {
    if (host.Kind != HostKind::Name) return std::nullopt;
    if (IsAscii(host.Text)) return AsciiBytes(host.Text);
    static const IdnToAsciiFunction idnToAscii = LookUpIdnToAscii();
    if (!idnToAscii) return std::nullopt;
    wchar_t ascii[kMaxNameLength + 1];
    int length = idnToAscii(0, host.Text.c_str(), int(host.Text.size()), ascii, kMaxNameLength);
    if (length <= 0) return std::nullopt;
    return AsciiBytes(std::wstring_view(ascii, size_t(length)));
}
