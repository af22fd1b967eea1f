#pragma once
#include <iconv.h>

#include <cerrno>
#include <string>
#include <string_view>

#include "base/Exception.h"

// One conversion of glibc's iconv, for the builds off Windows: the database
// tools and the native reader.
class IconvConverter {
public:
    IconvConverter(const char* to, const char* from) : FConverter(iconv_open(to, from)) {
        if (FConverter == iconv_t(-1)) throw Exception(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~IconvConverter() { iconv_close(FConverter); }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Runs text through the conversion. Where it meets a sequence it cannot
    // convert (or one cut off at the end), replace(rest, converted) appends
    // what stands for it and says how many bytes of rest that covers, or
    // throws.
    template <typename Replace>
    std::string Convert(std::string_view text, Replace replace) {
        std::string converted;
        char buffer[256];
        char* in = const_cast<char*>(text.data());
        size_t inLeft = text.size();
        iconv(FConverter, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            char* out = buffer;
            size_t outLeft = sizeof buffer;
            size_t result = iconv(FConverter, &in, &inLeft, &out, &outLeft);
            converted.append(buffer, out - buffer);
            if (result != size_t(-1) || errno == E2BIG) continue;
            if (errno != EILSEQ && errno != EINVAL) throw Exception("text cannot be converted");
            size_t length = replace(std::string_view(in, inLeft), converted);
            in += length;
            inLeft -= length;
        }
        return converted;
    }

private:
    iconv_t FConverter;
};
