#include "base/HttpMessage.h"

#include <gtest/gtest.h>

// When a request is given up, on a clock the test moves: the connect limit
// until the headers, then the idle limit from the last piece, never past
// the whole limit.
TEST(HttpDeadlines, GiveUpAtFollowsTheRequestsPhase) {
    struct Event {
        char kind;  // 'h': headers, 'b': a piece of the body
        uint64_t at;
    };
    const struct {
        HttpDeadlines limits;
        std::vector<Event> events;
        std::optional<uint64_t> giveUpAt;  // the request started at 1000
    } cases[] = {
        {{15000, 30000, 0}, {}, 16000},
        {{15000, 30000, 0}, {{'h', 5000}}, 35000},
        {{15000, 30000, 0}, {{'h', 5000}, {'b', 20000}}, 50000},
        {{15000, 0, 0}, {{'h', 5000}}, std::nullopt},
        {{0, 0, 5000}, {}, 6000},
        {{15000, 30000, 5000}, {{'h', 2000}, {'b', 3000}}, 6000},
        {{0, 0, 0}, {}, std::nullopt},
    };
    for (const auto& c : cases) {
        THttpDeadlineWatch watch(c.limits, 1000);
        for (const Event& event : c.events) event.kind == 'h' ? watch.HeadersArrived(event.at) : watch.BodyArrived(event.at);
        EXPECT_EQ(watch.GiveUpAt(), c.giveUpAt) << c.limits.ConnectMs << "/" << c.limits.IdleMs << "/" << c.limits.WholeMs;
        if (c.giveUpAt) EXPECT_EQ(std::make_pair(watch.Overrun(*c.giveUpAt - 1), watch.Overrun(*c.giveUpAt)), std::make_pair(false, true));
    }
}

TEST(HttpResponse, HeaderIsFoundWhateverItsCaseAndBlanks) {
    HttpResponse response{.Headers = "HTTP/1.1 200 OK\r\ncontent-TYPE:  application/dns-message \r\nETag: \"a:b\"\r\n\r\n"};
    EXPECT_EQ(response.Header("Content-Type"), "application/dns-message");
    EXPECT_EQ(response.Header("etag"), "\"a:b\"");
    EXPECT_EQ(response.Header("Last-Modified"), std::nullopt);
    HttpBodyBuffer body(4);
    EXPECT_TRUE(body.Write("abc", 3));
    EXPECT_FALSE(body.Write("de", 2));
    EXPECT_EQ(body.Body(), "abc");
}
