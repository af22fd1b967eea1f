#include "app/HostFallback.h"

#include "app/FakeAddressBlocks.h"
#include "base/AsciiCase.h"
#include "locdb/AddressText.h"

namespace {
const std::string kWww = "www.";

bool StartsWithWww(const std::string& name) {
    return SameIgnoringCase(std::string_view(name).substr(0, kWww.size()), kWww);
}

// An address literal or the local machine names no site behind a "www.".
bool MayHideWww(const std::string& name) {
    return !name.empty() && !StartsWithWww(name) && !ParseDottedIpv4(name) && name != "localhost";
}
}  // namespace

THostFallback::THostFallback(const std::string& name) {
    FAttempts = {{name, ResolveStep::SystemIpv4}, {name, ResolveStep::SystemIpv6}};
    if (MayHideWww(name)) {
        FAttempts.push_back({kWww + name, ResolveStep::SystemIpv4});
        FAttempts.push_back({kWww + name, ResolveStep::SystemIpv6});
    }
}

FallbackAction THostFallback::After(AttemptEnd end, std::optional<uint32_t> ipv4) {
    const ResolveAttempt& attempt = Current();
    if (end == AttemptEnd::Address && attempt.Step == ResolveStep::SystemIpv4 && ipv4 && IsFakeProxyAddress(*ipv4) &&
        !ParseDottedIpv4(attempt.Name)) {
        FFakeAddress = ipv4;
        return Ask({attempt.Name, ResolveStep::OverHttps});
    }
    if (end == AttemptEnd::Address) return Over(FallbackAction::ShowAddress);
    if (attempt.Step == ResolveStep::OverHttps) return Over(FallbackAction::ShowFake);
    if (end == AttemptEnd::Failed && attempt.Step == ResolveStep::SystemIpv4)
        return Over(FallbackAction::ShowUnresolved);
    if (FCurrent + 1 == FAttempts.size()) return Over(FallbackAction::ShowUnresolved);
    ++FCurrent;
    return FallbackAction::AskCurrent;
}

// The answer over HTTPS ends the tries: the "www." retry does not follow.
FallbackAction THostFallback::Ask(ResolveAttempt attempt) {
    FAttempts = {std::move(attempt)};
    FCurrent = 0;
    return FallbackAction::AskCurrent;
}

FallbackAction THostFallback::Over(FallbackAction action) {
    FOver = true;
    return action;
}
