#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/ByteView.h"
#include "skin/stream/LzhDecoder.h"

// Shown when a skin archive is of another format version (GBK).
inline constexpr const char* kSkinVersionMessage =
    "\xB4\xCB\xCE\xC4\xBC\xFE\xB0\xE6\xB1\xBE\xB2\xBB\xCD\xAC\r"  // 此文件版本不同
    "\xC7\xEB\xC9\xFD\xBC\xB6\xD0\xC2\xB0\xE6\xB1\xBE !";         // 请升级新版本 !

// The archive inside a skin stream: a header, a list of entry names, their
// sizes and their data. Names are kept in lower case; a lookup takes the
// first entry of a name.
class TSkinReader {
public:
    struct Entry {
        std::string Name;
        uint64_t Offset = 0;
        uint64_t Size = 0;
    };

    static constexpr int kMaxEntries = 1001;

    // Decompresses a skin stream and reads its archive. False, with the
    // reader left empty, for an archive of another format version or one
    // whose lists do not fit its bytes; damaged compression throws.
    bool ReadStream(const void* data, size_t size);
    bool ReadArchive(std::vector<uint8_t> bytes);

    const Entry* Find(std::string_view name) const;
    // The first entry whose name contains the given lower-case text.
    const Entry* FindContaining(std::string_view part) const;
    ByteView Data(const Entry& entry) const;

    const std::vector<Entry>& Entries() const { return FEntries; }
    bool Empty() const { return FEntries.empty(); }

private:
    bool ReadDirectory(ByteView archive);

    std::vector<uint8_t> FBytes;
    std::vector<Entry> FEntries;
};
