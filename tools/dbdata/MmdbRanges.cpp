#include "tools/dbdata/MmdbRanges.h"

#include <maxminddb.h>

#include <unordered_map>

#include "base/Exception.h"

namespace {

template <typename Address>
constexpr int kBits = sizeof(Address) * 8;

class MmdbFile {
public:
    explicit MmdbFile(const std::string& path) : FPath(path) {
        int status = MMDB_open(path.c_str(), MMDB_MODE_MMAP, &FDatabase);
        if (status != MMDB_SUCCESS) throw Exception(path + ": " + MMDB_strerror(status));
    }
    ~MmdbFile() { MMDB_close(&FDatabase); }
    MmdbFile(const MmdbFile&) = delete;
    MmdbFile& operator=(const MmdbFile&) = delete;

    int Bits() const { return FDatabase.metadata.ip_version == 6 ? 128 : 32; }

    MMDB_search_node_s Node(uint32_t number) const {
        MMDB_search_node_s node;
        int status = MMDB_read_node(&FDatabase, number, &node);
        if (status != MMDB_SUCCESS) throw Error(MMDB_strerror(status));
        return node;
    }

    // The text of a field of a record; empty where the record lacks it.
    std::string Field(MMDB_entry_s entry, const char* name) const {
        MMDB_entry_data_s data;
        int status = MMDB_get_value(&entry, &data, name, nullptr);
        if (status == MMDB_LOOKUP_PATH_DOES_NOT_MATCH_DATA_ERROR || (status == MMDB_SUCCESS && !data.has_data))
            return "";
        if (status != MMDB_SUCCESS) throw Error(MMDB_strerror(status));
        if (data.type != MMDB_DATA_TYPE_UTF8_STRING) throw Error(std::string("\"") + name + "\" is no text");
        return std::string(data.utf8_string, data.data_size);
    }

    Exception Error(const std::string& message) const { return Exception(FPath + ": " + message); }

private:
    std::string FPath;
    MMDB_s FDatabase;
};

// Walks the search tree depth first, left before right, so the networks
// come in address order.
template <typename Address>
class TreeWalk {
public:
    explicit TreeWalk(const MmdbFile& file) : FFile(file) {}

    GeoRanges<Address> Walk() {
        Visit(0, 0, 0);
        return std::move(FResult);
    }

private:
    void Visit(uint32_t number, Address prefix, int depth) {
        if (depth == kBits<Address>) throw FFile.Error("the search tree is deeper than the addresses");
        MMDB_search_node_s node = FFile.Node(number);
        Address half = Address(1) << (kBits<Address> - 1 - depth);
        Follow(node.left_record_type, node.left_record, node.left_record_entry, prefix, half, depth);
        Follow(node.right_record_type, node.right_record, node.right_record_entry, prefix | half, half, depth);
    }

    void Follow(uint8_t type, uint64_t record, MMDB_entry_s entry, Address first, Address size, int depth) {
        switch (type) {
        case MMDB_RECORD_TYPE_SEARCH_NODE:
            return Visit(uint32_t(record), first, depth + 1);
        case MMDB_RECORD_TYPE_DATA:
            return Add(first, first + (size - 1), PlaceOf(entry));
        case MMDB_RECORD_TYPE_EMPTY:
            return;
        default:
            throw FFile.Error("damaged search tree");
        }
    }

    // Many networks share one record, so each record is read once.
    uint32_t PlaceOf(MMDB_entry_s entry) {
        auto known = FPlaceAt.find(entry.offset);
        if (known != FPlaceAt.end()) return known->second;
        std::string country = FFile.Field(entry, "country_code");
        if (country.empty()) throw FFile.Error("a record without a country code");
        uint32_t place = FResult.places.Number({country, FFile.Field(entry, "state1")});
        FPlaceAt.emplace(entry.offset, place);
        return place;
    }

    void Add(Address start, Address end, uint32_t place) {
        auto& ranges = FResult.ranges;
        if (!ranges.empty() && ranges.back().value == place && ranges.back().end + 1 == start)
            ranges.back().end = end;
        else
            ranges.push_back({start, end, place});
    }

    const MmdbFile& FFile;
    GeoRanges<Address> FResult;
    std::unordered_map<uint32_t, uint32_t> FPlaceAt;  // record offset -> place
};

}  // namespace

template <typename Address>
GeoRanges<Address> ReadMmdbRanges(const std::string& path) {
    MmdbFile file(path);
    if (file.Bits() != kBits<Address>)
        throw file.Error(std::string("holds no ") + AddressFamily<Address>::kName + " networks");
    return TreeWalk<Address>(file).Walk();
}

template GeoRanges<uint32_t> ReadMmdbRanges(const std::string&);
template GeoRanges<Ipv6Number> ReadMmdbRanges(const std::string&);
