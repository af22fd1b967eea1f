#pragma once
#include <string>
#include <string_view>

// What a web address names for the resolver. Addresses come as UTF-16 from
// the browsers and from the typed box, so the rule works on UTF-16 and never
// on a GBK rendering, which loses what GBK cannot hold.
enum class HostKind {
    None,         // no web host: nothing to resolve
    Name,         // a host name or IPv4 literal, Unicode names not yet converted
    IPv6Literal,  // the address inside the brackets, never for the IPv4 resolver
};

struct WebHost {
    HostKind Kind = HostKind::None;
    std::wstring Text;
    bool operator==(const WebHost&) const = default;
};

// The host of an address as a browser's address field shows it or a person
// types it: the scheme (Chromium hides it), user information and port go.
// Only http, https and ftp name web hosts; other schemes (about:, chrome://,
// edge://, file:), text with blanks (a search) and malformed ports give None.
WebHost HostOfAddress(std::wstring_view address);

// Whether a value read from a browser's address field shows an address
// rather than words typed or searched for: a scheme ("about:blank",
// "https://x"), or a host that is an IP literal, localhost, a name with a dot,
// or any name followed by "/". Chromium's display text drops the scheme and
// "www.", so "example.com/a" and "127.0.0.1" are addresses; "weather" and
// "what is my ip" are not, and neither is "foobar", which Chromium shows for
// https://foobar/.
bool LooksLikeAddress(std::wstring_view value);
