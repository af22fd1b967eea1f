#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The reader splits a record line into fields at blanks, control characters
// and commas and treats a leading double quote as quoting, then joins the
// area's fields with single blanks. Texts shaped by these rules come back
// from the reader exactly as written.

// Control characters, double quotes and commas become blanks, runs of blanks
// become one, both ends are trimmed. Input must be well-formed GBK.
std::string CleanText(std::string_view gbk);

// CleanText, and the blanks that remain become ideographic spaces (GBK
// A1 A1): the country is one field of the line, yet "New Zealand" should not
// turn into "NewZealand".
std::string CleanCountry(std::string_view gbk);

// Country and area bytes that fit one record line: 255 bytes less the 32
// address columns, the blank between the texts, CR LF and the zero byte
// that ends the line.
constexpr size_t kMaxPlaceTextBytes = 219;

// Cuts the area, and the country if it alone is too long, so that both fit
// kMaxPlaceTextBytes; a cut never splits a double-byte character.
void FitRecordLine(std::string& country, std::string& area);
