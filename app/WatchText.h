#pragma once
#include <string>

// Where the web-address box's text came from, which names it in the notice.
enum class AddressOrigin { InternetExplorerOrTyped, OtherBrowser };

// The four-line notice, GBK; lines end with a lone carriage return. A long
// web address shows its first 30 bytes and "...".
std::string BuildNotice(AddressOrigin origin, const std::string& webAddress, const std::string& ip,
                        const std::string& host, const std::string& location);
