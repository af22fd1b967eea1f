#pragma once
#include <string>
#include <string_view>
#include <vector>

// One line of a CSV file: fields separated by commas, a field in double
// quotes may hold commas and doubled quotes (""). A quoted field never spans
// lines. Throws Exception on an unclosed quote or text behind a closing one.
std::vector<std::string> SplitCsvLine(std::string_view line);

// The field as SplitCsvLine reads it back: quoted when it holds a comma, a
// double quote or a line break.
std::string QuoteCsvField(std::string_view field);
