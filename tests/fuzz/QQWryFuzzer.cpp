// Any bytes as a location database file: the reader opens it, finds the
// records of many addresses and fills their locations. Every failure must
// be an Exception, never a read outside the file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "locdb/QQWryReader.h"

namespace {

const std::string& FilePath() {
    static const std::string path = "/tmp/qqwry-fuzz-" + std::to_string(getpid()) + ".dat";
    return path;
}

// Fixed addresses, the extremes and malformed ones, and some taken from the
// file itself so that they land inside its ranges.
std::vector<std::string> Addresses(const uint8_t* data, size_t size) {
    std::vector<std::string> addresses = {"0.0.0.0", "255.255.255.255", "1.2.3.4", "", "a.b.c.d", "-1.0.0.0",
                                          "0x10.0.0.1", "256.0.0.0", "1.2.3.300", "9.9.9"};
    for (size_t i = 0; i + 4 <= size && addresses.size() < 40; i += 1 + size / 30)
        addresses.push_back(std::to_string(data[i]) + "." + std::to_string(data[i + 1]) + "." +
                            std::to_string(data[i + 2]) + "." + std::to_string(data[i + 3]));
    return addresses;
}

void LookUp(const std::string& address) {
    try {
        TQQWry reader(FilePath());
        TStringList list;
        reader.FillLocation(list, reader.FindRecordNumber(address));
        if (list.size() < 4) std::abort();
    } catch (const Exception&) {
    }
}

void FillRecords(int64_t first, int64_t count) {
    try {
        TQQWry reader(FilePath());
        for (int64_t n = first; n < first + count; ++n) {
            TStringList list;
            reader.FillLocation(list, n);
        }
    } catch (const Exception&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::ofstream(FilePath(), std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
    for (const std::string& address : Addresses(data, size)) LookUp(address);
    FillRecords(-1, 40);
    try {
        FillRecords(TQQWry(FilePath()).RecordCount() - 20, 25);
    } catch (const Exception&) {
    }
    return 0;
}
