// The IPv6 database against the IPv4 one in the same run: find + fill on one
// open reader, from address text to shown location, per lookup. Both sample
// their addresses by record, so each lookup lands on a real range of its
// file and not, as most random IPv6 addresses would, on the no-data one.
// The two take turns in rounds and each gives its median round, so a
// machine busy with other work weighs on both alike.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench/LookupTiming.h"
#include "locdb/IpdbReader.h"
#include "locdb/QQWryReader.h"

namespace {

constexpr int kRounds = 15;

// One round: the lookups of every address, in nanoseconds per lookup.
template <class Lookup>
double NanosecondsPerLookup(const std::vector<std::string>& addresses, Lookup lookup) {
    return SecondsFor(addresses, lookup) * 1e9 / addresses.size();
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

std::vector<std::string> Ipv4Addresses(TQQWry& reader, size_t count, std::mt19937_64& random) {
    std::vector<std::string> addresses;
    TStringList list;
    for (size_t i = 0; i < count; ++i) {
        reader.FillLocation(list, int64_t(random() % reader.RecordCount()) + 1);
        addresses.push_back(list[0]);
    }
    return addresses;
}

// A random host in the first network of the record.
std::vector<std::string> Ipv6Addresses(TIpdb& reader, size_t count, std::mt19937_64& random) {
    std::vector<std::string> addresses;
    for (size_t i = 0; i < count; ++i) {
        uint64_t network = reader.StartNetwork(int64_t(random() % reader.RecordCount()) + 1);
        addresses.push_back(FormatIpv6({network, random()}));
    }
    return addresses;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: ipv6-lookup-bench <cxsjk.Dat> <cxsjk6.Dat> [lookups]\n");
        return 2;
    }
    SystemPath ipv4Path = std::filesystem::path(argv[1]).native();
    SystemPath ipv6Path = std::filesystem::path(argv[2]).native();
    size_t count = argc > 3 ? std::stoul(argv[3]) : 100000;  // per round
    std::mt19937_64 random(42);

    TQQWry ipv4(ipv4Path);
    TIpdb ipv6(ipv6Path);
    std::vector<std::string> ipv4Addresses = Ipv4Addresses(ipv4, count, random);
    std::vector<std::string> ipv6Addresses = Ipv6Addresses(ipv6, count, random);

    TStringList list;
    std::vector<std::string> fields;
    std::vector<double> ipv4Rounds, ipv6Rounds;
    for (int round = 0; round < kRounds; ++round) {
        ipv4Rounds.push_back(NanosecondsPerLookup(ipv4Addresses, [&](const std::string& address) {
            ipv4.FillLocation(list, ipv4.FindRecordNumber(address));
            return list[2] + list[3];
        }));
        ipv6Rounds.push_back(NanosecondsPerLookup(ipv6Addresses, [&](const std::string& address) {
            ipv6.FillLocation(fields, ipv6.FindRecordNumber(*ParseIpv6(address)));
            return fields[0] + fields[1];
        }));
    }
    double ipv4Time = Median(ipv4Rounds), ipv6Time = Median(ipv6Rounds);

    std::printf("records                      IPv4 %lld, IPv6 %lld\n", static_cast<long long>(ipv4.RecordCount()),
                static_cast<long long>(ipv6.RecordCount()));
    std::printf("rounds of %zu lookups each   %d, medians below\n", count, kRounds);
    std::printf("IPv4 find + fill             %8.0f ns/lookup\n", ipv4Time);
    std::printf("IPv6 find + fill             %8.0f ns/lookup\n", ipv6Time);
    std::printf("IPv6 / IPv4 time             %8.2fx (target at most 1.5x)\n", ipv6Time / ipv4Time);
    return 0;
}
