#pragma once
#include <cstdint>

// The IPDB layout of IPv6 location databases, the companion files of the
// QQWry family. All integers little-endian, offsets from the file's start.
//
// Header (32 bytes): "IPDB"; version (u16); offset length (u8, 2..8);
// address length (u8, bytes of each index key: 8, the upper half of the
// address); record count (u64); offset of the first index entry (u64);
// number of fields per record (u8, from version 2 on; version 1 files have
// two); seven reserved zero bytes.
//
// Index: record count entries sorted by start, each the start (address
// length bytes) and a record offset (offset length bytes). An address
// belongs to the last entry whose start is not above it.
//
// Record: its fields one after another. A field is a zero-terminated UTF-8
// text, or a redirection: kTextRedirect and an offset where the text lies,
// the next field following right after the redirection.
namespace ipdb {

inline constexpr char kMagic[4] = {'I', 'P', 'D', 'B'};
inline constexpr uint64_t kHeaderSize = 32;
inline constexpr uint64_t kVersionAt = 4;
inline constexpr uint64_t kOffsetLengthAt = 6;
inline constexpr uint64_t kAddressLengthAt = 7;
inline constexpr uint64_t kRecordCountAt = 8;
inline constexpr uint64_t kFirstIndexAt = 16;
inline constexpr uint64_t kFieldCountAt = 24;

inline constexpr uint16_t kVersion = 2;
inline constexpr int kAddressLength = 8;
inline constexpr int kMinOffsetLength = 2;
inline constexpr int kMaxOffsetLength = 8;

// Obsolete: the field and the rest of the record lie at the offset behind it.
inline constexpr uint8_t kRecordRedirect = 1;
inline constexpr uint8_t kTextRedirect = 2;

}  // namespace ipdb
