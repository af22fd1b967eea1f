// qqwry-from-csv: writes a location database from CSV ranges, and the
// merged ranges it holds as a GBK CSV beside it: IPv4 ranges in the QQWry
// layout, IPv6 ranges (--ipv6) in the IPDB layout.
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/Exception.h"
#include "tools/qqwry/IpdbWriter.h"
#include "tools/qqwry/LocationCsv.h"
#include "tools/qqwry/LocationMerge.h"
#include "tools/qqwry/OutputFile.h"
#include "tools/qqwry/QQWryWriter.h"

namespace {

const char kUsage[] =
    "usage: qqwry-from-csv [--gbk] [--ipv6] INPUT.csv OUTPUT.dat OUTPUT.csv\n"
    "  INPUT.csv   lines start,end,country,area; texts UTF-8, or GBK with --gbk\n"
    "  OUTPUT.dat  the database: QQWry layout, or with --ipv6 IPDB layout\n"
    "              (IPv6 ranges covering whole /64 networks)\n"
    "  OUTPUT.csv  the ranges the database holds, GBK, gaps filled\n";

struct Options {
    TextEncoding encoding = TextEncoding::Utf8;
    bool ipv6 = false;
    const char* input;
    const char* database;
    const char* csv;
};

// In the QQWry layout the header's first word, where the index begins, is
// the size of the records and texts that 3-byte offsets must reach.
void PrintRecordsAndTexts(const std::string& bytes) {
    uint32_t size = 0;
    for (int i = 3; i >= 0; --i) size = size << 8 | uint8_t(bytes[i]);
    std::printf("  records and texts: %u bytes, %.1f%% of the 16 MiB that 3-byte offsets reach\n", size,
                100.0 * size / (1 << 24));
}

template <typename Address>
int Run(const Options& options, std::string (*write)(const std::vector<BasicLocationRange<Address>>&)) {
    auto merged = MergeLocations(ReadLocationCsv<Address>(options.input, options.encoding));
    std::string bytes = write(merged);
    WriteFileAtomically(options.database, bytes);
    WriteFileAtomically(options.csv, FormatLocationCsv(merged));
    std::printf("%s: %zu records, %zu bytes\n", options.database, merged.size(), bytes.size());
    if constexpr (sizeof(Address) == 4) PrintRecordsAndTexts(bytes);
    return 0;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    int at = 1;
    for (; at < argc && argv[at][0] == '-'; ++at) {
        if (std::strcmp(argv[at], "--gbk") == 0)
            options.encoding = TextEncoding::Gbk;
        else if (std::strcmp(argv[at], "--ipv6") == 0)
            options.ipv6 = true;
        else
            return false;
    }
    if (argc - at != 3) return false;
    options.input = argv[at];
    options.database = argv[at + 1];
    options.csv = argv[at + 2];
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Transliteration follows the locale: under C.UTF-8, glibc turns "ç" into
    // "c" where GBK lacks a character; under plain C it gives "?".
    std::setlocale(LC_CTYPE, "C.UTF-8");
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        return options.ipv6 ? Run<Ipv6Number>(options, WriteIpdb) : Run<uint32_t>(options, WriteQQWry);
    } catch (const Exception& e) {
        std::fprintf(stderr, "qqwry-from-csv: %s\n", e.what());
        return 1;
    }
}
