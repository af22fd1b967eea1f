#include "app/CommandLine.h"

#include <algorithm>
#include <iterator>

namespace {
// The switches that take a value.
const wchar_t* const kSwitchesWithValue[] = {
    L"/doh",  // a DNS-over-HTTPS resolver's URL, on the loopback address only
};

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c | 0x20) : c; }

bool SameName(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

bool TakesValue(const std::wstring& name) {
    return std::any_of(std::begin(kSwitchesWithValue), std::end(kSwitchesWithValue),
                       [&](const wchar_t* known) { return SameName(name, known); });
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
                       [&](const auto& given) { return SameName(given.first, name); });
}

std::vector<std::wstring> TCommandLine::Values(std::wstring_view name) const {
    std::vector<std::wstring> values;
    for (const auto& [given, value] : FSwitches)
        if (SameName(given, name)) values.push_back(value);
    return values;
}
