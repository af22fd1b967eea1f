#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "locdb/IpdbReader.h"
#include "locdb/QQWryReader.h"
#include "tools/qqwry/Address.h"
#include "tools/qqwry/LocationRange.h"

// Asks the reader, as the program does, for the first, a middle and the last
// address of every range, and checks that each lands on the range's record
// and gives back its addresses and texts (an empty area reads as "无").
// Stops after a few mismatches, so a broken file does not flood the log.
inline void ExpectReaderGivesBack(TQQWry& reader, const std::vector<LocationRange>& ranges) {
    ASSERT_EQ(reader.RecordCount(), int64_t(ranges.size()));
    int mismatches = 0;
    for (size_t i = 0; i < ranges.size() && mismatches < 5; ++i) {
        const LocationRange& range = ranges[i];
        TStringList expected{FormatAddress(range.start), FormatAddress(range.end), range.country,
                             range.area.empty() ? "无" : range.area};
        for (uint32_t address : {range.start, range.start + (range.end - range.start) / 2, range.end}) {
            int64_t record = reader.FindRecordNumber(FormatAddress(address));
            TStringList location;
            reader.FillLocation(location, record);
            location.resize(4);  // items from 4 on repeat the area's words
            if (record == int64_t(i + 1) && location == expected) continue;
            ADD_FAILURE() << FormatAddress(address) << " gave record " << record << " of " << ranges.size()
                          << ": " << location[0] << "," << location[1] << "," << location[2] << ","
                          << location[3] << "; expected record " << i + 1;
            ++mismatches;
            break;
        }
    }
}

// The same for an IPv6 database: the first, a middle and the last /64 of
// every range land on its record, which starts at the range's first /64 and
// whose two fields are its texts.
inline void ExpectIpdbGivesBack(TIpdb& reader, const std::vector<LocationRange6>& ranges) {
    ASSERT_EQ(reader.RecordCount(), int64_t(ranges.size()));
    int mismatches = 0;
    for (size_t i = 0; i < ranges.size() && mismatches < 5; ++i) {
        const LocationRange6& range = ranges[i];
        std::vector<std::string> expected{range.country.empty() ? "无" : range.country,
                                          range.area.empty() ? "无" : range.area};
        uint64_t first = uint64_t(range.start >> 64), last = uint64_t(range.end >> 64);
        for (uint64_t network : {first, first + (last - first) / 2, last}) {
            int64_t record = reader.FindRecordNumber({network, 0});
            std::vector<std::string> fields;
            reader.FillLocation(fields, record);
            if (record == int64_t(i + 1) && reader.StartNetwork(record) == first && fields == expected) continue;
            ADD_FAILURE() << FormatIpv6({network, 0}) << " gave record " << record << " of " << ranges.size()
                          << ": " << fields[0] << "," << fields[1] << "; expected record " << i + 1;
            ++mismatches;
            break;
        }
    }
}
