#pragma once
#include <optional>
#include <string>

#include "app/FeedManifest.h"
#include "base/SystemPath.h"

// Asks the program's own reader of the file for every probe of its record:
// what went wrong (GBK), or none when each address gets exactly its answer.
// A file that does not open, or is damaged where a probe leads, fails too.
std::optional<std::string> ProbeFailure(const SystemPath& path, const FeedFile& file);
