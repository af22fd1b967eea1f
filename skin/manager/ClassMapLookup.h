#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The ClassMap list ("name=kind" lines) indexed for lookups by class name.
// A class matches the first line that, lower-cased, starts with the class
// name in lower case followed by "="; the index keeps that answer for every
// name so a lookup costs one hash probe.
class ClassMapIndex {
public:
    ClassMapIndex() = default;
    explicit ClassMapIndex(const std::vector<std::string>& lines);

    // The kind of the first matching line: the lower-cased text after the
    // "=", at most 50 bytes. None when no line names the class.
    std::optional<std::string> KindOf(std::string_view className) const;

private:
    std::optional<std::string> ScanLines(const std::string& key) const;

    std::vector<std::string> FLowerLines;
    // Text before a line's first "=" -> the kind its first line gives.
    std::unordered_map<std::string, std::string> FFirstKinds;
};
