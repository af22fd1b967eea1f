#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

// A file in the test's temporary folder holding the given bytes.
inline std::string TestFile(const std::string& name, const std::string& bytes) {
    std::string path = (std::filesystem::path(testing::TempDir()) / ("qqwry_tool_" + name)).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
}

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// UTF-8 literal bytes; plain narrow literals are GBK in this project.
inline std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }
