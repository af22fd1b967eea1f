#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Whole-file reading and writing for the build tools; failures throw
// std::runtime_error naming the file.
std::vector<uint8_t> ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);
