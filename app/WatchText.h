#pragma once
#include <string>

// Where the web-address box's text came from, which names it in the notice.
enum class AddressOrigin { InternetExplorerOrTyped, OtherBrowser };

// The four-line notice, GBK; lines end with a lone carriage return. A long
// web address shows its first 30 bytes and "...".
std::string BuildNotice(AddressOrigin origin, const std::string& webAddress, const std::string& ip,
                        const std::string& host, const std::string& location);

// The location of a site whose address the system gave through a proxy's
// fake block: the note says so, in the box and so in the notice.
std::string ThroughProxy(const std::string& location);
