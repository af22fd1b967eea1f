#pragma once
#include <string>

#include "base/SystemPath.h"

// One whole lookup as every caller makes it: a reader on the database,
// the record of the address, the location text (country and area joined),
// and the reader gone again. Failures throw Exception with the reader's message.
std::string LookUpLocation(const SystemPath& databasePath, const std::string& address);

// The typed and batch lookups show this instead of a location that begins
// with the publisher's label for ranges without data.
extern const char kNoDataMessage[];
std::string LocationOrNoData(const std::string& location);
