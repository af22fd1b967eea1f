#pragma once
#include <string>
#include <vector>

#include "tools/qqwry/LocationRange.h"

enum class TextEncoding { Utf8, Gbk };

// Reads lines "start,end,country,area": addresses dotted or decimal, start
// not after end, country and area texts in the given encoding (UTF-8 is
// converted to GBK). Texts are cleaned and cut by LocationText's rules; a
// country that is empty once cleaned is an error. Every error is an
// Exception naming the file and line.
std::vector<LocationRange> ReadLocationCsv(const std::string& path, TextEncoding encoding);

// The ranges as "start,end,country,area" lines, dotted addresses, GBK texts.
// Cleaned texts hold no comma or quote, so no field needs quoting.
std::string FormatLocationCsv(const std::vector<LocationRange>& ranges);
