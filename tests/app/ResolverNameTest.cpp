#include "app/ResolverName.h"

#include <gtest/gtest.h>

namespace {
struct NameCase {
    HostKind kind;
    const wchar_t* host;
    std::optional<std::string> name;
};
}  // namespace

TEST(ResolverName, UnicodeNamesGoThroughIdnaAndNothingButNamesReachTheResolver) {
    const NameCase cases[] = {
        {HostKind::Name, L"a.b.c", "a.b.c"},
        {HostKind::Name, L"例子.中国", "xn--fsqu00a.xn--fiqs8s"},
        // Name preparation folds full-width letters to the name they spell.
        {HostKind::Name, L"ｌｏｃａｌｈｏｓｔ", "localhost"},
        {HostKind::Name, L"例..中国", std::nullopt},
        {HostKind::IPv6Literal, L"::1", std::nullopt},
        {HostKind::None, L"", std::nullopt},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(ResolverName({c.kind, c.host}), c.name) << testing::PrintToString(std::wstring(c.host));
}
