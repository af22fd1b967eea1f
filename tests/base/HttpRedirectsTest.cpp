#include "base/HttpRedirects.h"

#include <gtest/gtest.h>

namespace {
// A server whose answers are a table: URL to status and Location; any URL
// not in it answers 200. The URLs asked, in order, come back with the end.
std::pair<std::string, std::wstring> Follow(const std::map<std::wstring, std::pair<int, std::string>>& server,
                                            const std::string& method = "GET") {
    std::wstring asked;
    HttpResponse end =
        FollowRedirects({.Method = method, .Url = L"https://a.test/feed/x"}, [&](const std::wstring& url) {
            asked += url + L" ";
            auto found = server.find(url);
            if (found == server.end()) return HttpResponse{.Outcome = HttpOutcome::Answered, .Status = 200};
            return HttpResponse{.Outcome = HttpOutcome::Answered,
                                .Status = found->second.first,
                                .Headers = "Location: " + found->second.second + "\r\n"};
        });
    std::string shown = end.Outcome == HttpOutcome::Answered  ? std::to_string(end.Status)
                        : end.SystemError == kRedirectRefused ? "refused"
                                                              : "other";
    return {shown, asked};
}
}  // namespace

TEST(HttpRedirects, GetRequestsFollowAtMostFiveRedirectsNeverToHttp) {
    const std::wstring x = L"https://a.test/feed/x";
    const struct {
        std::map<std::wstring, std::pair<int, std::string>> server;
        std::string method, end;
        std::wstring asked;
    } cases[] = {
        {{{x, {302, "/y?q"}}}, "GET", "200", x + L" https://a.test/y?q "},
        {{{x, {301, "z"}}}, "GET", "200", x + L" https://a.test/feed/z "},
        {{{x, {307, "//b.test/w"}}}, "GET", "200", x + L" https://b.test/w "},
        {{{x, {308, "https://c.test/"}}}, "GET", "200", x + L" https://c.test/ "},
        {{{x, {302, "x"}}}, "GET", "refused", x + L" " + x + L" " + x + L" " + x + L" " + x + L" " + x + L" "},
        {{{x, {302, "http://a.test/feed/x"}}}, "GET", "refused", x + L" "},
        {{{x, {302, ""}}}, "GET", "refused", x + L" "},
        {{{x, {302, "z"}}}, "POST", "302", x + L" "},
        {{{x, {304, "z"}}}, "GET", "304", x + L" "},
    };
    for (const auto& c : cases) EXPECT_EQ(Follow(c.server, c.method), std::make_pair(c.end, c.asked)) << c.end;
}
