#include "app/CommandLine.h"

#include <algorithm>
#include <iterator>

#include "base/AsciiCase.h"

namespace {
// The switches that take a value.
const wchar_t* const kSwitchesWithValue[] = {
    L"/doh",  // a DNS-over-HTTPS resolver's URL, on the loopback address only
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
