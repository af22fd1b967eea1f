#include "app/HostRule.h"

#include <algorithm>
#include <array>

#include "locdb/AddressText.h"

namespace {
const std::array<std::wstring_view, 3> kWebSchemes = {L"http", L"https", L"ftp"};
const std::wstring_view kAuthorityEnds = L"/\\?#";
const std::wstring_view kLocalhost = L"localhost";

bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsBlankOrControl(wchar_t c) { return c <= L' ' || c == 0x7F || c == 0x3000; }

bool AllDigits(std::wstring_view text) { return std::all_of(text.begin(), text.end(), IsDigit); }

bool IsSchemeName(std::wstring_view text) {
    if (text.empty() || !IsAsciiLetter(text[0])) return false;
    return std::all_of(text.begin(), text.end(), [](wchar_t c) {
        return IsAsciiLetter(c) || IsDigit(c) || c == L'+' || c == L'-' || c == L'.';
    });
}

// "localhost:8080/x" is a host and a port, not a scheme named localhost.
bool PortFollows(std::wstring_view afterColon) {
    std::wstring_view port = afterColon.substr(0, afterColon.find_first_of(kAuthorityEnds));
    return !port.empty() && AllDigits(port);
}

// Whether the text is the lower-case word, in any case.
bool IsWordInAnyCase(std::wstring_view text, std::wstring_view word) {
    return std::equal(text.begin(), text.end(), word.begin(), word.end(),
                      [](wchar_t a, wchar_t b) { return (IsAsciiLetter(a) ? (a | 0x20) : a) == b; });
}

bool IsWebScheme(std::wstring_view scheme) {
    return std::any_of(kWebSchemes.begin(), kWebSchemes.end(),
                       [&](std::wstring_view web) { return IsWordInAnyCase(scheme, web); });
}

std::wstring_view Trimmed(std::wstring_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
    return text;
}

bool StartsWithScheme(std::wstring_view text) {
    size_t colon = text.find(L':');
    return colon != std::wstring_view::npos && IsSchemeName(text.substr(0, colon)) &&
           !PortFollows(text.substr(colon + 1));
}

// The part after an optional web scheme; none for another scheme.
bool StripScheme(std::wstring_view& text) {
    if (!StartsWithScheme(text)) return true;
    size_t colon = text.find(L':');
    if (!IsWebScheme(text.substr(0, colon))) return false;
    text.remove_prefix(colon + 1);
    while (!text.empty() && (text.front() == L'/' || text.front() == L'\\')) text.remove_prefix(1);
    return true;
}

bool IsPortOrNothing(std::wstring_view text) { return text.empty() || (text[0] == L':' && AllDigits(text.substr(1))); }

// A dot with a label on either side: "a.b", not ".b" or "a.".
bool HasInnerDot(std::wstring_view name) {
    size_t dot = name.find(L'.', 1);
    return dot != std::wstring_view::npos && dot + 1 < name.size();
}

bool IsIpv6Literal(std::wstring_view text) {
    if (!std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; })) return false;
    return ParseIpv6(std::string(text.begin(), text.end())).has_value();
}

WebHost BracketedLiteral(std::wstring_view hostAndPort) {
    size_t close = hostAndPort.find(L']');
    if (close == std::wstring_view::npos || !IsPortOrNothing(hostAndPort.substr(close + 1))) return {};
    std::wstring_view literal = hostAndPort.substr(1, close - 1);
    if (!IsIpv6Literal(literal)) return {};
    return {HostKind::IPv6Literal, std::wstring(literal)};
}
}  // namespace

WebHost HostOfAddress(std::wstring_view address) {
    std::wstring_view text = Trimmed(address);
    if (text.empty() || std::any_of(text.begin(), text.end(), IsBlankOrControl)) return {};
    // Typed without brackets, as the typed lookup takes it; "fe80::1" would
    // otherwise pass for a scheme.
    std::wstring_view bare = text.substr(0, text.find_first_of(kAuthorityEnds));
    if (IsIpv6Literal(bare)) return {HostKind::IPv6Literal, std::wstring(bare)};
    if (!StripScheme(text)) return {};
    std::wstring_view authority = text.substr(0, text.find_first_of(kAuthorityEnds));
    if (size_t at = authority.rfind(L'@'); at != std::wstring_view::npos) authority.remove_prefix(at + 1);
    if (!authority.empty() && authority[0] == L'[') return BracketedLiteral(authority);
    size_t colon = authority.find(L':');
    std::wstring_view name = authority.substr(0, colon);
    if (name.empty() || (colon != std::wstring_view::npos && !IsPortOrNothing(authority.substr(colon)))) return {};
    return {HostKind::Name, std::wstring(name)};
}

bool LooksLikeAddress(std::wstring_view value) {
    std::wstring_view text = Trimmed(value);
    if (text.empty() || std::any_of(text.begin(), text.end(), IsBlankOrControl)) return false;
    if (StartsWithScheme(text)) return true;
    WebHost host = HostOfAddress(text);
    if (host.Kind == HostKind::IPv6Literal) return true;
    if (host.Kind == HostKind::None) return false;
    size_t end = text.find_first_of(kAuthorityEnds);
    bool slashFollows = end != std::wstring_view::npos && text[end] == L'/';
    return IsWordInAnyCase(host.Text, kLocalhost) || HasInnerDot(host.Text) || slashFollows;
}
