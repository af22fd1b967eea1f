#include "app/DnsOverHttps.h"

#include <gtest/gtest.h>

#include "tests/app/DnsWire.h"

namespace {
// A resolver stand-in: its URL is its number and its kind.
//   a: 1.2.4.5   v6: no A, 2001:db8::10   nx: NXDOMAIN   none: no address
//   500: an HTTP error   html: a web page   cert: no connection   hang: takes all the time given
std::string Reply(const std::string& kind, int type) {
    bool a = kind == "a" && type == 1, v6 = kind == "v6" && type == 28;
    std::string record = a ? Record(kSite, 1, kA) : v6 ? Record(kSite, 28, kAaaa) : "";
    return Response(kind == "nx" ? 0x8183 : 0x8180, a || v6, type) + record;
}

// The address found, and the resolvers asked: number, question type, time given.
std::pair<std::string, std::string> Resolve(const std::vector<std::wstring>& urls) {
    uint64_t now = 0;
    std::string asked;
    auto transport = [&](const HttpRequest& request, HttpSink& sink) {
        int type = request.Body.end()[-3];
        std::string kind(request.Url.begin() + 1, request.Url.end()), body = Reply(kind, type);
        asked += char(request.Url[0]) + std::string(type == 28 ? "AAAA" : "A");
        asked += std::to_string(request.Deadlines.WholeMs) + " ";
        if (kind == "hang") now += request.Deadlines.WholeMs;
        if (kind == "hang" || kind == "cert") return HttpResponse{.Outcome = HttpOutcome::Failed};
        if (kind == "html") body = "<html></html>";
        sink.Write(body.data(), body.size());
        return HttpResponse{.Outcome = HttpOutcome::Answered,
                            .Status = kind == "500" ? 500 : 200,
                            .Headers = kind == "html" ? "Content-Type: text/html" : "Content-Type: application/dns-message"};
    };
    std::optional<DohFound> found = ResolveOverHttps("site.test", urls, transport, [&] { return now; });
    if (found) EXPECT_EQ(found->CanonicalName, "site.test");
    return {found ? FormatIpAddress(found->Address) : "", asked};
}
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
    for (const auto& c : cases) EXPECT_EQ(Resolve(c.resolvers), std::make_pair(c.found, c.asked));
}

// The one parser of switches: "/doh" takes the argument after it, whatever it is.
TEST(DnsOverHttps, GivenResolversReplaceTheListOnlyOnTheLoopbackAddress) {
    EXPECT_EQ(DohResolvers(TCommandLine({L"/noskin", L"/doh"})).front(), L"https://223.5.5.5/dns-query");
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
