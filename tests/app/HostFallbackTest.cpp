#include "app/HostFallback.h"

#include <gtest/gtest.h>

namespace {
using enum AttemptEnd;
using enum FallbackAction;
using enum ResolveStep;
const uint32_t kFake = 0xC6120009;  // 198.18.0.9

// An attempt's end and what follows: the action, for AskCurrent the attempt next.
struct Step {
    AttemptEnd end;
    std::optional<uint32_t> ipv4;
    FallbackAction action;
    ResolveAttempt next = {};
};
const std::string kWww = "www.example.com";
const Step kIpv6 = {NoAddress, {}, AskCurrent, {"example.com", SystemIpv6}};
const Step kWwwIpv4 = {NoAddress, {}, AskCurrent, {kWww, SystemIpv4}};
}  // namespace

// A fake address is asked again over HTTPS, and whatever that gives ends
// the tries; a typed literal in the block and the addresses just outside it
// are shown as they are.
TEST(HostFallback, TriesEachNameInTheOneOrder) {
    const struct {
        const char* name;
        std::vector<Step> steps;
        std::optional<uint32_t> fake = std::nullopt;  // the fake address kept
    } cases[] = {
        {"example.com", {kIpv6, kWwwIpv4, {NoAddress, {}, AskCurrent, {kWww, SystemIpv6}}, {NoAddress, {}, ShowUnresolved}}},
        {"WWW.example.com", {{NoAddress, {}, AskCurrent, {"WWW.example.com", SystemIpv6}}, {Failed, {}, ShowUnresolved}}},
        {"localhost", {{NoAddress, {}, AskCurrent, {"localhost", SystemIpv6}}, {NoAddress, {}, ShowUnresolved}}},
        {"example.com", {{Failed, {}, ShowUnresolved}}},
        {"example.com", {{Address, kFake, AskCurrent, {"example.com", OverHttps}}, {Address, {}, ShowAddress}}, kFake},
        {"example.com", {{Address, 0xC613FFFF, AskCurrent, {"example.com", OverHttps}}, {NoAddress, {}, ShowFake}}, 0xC613FFFF},
        {"example.com", {kIpv6, kWwwIpv4, {Address, kFake, AskCurrent, {kWww, OverHttps}}, {Failed, {}, ShowFake}}, kFake},
        {"example.com", {{Address, 0xC611FFFF, ShowAddress}}},
        {"example.com", {{Address, 0xC6140000, ShowAddress}}},
        {"198.18.0.9", {{Address, kFake, ShowAddress}}},
    };
    for (const auto& c : cases) {
        THostFallback fallback(c.name);
        for (const Step& step : c.steps) {
            ResolveAttempt asked = fallback.Current();
            ASSERT_EQ(fallback.After(step.end, step.ipv4), step.action) << c.name << " " << asked.Name;
            EXPECT_FALSE(fallback.Awaits(asked)) << "an answer to an attempt over is dropped";
            if (step.action == AskCurrent) EXPECT_EQ(fallback.Current(), step.next) << c.name;
            EXPECT_EQ(fallback.Awaits(fallback.Current()), step.action == AskCurrent) << c.name;
        }
        EXPECT_EQ(fallback.FakeAddress(), c.fake) << c.name;
    }
}
