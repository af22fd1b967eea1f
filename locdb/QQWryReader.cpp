#include "locdb/QQWryReader.h"

#include <cstring>

#include "base/GbkText.h"
#include "locdb/AddressText.h"
#include "locdb/ReaderMessages.h"

namespace {
const wchar_t kMappingName[] = L"QQWryMapFile";
const char kUnknownArea[] = "未知地区";
const char kNone[] = "无";

const int kIndexEntrySize = 7;
const int kEndColumnIndex = 16;    // column 17: end address
const int kPlaceColumnIndex = 32;  // column 33: country and area

bool IsBlankOrControl(uint8_t c) { return c >= 1 && c <= ' '; }
}  // namespace

// The record line under construction in the 255-byte buffer. The last byte is
// never written, so the line always ends at a zero byte.
class TQQWry::RecordLine {
public:
    explicit RecordLine(char* buffer) : FBuffer(buffer) {}

    void Put(std::string_view text) {
        if (text.size() > kLineBufferSize - 1 - FLength) throw Exception(kRecordTooLong);
        std::memcpy(FBuffer + FLength, text.data(), text.size());
        FLength += text.size();
    }

    void PadTo(size_t column) {
        while (FLength < column) Put(" ");
    }

    void PutAddress(uint32_t address) { Put(FormatDottedIpv4(address)); }

    // CR LF behind the place text, written over its last blank if it has one.
    void EndLine() {
        if (FLength > kPlaceColumnIndex && FBuffer[FLength - 1] == ' ') --FLength;
        Put("\r\n");
    }

private:
    char* FBuffer;
    size_t FLength = 0;
};

TQQWry::TQQWry(const SystemPath& fileName) : FDatabase(fileName, kMappingName, kDamagedDatabase), FView(FDatabase.View()) {
    FDatabase.ReleasingOnFailure([&] { ReadHeader(); });
}

void TQQWry::ReadHeader() {
    FFirstIndex = FView.I32(0);
    FLastIndex = FView.I32(4);
    // The whole index must lie in the file, so every entry a search visits exists.
    if (FFirstIndex < 8 || FLastIndex < FFirstIndex ||
        !FView.Contains(uint64_t(FLastIndex), kIndexEntrySize))
        throw Exception(kDamagedDatabase);
    FRecordCount = (FLastIndex - FFirstIndex) / kIndexEntrySize + 1;
}

TStringList TQQWry::SplitText(const std::string& text, char delimiter) {
    TStringList pieces;
    size_t begin = 0, at;
    while ((at = text.find(delimiter, begin)) != std::string::npos) {
        pieces.push_back(text.substr(begin, at - begin));
        begin = at + 1;
    }
    pieces.push_back(text.substr(begin));
    return pieces;
}

namespace {
// A piece converts when it is an optionally signed decimal number, or a
// hexadecimal one behind "$", "x" or "0x", with only blanks in front and
// nothing behind, inside the signed 32-bit range.
bool ConvertPiece(std::string_view piece, int64_t& value) {
    size_t i = 0;
    while (i < piece.size() && piece[i] == ' ') ++i;
    bool negative = false;
    if (i < piece.size() && (piece[i] == '+' || piece[i] == '-')) negative = piece[i++] == '-';
    int base = 10;
    if (i < piece.size() && (piece[i] == '$' || piece[i] == 'x' || piece[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < piece.size() && piece[i] == '0' && (piece[i + 1] == 'x' || piece[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == piece.size()) return false;
    int64_t magnitude = 0;
    for (; i < piece.size(); ++i) {
        char c = piece[i];
        int digit = c >= '0' && c <= '9'                ? c - '0'
                    : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : base == 16 && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                         : -1;
        if (digit < 0) return false;
        magnitude = magnitude * base + digit;
        if (magnitude > int64_t(INT32_MAX) + 1) return false;
    }
    value = negative ? -magnitude : magnitude;
    return value <= INT32_MAX;
}
}  // namespace

int64_t TQQWry::AddressToNumber(const std::string& text) {
    TStringList pieces = SplitText(text, '.');
    int64_t number = 0, weight = 1;
    for (int k = 3; k >= 0; --k, weight *= 256) {
        int64_t value;
        if (size_t(k) >= pieces.size() || !ConvertPiece(pieces[k], value)) break;
        number += value * weight;
    }
    return number;
}

uint32_t TQQWry::StartAddress(int64_t recordNumber) const {
    return FView.U32(uint64_t(FFirstIndex) + uint64_t(recordNumber - 1) * kIndexEntrySize);
}

uint32_t TQQWry::RecordOffset(int64_t recordNumber) const {
    return FView.U24(uint64_t(FFirstIndex) + uint64_t(recordNumber - 1) * kIndexEntrySize + 4);
}

int64_t TQQWry::FindRecordNumber(const std::string& address) {
    return FDatabase.ReleasingOnFailure([&] { return SearchIndex(AddressToNumber(address), 1, RecordCount()); });
}

// Binary search for the entry whose range holds number. A range that closes
// without a match (a number below the first start, or an unsorted index)
// names no record.
int64_t TQQWry::SearchIndex(int64_t number, int64_t low, int64_t high) const {
    while (low <= high) {
        int64_t mid = low + (high - low) / 2;
        if (low == high) return mid;
        int64_t start = StartAddress(mid), nextStart = StartAddress(mid + 1);
        if (start <= number && number < nextStart) return mid;
        if (number > start)
            low = mid + 1;
        else if (number < start)
            high = mid - 1;
        else
            return 0;
    }
    return 0;
}

void TQQWry::FormatRecordLine(char* buffer, int64_t recordNumber) {
    FDatabase.ReleasingOnFailure([&] {
        RecordLine line(buffer);
        WriteRecordLine(line, recordNumber);
    });
}

void TQQWry::WriteRecordLine(RecordLine& line, int64_t recordNumber) const {
    if (recordNumber < 1 || recordNumber > RecordCount()) throw Exception(kBadRecordNumber);
    line.PutAddress(StartAddress(recordNumber));
    line.PadTo(kEndColumnIndex);
    uint32_t record = RecordOffset(recordNumber);
    line.PutAddress(FView.U32(record));
    line.PadTo(kPlaceColumnIndex);
    ReadPlace(line, record);
    line.EndLine();
}

// The place block may name its country text directly or through a
// redirection; the area block follows wherever the country text came from.
void TQQWry::ReadPlace(RecordLine& destination, uint32_t recordOffset) const {
    uint64_t place = uint64_t(recordOffset) + 4;
    std::string_view country;
    uint64_t area;
    switch (FView.U8(place)) {
    case 1: {
        uint32_t redirected = FView.U24(place + 1);
        if (FView.U8(redirected) == 2) {
            country = FView.CString(FView.U24(uint64_t(redirected) + 1));
            area = uint64_t(redirected) + 4;
        } else {
            country = FView.CString(redirected);
            area = redirected + country.size() + 1;
        }
        break;
    }
    case 2:
        country = FView.CString(FView.U24(place + 1));
        area = place + 4;
        break;
    default:
        country = FView.CString(place);
        area = place + country.size() + 1;
    }
    destination.Put(country);
    destination.Put(" ");
    ReadArea(destination, area);
}

void TQQWry::ReadArea(RecordLine& destination, uint64_t areaOffset) const {
    uint8_t mode = FView.U8(areaOffset);
    if (mode != 1 && mode != 2) return destination.Put(FView.CString(areaOffset));
    uint32_t redirected = FView.U24(areaOffset + 1);
    destination.Put(redirected == 0 ? std::string_view(kUnknownArea) : FView.CString(redirected));
}

namespace {
// Splits the record line into fields as a comma-and-blank separated list
// with double-quoted fields; a double-byte character is stepped over whole.
class FieldScanner {
public:
    explicit FieldScanner(std::string_view line) : FLine(line) {}

    TStringList Fields() {
        TStringList fields;
        SkipBlanks();
        while (FPos < FLine.size()) {
            fields.push_back(FLine[FPos] == '"' ? QuotedField() : PlainField());
            SkipBlanks();
            if (FPos < FLine.size() && FLine[FPos] == ',') {
                if (++FPos == FLine.size()) fields.emplace_back();
                SkipBlanks();
            }
        }
        return fields;
    }

private:
    size_t CharWidth() const {
        return IsGbkLeadByte(uint8_t(FLine[FPos])) && FPos + 1 < FLine.size() ? 2 : 1;
    }

    void SkipBlanks() {
        while (FPos < FLine.size() && IsBlankOrControl(uint8_t(FLine[FPos]))) ++FPos;
    }

    std::string PlainField() {
        size_t begin = FPos;
        while (FPos < FLine.size() && uint8_t(FLine[FPos]) > ' ' && FLine[FPos] != ',')
            FPos += CharWidth();
        return std::string(FLine.substr(begin, FPos - begin));
    }

    // Two quotes in a row stand for one; a field without its closing quote
    // runs to the end of the line.
    std::string QuotedField() {
        std::string field;
        ++FPos;
        while (FPos < FLine.size()) {
            if (FLine[FPos] == '"') {
                if (FPos + 1 < FLine.size() && FLine[FPos + 1] == '"') {
                    field += '"';
                    FPos += 2;
                    continue;
                }
                ++FPos;
                break;
            }
            size_t width = CharWidth();
            field.append(FLine.substr(FPos, width));
            FPos += width;
        }
        return field;
    }

    std::string_view FLine;
    size_t FPos = 0;
};
}  // namespace

TStringList& TQQWry::FillLocation(TStringList& list, int64_t recordNumber) {
    char buffer[kLineBufferSize] = {};
    FormatRecordLine(buffer, recordNumber);
    std::string_view line(buffer);
    line.remove_suffix(2);  // the CR LF
    list = FieldScanner(line).Fields();
    while (list.size() < 4) list.push_back(kNone);
    for (size_t i = 4; i < list.size(); ++i) list[3] += " " + list[i];
    return list;
}
