#include "skin/manager/ClassMapLookup.h"

#include "base/GbkText.h"
#include "skin/data/TextCase.h"

namespace {

constexpr size_t kMaxKindBytes = 50;

std::string KindAfter(std::string_view line, size_t equalsAt) {
    return std::string(GbkPrefix(line.substr(equalsAt + 1), kMaxKindBytes));
}

}  // namespace

ClassMapIndex::ClassMapIndex(const std::vector<std::string>& lines) {
    FLowerLines.reserve(lines.size());
    for (const std::string& line : lines) {
        FLowerLines.push_back(LowerCaseGbk(line));
        const std::string& lower = FLowerLines.back();
        size_t equalsAt = lower.find('=');
        if (equalsAt == std::string::npos) continue;
        // emplace keeps the first line of a name: first match wins.
        FFirstKinds.emplace(lower.substr(0, equalsAt), KindAfter(lower, equalsAt));
    }
}

std::optional<std::string> ClassMapIndex::KindOf(std::string_view className) const {
    std::string key = LowerCaseGbk(className);
    // A name holding "=" itself can only be matched by the prefix rule,
    // which the index of first "=" signs does not cover.
    if (key.find('=') != std::string::npos) return ScanLines(key);
    auto found = FFirstKinds.find(key);
    if (found == FFirstKinds.end()) return std::nullopt;
    return found->second;
}

std::optional<std::string> ClassMapIndex::ScanLines(const std::string& key) const {
    std::string prefix = key + "=";
    for (const std::string& line : FLowerLines)
        if (line.compare(0, prefix.size(), prefix) == 0) return KindAfter(line, key.size());
    return std::nullopt;
}
