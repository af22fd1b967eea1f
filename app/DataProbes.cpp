#include "app/DataProbes.h"

#include "base/Exception.h"
#include "locdb/AddressText.h"
#include "locdb/LocationLookup.h"

namespace {
template <class Reader, class Lookup>
std::optional<std::string> FirstMismatch(const SystemPath& path, const FeedFile& file, Lookup lookUp) {
    Reader reader(path);
    for (const FeedProbe& probe : file.Probes) {
        std::string answer = lookUp(reader, probe.Address);
        if (answer != probe.Answer)
            return "探测地址 " + probe.Address + " 应为“" + probe.Answer + "”，新数据给出“" + answer + "”";
    }
    return std::nullopt;
}
std::string Ipv4Answer(TLocationReader& reader, const std::string& address) { return reader.Location(address); }

std::string Ipv6Answer(TIpv6LocationReader& reader, const std::string& address) {
    std::optional<Ipv6Address> parsed = ParseIpv6(address);
    if (!parsed) throw Exception("探测地址 " + address + " 无效");
    return reader.Location(*parsed);
}
}  // namespace

std::optional<std::string> ProbeFailure(const SystemPath& path, const FeedFile& file) {
    try {
        return IsIpv6Database(file.Name) ? FirstMismatch<TIpv6LocationReader>(path, file, Ipv6Answer)
                                         : FirstMismatch<TLocationReader>(path, file, Ipv4Answer);
    } catch (const Exception& error) {
        return error.Message();
    }
}
