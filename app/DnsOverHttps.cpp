#include "app/DnsOverHttps.h"

#include <algorithm>
#include <iterator>

#include "locdb/AddressText.h"

namespace {
const wchar_t* const kDefaultResolvers[] = {
    L"https://223.5.5.5/dns-query",   // AliDNS
    L"https://1.12.12.12/dns-query",  // DNSPod
    L"https://1.1.1.1/dns-query",     // Cloudflare
};
const uint64_t kResolverMs = 2000;
const uint64_t kAttemptMs = 5000;
const size_t kMaxMessageBytes = 65535;
const char kDnsMessageType[] = "application/dns-message";

// What one question to a resolver leads to.
enum class Reply { Found, Nothing, AskForIpv6, TryNextResolver };

struct ResolverReply {
    Reply Kind;
    std::optional<DohFound> Found;
};

ResolverReply Ask(const std::wstring& resolver, const std::string& name, DnsType type, uint64_t budgetMs,
                  const HttpTransport& transport) {
    std::optional<std::string> query = BuildDnsQuery(name, type);
    if (!query) return {Reply::Nothing};
    HttpRequest request{.Method = "POST",
                        .Url = resolver,
                        .Headers = {std::string("Content-Type: ") + kDnsMessageType,
                                    std::string("Accept: ") + kDnsMessageType},
                        .Body = *query,
                        .Deadlines = {.WholeMs = uint32_t(budgetMs)}};
    HttpBodyBuffer body(kMaxMessageBytes);
    HttpResponse response = transport(request, body);
    if (response.Outcome != HttpOutcome::Answered || response.Status != 200 ||
        response.Header("Content-Type") != kDnsMessageType)
        return {Reply::TryNextResolver};
    DnsAnswer answer = ParseDnsAnswer(body.Body(), name, type);
    switch (answer.Outcome) {
    case DnsOutcome::Address: return {Reply::Found, DohFound{*answer.Address, answer.CanonicalName}};
    case DnsOutcome::NoAddress: return {type == DnsType::A ? Reply::AskForIpv6 : Reply::Nothing};
    case DnsOutcome::NoSuchName: return {Reply::Nothing};
    case DnsOutcome::Unusable: break;
    }
    return {Reply::TryNextResolver};
}
}  // namespace

std::vector<std::wstring> DohResolvers(const TCommandLine& commandLine) {
    std::vector<std::wstring> given = commandLine.Values(L"/doh");
    if (given.empty()) return {std::begin(kDefaultResolvers), std::end(kDefaultResolvers)};
    std::erase_if(given, [](const std::wstring& url) { return !IsLoopbackHttpsUrl(url); });
    return given;
}

std::optional<DohFound> ResolveOverHttps(const std::string& name, const std::vector<std::wstring>& resolvers,
                                         const HttpTransport& transport, const std::function<uint64_t()>& clock) {
    uint64_t attemptEnd = clock() + kAttemptMs;
    for (const std::wstring& resolver : resolvers) {
        uint64_t resolverEnd = std::min(clock() + kResolverMs, attemptEnd);
        for (DnsType type : {DnsType::A, DnsType::Aaaa}) {
            uint64_t now = clock();
            if (now >= resolverEnd) break;
            ResolverReply reply = Ask(resolver, name, type, resolverEnd - now, transport);
            if (reply.Kind == Reply::Found) return reply.Found;
            if (reply.Kind == Reply::Nothing) return std::nullopt;
            if (reply.Kind == Reply::TryNextResolver) break;
        }
    }
    return std::nullopt;
}
