#pragma once
#include <string>

// The four-line notice, GBK; lines end with a lone carriage return. A long
// web address shows its first 30 bytes and "...".
std::string BuildNotice(const std::string& webAddress, const std::string& ip, const std::string& host,
                        const std::string& location);
