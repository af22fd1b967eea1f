#include "skin/data/TextCase.h"

#include "base/GbkText.h"

namespace {

template <typename Change>
std::string ChangeCase(std::string_view text, Change change) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); ++i) {
        if (IsGbkLeadByte(uint8_t(out[i])))
            ++i;
        else
            out[i] = change(out[i]);
    }
    return out;
}

}  // namespace

std::string LowerCaseGbk(std::string_view text) {
    return ChangeCase(text, [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
}

std::string UpperCaseGbk(std::string_view text) {
    return ChangeCase(text, [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; });
}
