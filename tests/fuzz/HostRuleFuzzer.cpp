// Any text as a page can put it in a browser's address bar, as UTF-16 code
// units (two bytes each, low byte first): the address shape, the host rule
// and the names a host is tried with. The host is a piece of the text.
#include <cstddef>
#include <cstdint>

#include "app/HostFallback.h"
#include "app/HostRule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::wstring text;
    for (size_t i = 0; i + 1 < size; i += 2) text.push_back(wchar_t(data[i] | data[i + 1] << 8));
    LooksLikeAddress(text);
    WebHost host = HostOfAddress(text);
    if (host.Kind != HostKind::None && (host.Text.empty() || text.find(host.Text) == std::wstring::npos))
        __builtin_trap();
    THostFallback names(std::string(host.Text.begin(), host.Text.end()));
    while (names.After(AttemptEnd::NoAddress) == FallbackAction::AskCurrent) {
    }
    return 0;
}
