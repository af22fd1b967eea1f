// Any bytes as a feed's manifest.json, which is read once its signature is
// the publisher's: the manifest is refused or its files are sound.
#include <cstddef>
#include <cstdint>

#include "app/FeedManifest.h"
#include "base/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        for (const FeedFile& file : ParseFeedManifest(std::string_view(reinterpret_cast<const char*>(data), size)))
            if (file.Sha256.size() != 64 || file.Probes.empty() || file.Size == 0) __builtin_trap();
    } catch (const Exception&) {
    }
    return 0;
}
