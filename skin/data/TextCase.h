#pragma once
#include <string>
#include <string_view>

// Letter case of GBK text: only ASCII letters change, and the second byte of
// a double-byte character is never taken for a letter.
std::string LowerCaseGbk(std::string_view text);
std::string UpperCaseGbk(std::string_view text);
