#include "app/DnsOverHttps.h"

#include <gtest/gtest.h>

namespace {
// A resolver stand-in: what it does with each question, by its URL.
//   a: 1.2.4.5   v6: no A, 2001:db8::10   nx: NXDOMAIN   none: no address
//   500: an HTTP error   html: a web page   cert: no connection
//   hang: takes all the time it is given
std::string Reply(const std::string& kind, const std::string& query) {
    std::string question = query.substr(12), flags = kind == "nx" ? "\x81\x83" : "\x81\x80";
    bool ipv6 = query.back() == 1 && query[query.size() - 3] == 28;
    std::string head = std::string("\0\0", 2) + flags + std::string("\0\1\0", 3);
    if (kind == "a" && !ipv6) return head + '\1' + std::string(4, '\0') + question + "\xC0\x0C" + std::string("\0\1\0\1\0\0\0\1\0\4\1\2\4\5", 14);
    if (kind == "v6" && ipv6)
        return head + '\1' + std::string(4, '\0') + question + "\xC0\x0C" + std::string("\0\x1c\0\1\0\0\0\1\0\x10\x20\x01\x0d\xb8", 14) +
               std::string(11, '\0') + '\x10';
    return head + '\0' + std::string(4, '\0') + question;
}

struct Resolvers {
    uint64_t now = 0;
    std::string asked;  // resolver number, question type, time given

    std::optional<DohFound> Resolve(const std::vector<std::string>& kinds) {
        std::vector<std::wstring> urls;
        for (const std::string& kind : kinds) {
            std::string url = std::to_string(urls.size() + 1) + kind;
            urls.push_back(std::wstring(url.begin(), url.end()));
        }
        auto transport = [&](const HttpRequest& request, HttpSink& sink) {
            std::string kind(request.Url.begin() + 1, request.Url.end());
            asked += std::string(1, char(request.Url[0])) + (request.Body.back() == 1 && request.Body[request.Body.size() - 3] == 28 ? "AAAA" : "A") +
                     std::to_string(request.Deadlines.WholeMs) + " ";
            if (kind == "hang") now += request.Deadlines.WholeMs;
            if (kind == "hang" || kind == "cert") return HttpResponse{.Outcome = kind == "hang" ? HttpOutcome::TimedOut : HttpOutcome::Failed};
            std::string body = kind == "html" ? "<html></html>" : Reply(kind, request.Body);
            sink.Write(body.data(), body.size());
            return HttpResponse{.Outcome = HttpOutcome::Answered, .Status = kind == "500" ? 500 : 200,
                                .Headers = kind == "html" ? "Content-Type: text/html\r\n" : "Content-Type: application/dns-message\r\n"};
        };
        return ResolveOverHttps("site.test", urls, transport, [&] { return now; });
    }
};
}  // namespace

TEST(DnsOverHttps, ResolversAreAskedInOrderUntilOneAnswers) {
    const struct {
        std::vector<std::string> resolvers;
        std::string found;  // empty: none
        std::string asked;
    } cases[] = {
        {{"a", "v6"}, "1.2.4.5", "1A2000 "},
        {{"v6"}, "2001:db8::10", "1A2000 1AAAA2000 "},
        {{"500", "html", "cert", "a"}, "1.2.4.5", "1A2000 2A2000 3A2000 4A2000 "},
        {{"nx", "a"}, "", "1A2000 "},
        {{"none", "a"}, "", "1A2000 1AAAA2000 "},
        {{"hang", "a"}, "1.2.4.5", "1A2000 2A2000 "},
        {{"hang", "hang", "hang", "a"}, "", "1A2000 2A2000 3A1000 "},
        {{}, "", ""},
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
    EXPECT_EQ(DohResolvers(TCommandLine({L"/doh", L"https://127.0.0.1:8443/dns-query", L"/DOH", L"https://1.1.1.1/dns-query",
                                         L"/doh", L"http://127.0.0.1/", L"/doh", L"https://me@127.0.0.1/",
                                         L"/doh", L"https://127.0.0.1.example/", L"/doh", L"https://127.9.9.9/q"})),
              (std::vector<std::wstring>{L"https://127.0.0.1:8443/dns-query", L"https://127.9.9.9/q"}));
    EXPECT_EQ(DohResolvers(TCommandLine({L"/doh", L"https://8.8.8.8/"})), std::vector<std::wstring>{});
}

TEST(CommandLine, SwitchesWithAValueTakeTheNextArgument) {
    TCommandLine line({L"/NoSkin", L"/doh", L"one", L"/doh", L"/noskin", L"/doh"});
    EXPECT_TRUE(line.Has(L"/noskin"));
    EXPECT_EQ(line.Values(L"/DOH"), (std::vector<std::wstring>{L"one", L"/noskin"}));
    EXPECT_FALSE(TCommandLine({L"/doh", L"/noskin"}).Has(L"/noskin"));
    EXPECT_TRUE(TCommandLine({}).Values(L"/doh").empty());
}
