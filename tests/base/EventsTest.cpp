#include "base/Events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Exception.h"

namespace {
std::vector<std::string> traces;
void Collect(const char* message) noexcept { traces.push_back(message); }
}  // namespace

TEST(RunGuarded, SwallowsAFailureAndLeavesItsMessageAsTheOneTrace) {
    FailureTrace = Collect;
    RunGuarded([] { throw Exception("数据库文件打不开"); });
    RunGuarded([] { throw 42; });
    RunGuarded([] {});
    FailureTrace = nullptr;
    ASSERT_EQ(traces.size(), 2u);
    EXPECT_EQ(traces[0], "数据库文件打不开");
    EXPECT_EQ(traces[1], kUnknownFailure);
}
