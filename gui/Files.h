#pragma once
#include <string>
#include <string_view>

// Whether a file (not a folder) exists at the path (GBK).
bool FileExists(const std::string& path);

// Writes the bytes as the whole content of the file at path, which may exist.
// They go to a new file beside it first, which then replaces it, so a failed
// write never destroys what was there. Failures throw Exception with the
// system's reason (GBK) and leave no new file behind.
void WriteFileReplacing(const std::string& path, std::string_view bytes);
