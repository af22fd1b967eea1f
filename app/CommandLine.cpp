#include "app/CommandLine.h"

#include <algorithm>
#include <iterator>

#include "base/AsciiCase.h"
#include "locdb/AddressText.h"

namespace {
// The switches that take a value.
const wchar_t* const kSwitchesWithValue[] = {
    L"/doh",      // a DNS-over-HTTPS resolver's URL, on the loopback address only
    L"/feed",     // a database feed's URL, on the loopback address only
    L"/feedkey",  // a file with a public key that such a feed's manifest may be signed with
};

bool TakesValue(const std::wstring& name) {
    return std::any_of(std::begin(kSwitchesWithValue), std::end(kSwitchesWithValue),
                       [&](const wchar_t* known) { return SameIgnoringCase(name, known); });
}
}  // namespace

TCommandLine::TCommandLine(const std::vector<std::wstring>& arguments) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (!TakesValue(arguments[i])) {
            FSwitches.push_back({arguments[i], L""});
        } else if (i + 1 < arguments.size()) {
            FSwitches.push_back({arguments[i], arguments[i + 1]});
            ++i;
        }
    }
}

bool TCommandLine::Has(std::wstring_view name) const {
    return std::any_of(FSwitches.begin(), FSwitches.end(),
                       [&](const auto& given) { return SameIgnoringCase(given.first, name); });
}

std::vector<std::wstring> TCommandLine::Values(std::wstring_view name) const {
    std::vector<std::wstring> values;
    for (const auto& [given, value] : FSwitches)
        if (SameIgnoringCase(given, name)) values.push_back(value);
    return values;
}

// https://127.x.y.z[:port]/..., with no user information.
bool IsLoopbackHttpsUrl(const std::wstring& url) {
    const std::wstring scheme = L"https://";
    if (url.compare(0, scheme.size(), scheme) != 0) return false;
    std::wstring authority = url.substr(scheme.size(), url.find(L'/', scheme.size()) - scheme.size());
    std::wstring host = authority.substr(0, authority.find(L':'));
    std::string ascii(host.begin(), host.end());
    if (!std::all_of(host.begin(), host.end(), [](wchar_t c) { return c < 0x80; })) return false;
    std::optional<uint32_t> address = ParseDottedIpv4(ascii);
    return address && *address >> 24 == 127;
}
