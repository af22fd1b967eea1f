#include "base/HttpMessage.h"

#include <gtest/gtest.h>

// On a clock the test moves, from a start at 1000: the connect limit until
// the headers, then the idle limit from the last arrival, never past the
// whole limit. Events: 'h' the headers, 'b' a piece of the body.
TEST(HttpDeadlines, GiveUpAtFollowsTheRequestsPhase) {
    const struct {
        HttpDeadlines limits;
        std::vector<std::pair<char, uint64_t>> events;
        std::optional<uint64_t> giveUpAt;
    } cases[] = {
        {{15000, 30000, 0}, {}, 16000},
        {{15000, 30000, 0}, {{'h', 5000}, {'b', 20000}}, 50000},
        {{15000, 0, 0}, {{'h', 5000}}, std::nullopt},
        {{15000, 30000, 5000}, {{'h', 2000}, {'b', 3000}}, 6000},
        {{0, 0, 0}, {}, std::nullopt},
    };
    for (const auto& c : cases) {
        THttpDeadlineWatch watch(c.limits, 1000);
        for (auto [kind, at] : c.events) kind == 'h' ? watch.HeadersArrived(at) : watch.BodyArrived(at);
        EXPECT_EQ(watch.GiveUpAt(), c.giveUpAt) << c.limits.ConnectMs << "/" << c.limits.IdleMs << "/" << c.limits.WholeMs;
        if (c.giveUpAt) EXPECT_TRUE(!watch.Overrun(*c.giveUpAt - 1) && watch.Overrun(*c.giveUpAt));
    }
}

TEST(HttpResponse, HeaderIsFoundWhateverItsCaseAndBlanks) {
    HttpResponse response{.Headers = "HTTP/1.1 200 OK\r\ncontent-TYPE:  text/html \r\nETag: \"a:b\"\r\n\r\n"};
    EXPECT_EQ(std::vector({response.Header("Content-Type"), response.Header("etag"), response.Header("Last-Modified")}),
              std::vector<std::optional<std::string>>({"text/html", "\"a:b\"", std::nullopt}));
}
