#pragma once
#include <string>
#include <string_view>

// UTF-8 text from a database file in the program's GBK. One rule on every
// platform: a character that GBK cannot hold, one beyond the Basic
// Multilingual Plane (GBK has none) and every ill-formed sequence (each
// maximal broken piece) become "?", so odd or damaged text still reads up
// to the odd part and never spills into the rest.
std::string Utf8TextToGbk(std::string_view utf8);
