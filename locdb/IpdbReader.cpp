#include "locdb/IpdbReader.h"

#include <cstring>

#include "locdb/IpdbLayout.h"
#include "locdb/ReaderMessages.h"
#include "locdb/Utf8Text.h"

namespace {
const char kNotIpdb[] = "不是IPDB格式的IPv6数据库！";
const char kNone[] = "无";

std::string UnsupportedVersion(unsigned version) {
    return "不支持版本为 " + std::to_string(version) + " 的IPv6数据库！";
}

std::string WrongAddressLength(unsigned length) {
    return "IPv6数据库的地址长度为 " + std::to_string(length) + " 字节，只支持 " +
           std::to_string(ipdb::kAddressLength) + " 字节的地址！";
}
}  // namespace

TIpdb::TIpdb(const SystemPath& fileName)
    : FDatabase(fileName, nullptr, kDamagedDatabase), FView(FDatabase.View()) {
    FDatabase.ReleasingOnFailure([&] { ReadHeader(); });
}

uint64_t TIpdb::Number(uint64_t offset, int length) const {
    const uint8_t* bytes = FView.At(offset, length);
    uint64_t value = 0;
    for (int i = length - 1; i >= 0; --i) value = value << 8 | bytes[i];
    return value;
}

void TIpdb::ReadHeader() {
    if (!FView.Contains(0, sizeof ipdb::kMagic) || std::memcmp(FView.Data(), ipdb::kMagic, sizeof ipdb::kMagic) != 0)
        throw Exception(kNotIpdb);
    unsigned version = FView.U16(ipdb::kVersionAt);
    if (version != 1 && version != 2) throw Exception(UnsupportedVersion(version));
    unsigned addressLength = FView.U8(ipdb::kAddressLengthAt);
    if (addressLength != ipdb::kAddressLength) throw Exception(WrongAddressLength(addressLength));
    FOffsetLength = FView.U8(ipdb::kOffsetLengthAt);
    FFieldCount = version == 1 ? 2 : FView.U8(ipdb::kFieldCountAt);
    uint64_t count = Number(ipdb::kRecordCountAt, 8);
    FFirstIndex = Number(ipdb::kFirstIndexAt, 8);
    // The whole index must lie in the file, so every entry a search visits exists.
    uint64_t entrySize = ipdb::kAddressLength + FOffsetLength;
    bool indexInFile = FFirstIndex >= ipdb::kHeaderSize && FFirstIndex <= FView.Size() &&
                       count <= (FView.Size() - FFirstIndex) / entrySize;
    if (FOffsetLength < ipdb::kMinOffsetLength || FOffsetLength > ipdb::kMaxOffsetLength || FFieldCount == 0 ||
        count == 0 || !indexInFile)
        throw Exception(kDamagedDatabase);
    FRecordCount = int64_t(count);
}

uint64_t TIpdb::EntryOffset(int64_t recordNumber) const {
    return FFirstIndex + uint64_t(recordNumber - 1) * (ipdb::kAddressLength + FOffsetLength);
}

uint64_t TIpdb::StartOf(int64_t recordNumber) const { return Number(EntryOffset(recordNumber), ipdb::kAddressLength); }

int64_t TIpdb::FindRecordNumber(const Ipv6Address& address) {
    return FDatabase.ReleasingOnFailure([&] {
        // An unsorted index still ends the search, on some entry.
        int64_t low = 1, high = FRecordCount, found = 0;
        while (low <= high) {
            int64_t mid = low + (high - low) / 2;
            if (StartOf(mid) <= address.high) {
                found = mid;
                low = mid + 1;
            } else {
                high = mid - 1;
            }
        }
        return found;
    });
}

// The offset that the redirection at the given place names; one more hop of
// the chain that leads to the next text.
uint64_t TIpdb::Follow(uint64_t redirection, int& hops) const {
    if (++hops > kMaxRedirections) FView.Fail();
    return Number(redirection + 1, FOffsetLength);
}

void TIpdb::CheckRecordNumber(int64_t recordNumber) const {
    if (recordNumber < 1 || recordNumber > FRecordCount) throw Exception(kBadRecordNumber);
}

uint64_t TIpdb::StartNetwork(int64_t recordNumber) {
    return FDatabase.ReleasingOnFailure([&] {
        CheckRecordNumber(recordNumber);
        return StartOf(recordNumber);
    });
}

std::vector<std::string> TIpdb::ReadFields(int64_t recordNumber) const {
    CheckRecordNumber(recordNumber);
    uint64_t field = Number(EntryOffset(recordNumber) + ipdb::kAddressLength, FOffsetLength);
    std::vector<std::string> fields;
    size_t textBytes = 0;
    int hops = 0;
    while (int(fields.size()) < FFieldCount) {
        uint8_t mark = FView.U8(field);
        if (mark == ipdb::kRecordRedirect) {
            field = Follow(field, hops);
            continue;
        }
        uint64_t text = field;
        while (FView.U8(text) == ipdb::kTextRedirect || FView.U8(text) == ipdb::kRecordRedirect)
            text = Follow(text, hops);
        std::string_view utf8 = FView.CString(text);
        textBytes += utf8.size();
        if (textBytes > kMaxRecordBytes) throw Exception(kRecordTooLong);
        fields.push_back(utf8.empty() ? kNone : Utf8TextToGbk(utf8));
        field = mark == ipdb::kTextRedirect ? field + 1 + FOffsetLength : text + utf8.size() + 1;
        hops = 0;
    }
    while (fields.size() < 2) fields.push_back(kNone);
    return fields;
}

std::vector<std::string>& TIpdb::FillLocation(std::vector<std::string>& list, int64_t recordNumber) {
    list = FDatabase.ReleasingOnFailure([&] { return ReadFields(recordNumber); });
    return list;
}
