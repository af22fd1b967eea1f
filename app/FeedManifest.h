#pragma once
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The database files the program reads and a feed may update, IPv4 first.
inline constexpr std::string_view kDatabaseNames[] = {"cxsjk.Dat", "cxsjk6.Dat"};
bool IsIpv6Database(std::string_view name);

// An address the new data must answer exactly so (GBK, as the lookups show it).
struct FeedProbe {
    std::string Address;
    std::string Answer;
    bool operator==(const FeedProbe&) const = default;
};

// One database file as a feed's signed manifest describes it; the program
// keeps name, version, digest and probes of every file it installed.
struct FeedFile {
    std::string Name;
    std::string Version;  // the data's, dotted numbers
    uint64_t Size = 0;    // as installed
    uint64_t CompressedSize = 0;
    std::string Sha256;      // of the file as installed, lower-case hexadecimal
    std::string MinProgram;  // the oldest program version that reads it
    std::string Credits;     // UTF-8, as published
    std::vector<FeedProbe> Probes;
};

// The files of manifest.json (RFC 8259, UTF-8). A manifest that is no JSON,
// names a file the program does not read or twice, or lacks a field, throws
// Exception with what is wrong (GBK).
std::vector<FeedFile> ParseFeedManifest(std::string_view json);

// Versions are dotted decimal numbers ("2.3.2026060513", "1.13"), compared
// part by part; a missing part counts as 0.
bool IsDottedVersion(std::string_view text);
std::strong_ordering CompareVersions(std::string_view a, std::string_view b);
