#pragma once
#include <functional>
#include <string>
#include <vector>

// Calls handle with the fields of each non-empty line of a CSV file (LF or
// CR LF line ends; a UTF-8 byte-order mark at the start is skipped). An
// Exception thrown while a line is handled comes back with "path:line: "
// before its message, so bad input names its place.
void ForEachCsvLine(const std::string& path, const std::function<void(const std::vector<std::string>&)>& handle);

