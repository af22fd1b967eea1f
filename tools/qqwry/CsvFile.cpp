#include "tools/qqwry/CsvFile.h"

#include <fstream>
#include <string_view>

#include "base/Exception.h"
#include "tools/qqwry/CsvLine.h"

void ForEachCsvLine(const std::string& path, const std::function<void(const std::vector<std::string>&)>& handle) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Exception("cannot open " + path);
    std::string line;
    for (size_t number = 1; std::getline(in, line); ++number) {
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        if (line.ends_with('\r')) line.pop_back();
        if (line.empty()) continue;
        try {
            handle(SplitCsvLine(line));
        } catch (const Exception& e) {
            throw Exception(path + ":" + std::to_string(number) + ": " + e.Message());
        }
    }
    if (in.bad()) throw Exception("cannot read " + path);
}

