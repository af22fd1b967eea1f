#pragma once
#include <string>
#include <vector>

// The table of ranges that the default database was built from (GBK lines
// start,end,country,area), as the tests check the program's answers by it.
using RangeRow = std::vector<std::string>;

// Rows spread evenly over the whole table, the first and the last included.
std::vector<RangeRow> SampleRanges(size_t count);
// The dotted address halfway through the range from start to end.
std::string MiddleOf(const std::string& start, const std::string& end);
// What the typed lookup shows for an address of the row.
std::string ShownLocation(const RangeRow& row);
