#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/ByteView.h"
#include "base/SystemPath.h"
#include "locdb/MappedDatabase.h"

// Location record: start address, end address, country, area ("无" when
// missing), then any further fields of the record line.
using TStringList = std::vector<std::string>;

// Reader of an IP location database in the QQWry layout. A reader serves one
// lookup: construct it on the path, FindRecordNumber, FillLocation, destroy.
// Every failure throws Exception with a GBK message. When FindRecordNumber or
// the record line fails, the reader first lets go of the file, so a failed
// lookup never leaves the database open.
class TQQWry {
public:
    explicit TQQWry(const SystemPath& fileName);
    TQQWry(const TQQWry&) = delete;
    TQQWry& operator=(const TQQWry&) = delete;

    int64_t FindRecordNumber(const std::string& address);
    TStringList& FillLocation(TStringList& list, int64_t recordNumber);

    int64_t RecordCount() const { return FRecordCount; }

    static int64_t AddressToNumber(const std::string& text);
    static TStringList SplitText(const std::string& text, char delimiter);

    static constexpr size_t kLineBufferSize = 255;

private:
    class RecordLine;

    void ReadHeader();
    int64_t SearchIndex(int64_t number, int64_t low, int64_t high) const;
    void FormatRecordLine(char* buffer, int64_t recordNumber);
    void WriteRecordLine(RecordLine& line, int64_t recordNumber) const;
    void ReadPlace(RecordLine& destination, uint32_t recordOffset) const;
    void ReadArea(RecordLine& destination, uint64_t areaOffset) const;
    uint32_t StartAddress(int64_t recordNumber) const;
    uint32_t RecordOffset(int64_t recordNumber) const;

    MappedDatabase FDatabase;
    const ByteView& FView;  // the file's bytes while it is held
    int64_t FRecordCount = 0;
    int32_t FFirstIndex = 0;
    int32_t FLastIndex = 0;
};
