#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Whether a file (not a folder) exists at the path (GBK).
bool FileExists(const std::string& path);

// Writes the bytes as the whole content of the file at path, which may exist.
// They go to a new file beside it first, which then replaces it, so a failed
// write never destroys what was there. Failures throw Exception with the
// system's reason (GBK) and leave no new file behind.
void WriteFileReplacing(const std::string& path, std::string_view bytes);
void WriteFileReplacing(const std::wstring& path, std::string_view bytes);

// The whole content of the file at path (GBK), read while others may read
// it too; none when it cannot be opened or read, or holds more than
// maxBytes.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, uint64_t maxBytes);
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::wstring& path, uint64_t maxBytes);
