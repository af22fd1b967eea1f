#include "base/HttpRedirects.h"

#include <algorithm>

#include "base/AsciiCase.h"

namespace {
bool IsRedirect(const HttpResponse& response) {
    int status = response.Status;
    return response.Outcome == HttpOutcome::Answered &&
           (status == 301 || status == 302 || status == 303 || status == 307 || status == 308);
}

bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view start) {
    return text.size() >= start.size() && SameIgnoringCase(text.substr(0, start.size()), start);
}

HttpResponse Refused() { return {.Outcome = HttpOutcome::Failed, .SystemError = kRedirectRefused}; }
}  // namespace

std::optional<std::wstring> RedirectTarget(const std::wstring& from, const std::string& location) {
    if (location.empty() || std::any_of(location.begin(), location.end(), [](char c) { return c <= ' ' || c > '~'; }))
        return std::nullopt;
    std::wstring target(location.begin(), location.end());
    if (StartsWithIgnoringCase(target, L"http://") || StartsWithIgnoringCase(target, L"https://")) return target;
    size_t scheme = from.find(L"://");
    if (scheme == std::wstring::npos) return std::nullopt;
    if (target.starts_with(L"//")) return from.substr(0, scheme + 1) + target;
    size_t pathStart = from.find(L'/', scheme + 3);
    std::wstring origin = from.substr(0, pathStart);
    if (target.starts_with(L"/")) return origin + target;
    std::wstring path = pathStart == std::wstring::npos ? L"/" : from.substr(pathStart);
    path = path.substr(0, path.find_first_of(L"?#"));
    return origin + path.substr(0, path.rfind(L'/') + 1) + target;
}

HttpResponse FollowRedirects(const HttpRequest& request, const HttpExchange& exchange) {
    std::wstring url = request.Url;
    HttpResponse response = exchange(url);
    for (int followed = 0; request.Method == "GET" && IsRedirect(response); ++followed) {
        std::optional<std::string> location = response.Header("Location");
        std::optional<std::wstring> next = location ? RedirectTarget(url, *location) : std::nullopt;
        if (!next || followed == kMostRedirects ||
            (StartsWithIgnoringCase(url, L"https://") && !StartsWithIgnoringCase(*next, L"https://")))
            return Refused();
        url = *next;
        response = exchange(url);
    }
    return response;
}
