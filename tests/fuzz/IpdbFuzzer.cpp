// Any bytes as an IPv6 location database file: the reader opens it, finds
// the records of many addresses and fills their fields. Every failure must
// be an Exception, never a read outside the file, and the memory a record
// can make the reader hold stays small.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>

#include "locdb/IpdbReader.h"

namespace {

const std::string& FilePath() {
    static const std::string path = "/tmp/ipdb-fuzz-" + std::to_string(getpid()) + ".dat";
    return path;
}

// The extremes, and networks taken from the file itself so that they land
// on its index entries.
std::vector<Ipv6Address> Addresses(const uint8_t* data, size_t size) {
    std::vector<Ipv6Address> addresses = {{0, 0}, {0, 1}, {~uint64_t(0), ~uint64_t(0)}, {0x20010DB800000000, 1}};
    for (size_t i = 0; i + 8 <= size && addresses.size() < 40; i += 1 + size / 30) {
        uint64_t network;
        std::memcpy(&network, data + i, 8);
        addresses.push_back({network, 0});
    }
    return addresses;
}

void LookUp(const Ipv6Address& address) {
    try {
        TIpdb reader(FilePath());
        std::vector<std::string> fields;
        reader.FillLocation(fields, reader.FindRecordNumber(address));
        if (fields.size() < 2) std::abort();
    } catch (const Exception&) {
    }
}

void FillRecords(int64_t first, int64_t count) {
    try {
        TIpdb reader(FilePath());
        for (int64_t n = first; n < first + count; ++n) {
            std::vector<std::string> fields;
            reader.FillLocation(fields, n);
        }
    } catch (const Exception&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::ofstream(FilePath(), std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
    for (const Ipv6Address& address : Addresses(data, size)) LookUp(address);
    FillRecords(-1, 40);
    try {
        FillRecords(TIpdb(FilePath()).RecordCount() - 20, 25);
    } catch (const Exception&) {
    }
    return 0;
}
