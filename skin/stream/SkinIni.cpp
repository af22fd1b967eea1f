#include "skin/stream/SkinIni.h"

#include <charconv>

#include "base/GbkText.h"
#include "skin/data/TextCase.h"

namespace {

bool IsSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// Lines end at CR, LF or NUL; CR directly followed by LF is one line end.
std::vector<std::string> KeptLines(std::string_view text) {
    std::vector<std::string> kept;
    auto keep = [&](std::string_view raw) {
        std::string line = TrimText(raw);
        if (!line.empty() && line[0] != ';') kept.push_back(std::move(line));
    };
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n' && c != '\0') continue;
        keep(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    keep(text.substr(std::min(start, text.size())));
    return kept;
}

bool ParseDigits(std::string_view text, int base, int64_t& value) {
    if (text.empty()) return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size();
}

bool ParseInteger(std::string_view text, int32_t& value) {
    int64_t number = 0;
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::string_view digits = text.substr(2);
        if (digits.size() > 8 || digits[0] == '-' || !ParseDigits(digits, 16, number)) return false;
        value = int32_t(uint32_t(number));  // 0xFFFFFFFF is -1, as a 32-bit integer
        return true;
    }
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (!ParseDigits(text, 10, number) || number < INT32_MIN || number > INT32_MAX) return false;
    value = int32_t(number);
    return true;
}

}  // namespace

bool ParseSkinColor(std::string_view text, TColor& value) {
    TColor color = 0;
    for (int channel = 0; channel < 3; ++channel) {
        size_t begin = text.find_first_not_of(" \t");
        if (begin == std::string_view::npos) return false;
        text.remove_prefix(begin);
        size_t end = std::min(text.find_first_of(" \t"), text.size());
        int64_t number = 0;
        if (!ParseDigits(text.substr(0, end), 10, number) || number < 0 || number > 255) return false;
        color |= TColor(number) << (8 * channel);
        text.remove_prefix(end);
    }
    if (text.find_first_not_of(" \t") != std::string_view::npos) return false;
    value = color;
    return true;
}

TSkinIni::TSkinIni(std::string_view text) : FLines(KeptLines(text)) {
    for (size_t i = 0; i < FLines.size(); ++i)
        if (IsSectionHeader(FLines[i])) FSectionLines.emplace(UpperCaseGbk(FLines[i]), i);
}

const std::string* TSkinIni::FindValue(std::string_view section, std::string_view key) const {
    std::string bracketed = "[";
    bracketed.append(section).append("]");
    auto header = FSectionLines.find(UpperCaseGbk(bracketed));
    if (header == FSectionLines.end()) return nullptr;
    std::string wanted = LowerCaseGbk(key);
    for (size_t i = header->second + 1; i < FLines.size() && !IsSectionHeader(FLines[i]); ++i) {
        const std::string& line = FLines[i];
        size_t equals = line.find('=');
        std::string name = equals == std::string::npos ? "" : TrimText(line.substr(0, equals));
        if (LowerCaseGbk(name) == wanted) return &line;
    }
    return nullptr;
}

std::string TSkinIni::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    const std::string* line = FindValue(section, key);
    if (!line) return std::string(defaultValue);
    size_t equals = line->find('=');
    std::string value = equals == std::string::npos ? "" : TrimText(line->substr(equals + 1));
    return value.empty() ? std::string(defaultValue) : value;
}

int32_t TSkinIni::ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const {
    int32_t value = defaultValue;
    return ParseInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

TColor TSkinIni::ReadColor(std::string_view section, std::string_view key, TColor defaultValue) const {
    TColor value = defaultValue;
    return ParseSkinColor(ReadString(section, key, ""), value) ? value : defaultValue;
}

std::vector<std::string> TSkinIni::Sections() const {
    std::vector<std::string> names;
    for (const std::string& line : FLines)
        if (IsSectionHeader(line)) names.push_back(TrimText(line.substr(1, line.size() - 2)));
    return names;
}
