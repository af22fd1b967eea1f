// Any bytes as a DNS-over-HTTPS resolver, or whatever stands in its place,
// can send them back: the answer to an A and to an AAAA question.
#include <cstddef>
#include <cstdint>

#include "app/DnsMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view message(reinterpret_cast<const char*>(data), size);
    for (DnsType type : {DnsType::A, DnsType::Aaaa}) {
        DnsAnswer answer = ParseDnsAnswer(message, "site.test", type);
        if (answer.Outcome == DnsOutcome::Address && (!answer.Address || answer.CanonicalName.size() > 255))
            __builtin_trap();
    }
    return 0;
}
