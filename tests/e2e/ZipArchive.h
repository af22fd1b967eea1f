#pragma once
#include <string>
#include <vector>

// Unpacks a zip archive into a folder as a person's unzip tool would: every
// entry, stored or deflated, its folders made and its CRC checked. Gives
// the entries' names in the archive's order; a damaged archive, or an entry
// that would land outside the folder, throws Exception.
std::vector<std::string> UnpackZip(const std::wstring& archive, const std::wstring& folder);
