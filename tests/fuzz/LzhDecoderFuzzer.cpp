// Any bytes as a compressed stream: decoding ends in output or an error.
#include <cstddef>
#include <cstdint>

#include "skin/stream/LzhDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        LzhDecode(data, size);
    } catch (const Exception&) {
    }
    return 0;
}
