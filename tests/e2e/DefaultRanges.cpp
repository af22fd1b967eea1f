#include "tests/e2e/DefaultRanges.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/e2e/ProgramFolder.h"

std::vector<RangeRow> SampleRanges(size_t count) {
    std::vector<std::string> lines;
    std::ifstream csv(std::filesystem::path(FromBuild("QUORVIK_DEFAULT_RANGES")));
    for (std::string line; std::getline(csv, line);) lines.push_back(line);
    std::vector<RangeRow> rows;
    for (size_t i = 0; i < count && !lines.empty(); ++i) {
        std::stringstream line(lines[i * (lines.size() - 1) / (count - 1)]);
        RangeRow fields;
        for (std::string field; std::getline(line, field, ',');) fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

std::string MiddleOf(const std::string& start, const std::string& end) {
    auto number = [](const std::string& dotted) {
        unsigned a, b, c, d;
        sscanf(dotted.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d);
        return uint32_t(a << 24 | b << 16 | c << 8 | d);
    };
    uint32_t middle = number(start) + (number(end) - number(start)) / 2;
    return std::to_string(middle >> 24) + "." + std::to_string(middle >> 16 & 255) + "." +
           std::to_string(middle >> 8 & 255) + "." + std::to_string(middle & 255);
}

std::string ShownLocation(const RangeRow& row) {
    if (row[2].starts_with("纯真网络")) return "暂无该IP的数据纪录";
    return row[2] + (row.size() > 3 && !row[3].empty() ? row[3] : "无");
}
