#include "app/WebAddresses.h"

#include <algorithm>
#include <iterator>

#include "base/AsciiCase.h"

const wchar_t kWebSite[] = L"https://quorvik.example.org/";

namespace {
const wchar_t* const kDataFeeds[] = {
    L"https://quorvik.example.org/data/",
};

std::wstring FeedFolder(std::wstring url) {
    if (!url.ends_with(L'/')) url += L'/';
    return url;
}
}  // namespace

bool IsFeedAddress(const std::wstring& address) {
    std::wstring_view text = address;
    auto startsWith = [&](std::wstring_view scheme) {
        return text.size() > scheme.size() && SameIgnoringCase(text.substr(0, scheme.size()), scheme);
    };
    return (startsWith(L"http://") || startsWith(L"https://")) &&
           std::none_of(text.begin(), text.end(), [](wchar_t c) { return c <= L' '; });
}

std::vector<std::wstring> DataFeeds(const TCommandLine& commandLine, const std::wstring& mirror) {
    std::vector<std::wstring> feeds;
    if (IsFeedAddress(mirror)) feeds.push_back(FeedFolder(mirror));
    std::vector<std::wstring> given = commandLine.Values(L"/feed");
    if (given.empty())
        given.assign(std::begin(kDataFeeds), std::end(kDataFeeds));
    else
        std::erase_if(given, [](const std::wstring& url) { return !IsLoopbackHttpsUrl(url); });
    std::transform(given.begin(), given.end(), std::back_inserter(feeds), FeedFolder);
    return feeds;
}
