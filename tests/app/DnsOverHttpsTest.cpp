#include "app/DnsOverHttps.h"

#include <gtest/gtest.h>

namespace {
// A resolver stand-in: its URL is its number and its kind.
//   a: 1.2.4.5   v6: no A, 2001:db8::10   nx: NXDOMAIN   none: no address
//   500: an HTTP error   html: a web page   cert: no connection   hang: takes all the time given
std::string Reply(const std::string& kind, const std::string& query) {
    bool ipv6 = query[query.size() - 3] == 28;
    std::string record = kind == "a" && !ipv6 ? std::string("\xC0\x0C\0\1\0\1\0\0\0\1\0\4\1\2\4\5", 16)
                         : kind == "v6" && ipv6
                             ? std::string("\xC0\x0C\0\x1c\0\1\0\0\0\1\0\x10\x20\x01\x0d\xb8", 16) + std::string(11, '\0') + '\x10'
                             : "";
    return std::string("\0\0", 2) + (kind == "nx" ? "\x81\x83" : "\x81\x80") + std::string("\0\1\0", 3) +
           char(!record.empty()) + std::string(4, '\0') + query.substr(12) + record;
}

struct Resolvers {
    uint64_t now = 0;
    std::string asked;  // resolver number, question type, time given

    std::optional<DohFound> Resolve(const std::vector<std::wstring>& urls) {
        auto transport = [&](const HttpRequest& request, HttpSink& sink) {
            std::string kind(request.Url.begin() + 1, request.Url.end()), body = Reply(kind, request.Body);
            asked += char(request.Url[0]) + std::string(request.Body.end()[-3] == 28 ? "AAAA" : "A") +
                     std::to_string(request.Deadlines.WholeMs) + " ";
            if (kind == "hang") now += request.Deadlines.WholeMs;
            if (kind == "hang" || kind == "cert") return HttpResponse{.Outcome = HttpOutcome::Failed};
            if (kind == "html") body = "<html></html>";
            sink.Write(body.data(), body.size());
            return HttpResponse{.Outcome = HttpOutcome::Answered, .Status = kind == "500" ? 500 : 200,
                                .Headers = kind == "html" ? "Content-Type: text/html" : "Content-Type: application/dns-message"};
        };
        return ResolveOverHttps("site.test", urls, transport, [&] { return now; });
    }
};
}  // namespace

TEST(DnsOverHttps, ResolversAreAskedInOrderUntilOneAnswers) {
    const struct {
        std::vector<std::wstring> resolvers;
        std::string found;  // empty: none
        std::string asked;
    } cases[] = {
        {{L"1a", L"2v6"}, "1.2.4.5", "1A2000 "},
        {{L"1v6"}, "2001:db8::10", "1A2000 1AAAA2000 "},
        {{L"1500", L"2html", L"3cert", L"4a"}, "1.2.4.5", "1A2000 2A2000 3A2000 4A2000 "},
        {{L"1nx", L"2a"}, "", "1A2000 "},
        {{L"1none", L"2a"}, "", "1A2000 1AAAA2000 "},
        {{L"1hang", L"2a"}, "1.2.4.5", "1A2000 2A2000 "},
        {{L"1hang", L"2hang", L"3hang", L"4a"}, "", "1A2000 2A2000 3A1000 "},
    };
    for (const auto& c : cases) {
        Resolvers resolvers;
        std::optional<DohFound> found = resolvers.Resolve(c.resolvers);
        EXPECT_EQ(found ? FormatIpAddress(found->Address) : "", c.found) << c.asked;
        EXPECT_EQ(resolvers.asked, c.asked);
        if (found) EXPECT_EQ(found->CanonicalName, "site.test");
    }
}

TEST(DnsOverHttps, GivenResolversReplaceTheListOnlyOnTheLoopbackAddress) {
    EXPECT_EQ(DohResolvers(TCommandLine({L"/noskin"})).front(), L"https://223.5.5.5/dns-query");
    EXPECT_EQ(DohResolvers(TCommandLine({L"/doh", L"https://127.0.0.1:8443/dns-query", L"/DOH", L"https://1.1.1.1/",
                                         L"/doh", L"http://127.0.0.1/", L"/doh", L"https://me@127.0.0.1/", L"/doh",
                                         L"https://127.0.0.1.example/", L"/doh", L"https://127.9.9.9/q"})),
              (std::vector<std::wstring>{L"https://127.0.0.1:8443/dns-query", L"https://127.9.9.9/q"}));
    EXPECT_EQ(DohResolvers(TCommandLine({L"/doh", L"https://8.8.8.8/"})), std::vector<std::wstring>{});
}

TEST(CommandLine, SwitchesWithAValueTakeTheNextArgument) {
    TCommandLine line({L"/NoSkin", L"/doh", L"one", L"/doh", L"/noskin", L"/doh"});
    EXPECT_TRUE(line.Has(L"/noskin"));
    EXPECT_EQ(line.Values(L"/DOH"), (std::vector<std::wstring>{L"one", L"/noskin"}));
    EXPECT_FALSE(TCommandLine({L"/doh", L"/noskin"}).Has(L"/noskin"));
}
