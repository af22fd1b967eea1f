#include "base/HttpMessage.h"

#include "base/AsciiCase.h"

namespace {
std::string_view Trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
}  // namespace

std::optional<std::string> HttpResponse::Header(std::string_view name) const {
    std::string_view rest = Headers;
    while (!rest.empty()) {
        size_t end = rest.find("\r\n");
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
        size_t colon = line.find(':');
        if (colon != std::string_view::npos && SameIgnoringCase(Trimmed(line.substr(0, colon)), name))
            return std::string(Trimmed(line.substr(colon + 1)));
    }
    return std::nullopt;
}

bool HttpBodyBuffer::Write(const char* data, size_t size) {
    if (size > FLimit - FBody.size()) return false;
    FBody.append(data, size);
    return true;
}
