#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/SystemPath.h"
#include "locdb/AddressText.h"
#include "locdb/MappedDatabase.h"

// Reader of an IPv6 location database in the IPDB layout (IpdbLayout.h),
// any file of it and not only ours: offset lengths 2 to 8 and any number of
// fields. Like TQQWry it opens, maps and reads its file straight from the
// mapped bytes, and every failure throws Exception with a GBK message; a
// missing or unreadable file gets the same message as an IPv4 database.
// When FindRecordNumber or FillLocation fails, the reader first lets go of
// the file.
//
// Redirections: a text may be reached through up to kMaxRedirections of
// them in a row; a longer chain, a loop among them included, is damage. The
// obsolete field mark 0x01 is read as the IPv4 layout reads its first mode:
// the field and the rest of the record lie at the offset behind it.
class TIpdb {
public:
    explicit TIpdb(const SystemPath& fileName);
    TIpdb(const TIpdb&) = delete;
    TIpdb& operator=(const TIpdb&) = delete;

    // The record whose network (the upper 64 bits) holds the address: the
    // last index entry whose start is not above it, counted from 1; 0 when
    // the address lies below the first start.
    int64_t FindRecordNumber(const Ipv6Address& address);

    // The record's fields in GBK, at least two, as many as the file has; an
    // empty or missing field reads "无", as the IPv4 reader's missing area.
    std::vector<std::string>& FillLocation(std::vector<std::string>& list, int64_t recordNumber);

    int64_t RecordCount() const { return FRecordCount; }
    // The first network of the record's range, as its index entry gives it.
    uint64_t StartNetwork(int64_t recordNumber);

    static constexpr int kMaxRedirections = 8;
    // UTF-8 bytes of one record's texts together; a longer record is
    // refused, so no file can make a lookup hold much memory.
    static constexpr size_t kMaxRecordBytes = 4096;

private:
    void ReadHeader();
    uint64_t Number(uint64_t offset, int length) const;
    uint64_t EntryOffset(int64_t recordNumber) const;
    uint64_t StartOf(int64_t recordNumber) const;
    void CheckRecordNumber(int64_t recordNumber) const;
    std::vector<std::string> ReadFields(int64_t recordNumber) const;
    uint64_t Follow(uint64_t redirection, int& hops) const;

    MappedDatabase FDatabase;
    const ByteView& FView;  // the file's bytes while it is held
    int FOffsetLength = 0;
    int FFieldCount = 0;
    int64_t FRecordCount = 0;
    uint64_t FFirstIndex = 0;
};
