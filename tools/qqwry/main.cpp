// qqwry-from-csv: writes a QQWry-layout location database from CSV ranges,
// and the merged ranges it holds as a GBK CSV beside it.
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/Exception.h"
#include "tools/qqwry/LocationCsv.h"
#include "tools/qqwry/LocationMerge.h"
#include "tools/qqwry/OutputFile.h"
#include "tools/qqwry/QQWryWriter.h"

namespace {

const char kUsage[] =
    "usage: qqwry-from-csv [--gbk] INPUT.csv OUTPUT.dat OUTPUT.csv\n"
    "  INPUT.csv   lines start,end,country,area; texts UTF-8, or GBK with --gbk\n"
    "  OUTPUT.dat  the database\n"
    "  OUTPUT.csv  the ranges the database holds, GBK, gaps filled\n";

int Run(TextEncoding encoding, const std::string& input, const std::string& database, const std::string& csv) {
    std::vector<LocationRange> merged = MergeLocations(ReadLocationCsv(input, encoding));
    std::string bytes = WriteQQWry(merged);
    WriteFileAtomically(database, bytes);
    WriteFileAtomically(csv, FormatLocationCsv(merged));
    std::printf("%s: %zu records, %zu bytes\n", database.c_str(), merged.size(), bytes.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Transliteration follows the locale: under C.UTF-8, glibc turns "ç" into
    // "c" where GBK lacks a character; under plain C it gives "?".
    std::setlocale(LC_CTYPE, "C.UTF-8");
    bool gbk = argc > 1 && std::strcmp(argv[1], "--gbk") == 0;
    if (argc != 4 + gbk) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    char** files = argv + 1 + gbk;
    try {
        return Run(gbk ? TextEncoding::Gbk : TextEncoding::Utf8, files[0], files[1], files[2]);
    } catch (const Exception& e) {
        std::fprintf(stderr, "qqwry-from-csv: %s\n", e.what());
        return 1;
    }
}
