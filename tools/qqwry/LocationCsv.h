#pragma once
#include <string>
#include <vector>

#include "tools/qqwry/LocationRange.h"

enum class TextEncoding { Utf8, Gbk };

// Reads lines "start,end,country,area": addresses of the family as
// AddressFamily parses them, start not after end, country and area texts in
// the given encoding (UTF-8 is converted to GBK). Texts are cleaned and cut
// by LocationText's rules; a country that is empty once cleaned is an error.
// Every error is an Exception naming the file and line.
template <typename Address = uint32_t>
std::vector<BasicLocationRange<Address>> ReadLocationCsv(const std::string& path, TextEncoding encoding);

// The ranges as "start,end,country,area" lines, addresses as FormatAddress
// writes them, GBK texts. Cleaned texts hold no comma or quote, so no field
// needs quoting.
template <typename Address>
std::string FormatLocationCsv(const std::vector<BasicLocationRange<Address>>& ranges);
