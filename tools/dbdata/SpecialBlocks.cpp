#include "tools/dbdata/SpecialBlocks.h"

#include <charconv>

#include "base/Exception.h"
#include "tools/qqwry/CsvFile.h"

namespace {

template <typename Address>
constexpr int kBits = sizeof(Address) * 8;

template <typename Address>
SpecialBlock<Address> ParseBlock(const std::vector<std::string>& fields) {
    const std::string& block = fields[0];
    size_t slash = block.find('/');
    auto start = AddressFamily<Address>::Parse(std::string_view(block).substr(0, slash));
    int length = -1;
    if (slash != std::string::npos) {
        auto [end, error] = std::from_chars(block.data() + slash + 1, block.data() + block.size(), length);
        if (error != std::errc() || end != block.data() + block.size()) length = -1;
    }
    if (!start || length < 0 || length > kBits<Address>)
        throw Exception("\"" + block + "\" is no " + AddressFamily<Address>::kName + " prefix");
    Address hostBits = length == kBits<Address> ? 0 : AddressFamily<Address>::kLast >> length;
    if (*start & hostBits) throw Exception("\"" + block + "\" has address bits set behind its prefix");
    if (fields[1].empty() || fields[2].empty() || fields[3].empty()) throw Exception("empty name or text");
    return {*start, *start | hostBits, fields[2], fields[3]};
}

}  // namespace

template <typename Address>
std::vector<SpecialBlock<Address>> ReadSpecialBlocks(const std::string& path) {
    std::vector<SpecialBlock<Address>> blocks;
    ForEachCsvLine(path, [&](const std::vector<std::string>& fields) {
        if (fields.size() != 4) throw Exception("expected 4 fields (block,registry name,country,area)");
        bool ipv6 = fields[0].find(':') != std::string::npos;
        if (ipv6 == (kBits<Address> == 128)) blocks.push_back(ParseBlock<Address>(fields));
    });
    return blocks;
}

template std::vector<SpecialBlock<uint32_t>> ReadSpecialBlocks(const std::string&);
template std::vector<SpecialBlock<Ipv6Number>> ReadSpecialBlocks(const std::string&);
