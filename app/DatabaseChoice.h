#pragma once
#include <optional>
#include <string>

// Which of a database's files the lookups read.
enum class DataOrigin { Bundled, Updated, UsersOwn };

struct DataCandidates {
    bool BundledExists = false;
    // The version the build listed for the file beside the program; none
    // when the file's SHA-256 is not the one listed: it did not come with
    // the program, it is the user's own choice.
    std::optional<std::string> BundledVersion;
    // The version of the updated file, when it is there and answers its probes.
    std::optional<std::string> UpdatedVersion;
};

// The user's own file always wins; otherwise the newer data, the bundled
// file on a tie.
DataOrigin ChooseDatabase(const DataCandidates& candidates);
