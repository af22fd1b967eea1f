#include "forms/BatchLines.h"

#include "base/Exception.h"

std::string AnnotateLines(std::string_view text, const TLineAnnotation& annotate) {
    std::string result;
    result.reserve(text.size() * 2);
    size_t begin = 0;
    try {
        while (begin < text.size()) {
            size_t end = text.find("\r\n", begin);
            if (end == std::string_view::npos) end = text.size();
            result += annotate(std::string(text.substr(begin, end - begin)));
            begin = end;
            if (begin < text.size()) {
                result += "\r\n";
                begin += 2;
            }
        }
    } catch (const Exception&) {
        result += text.substr(begin);
    }
    return result;
}
