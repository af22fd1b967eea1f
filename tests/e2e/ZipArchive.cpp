#include "tests/e2e/ZipArchive.h"

#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/ByteView.h"

namespace fs = std::filesystem;

namespace {

const uint32_t kEndOfDirectory = 0x06054b50;
const uint32_t kDirectoryEntry = 0x02014b50;
const uint32_t kLocalEntry = 0x04034b50;
const uint64_t kEndOfDirectorySize = 22;
const uint64_t kLongestComment = 0xFFFF;
const uint32_t kStored = 0;
const uint32_t kDeflated = 8;

struct Entry {
    std::string name;
    uint32_t method, crc, packedSize, size, localOffset;
};

// The end record sits at the very end, behind a comment of at most 64 KiB.
uint64_t FindEndOfDirectory(const ByteView& zip) {
    if (zip.Size() < kEndOfDirectorySize) zip.Fail();
    uint64_t last = zip.Size() - kEndOfDirectorySize;
    for (uint64_t back = 0; back <= kLongestComment && back <= last; ++back)
        if (zip.U32(last - back) == kEndOfDirectory) return last - back;
    zip.Fail();
}

std::vector<Entry> ReadDirectory(const ByteView& zip) {
    uint64_t end = FindEndOfDirectory(zip);
    uint32_t count = zip.U16(end + 10);
    uint64_t at = zip.U32(end + 16);
    std::vector<Entry> entries;
    for (uint32_t i = 0; i < count; ++i) {
        if (zip.U32(at) != kDirectoryEntry) zip.Fail();
        uint32_t nameLength = zip.U16(at + 28);
        entries.push_back({.name = std::string(reinterpret_cast<const char*>(zip.At(at + 46, nameLength)), nameLength),
                           .method = zip.U16(at + 10),
                           .crc = zip.U32(at + 16),
                           .packedSize = zip.U32(at + 20),
                           .size = zip.U32(at + 24),
                           .localOffset = zip.U32(at + 42)});
        at += 46 + nameLength + zip.U16(at + 30) + zip.U16(at + 32);
    }
    return entries;
}

std::string Inflate(const ByteView& packed, uint32_t size) {
    std::string bytes(size, '\0');
    z_stream stream = {};
    // Raw deflate data: no zlib header or trailer.
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) packed.Fail();
    stream.next_in = const_cast<Bytef*>(packed.Data());
    stream.avail_in = uInt(packed.Size());
    stream.next_out = reinterpret_cast<Bytef*>(bytes.data());
    stream.avail_out = size;
    int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    if (result != Z_STREAM_END || stream.total_out != size) packed.Fail();
    return bytes;
}

std::string Contents(const ByteView& zip, const Entry& entry) {
    uint64_t local = entry.localOffset;
    if (zip.U32(local) != kLocalEntry) zip.Fail();
    ByteView packed = zip.Sub(local + 30 + zip.U16(local + 26) + zip.U16(local + 28), entry.packedSize);
    std::string bytes;
    if (entry.method == kStored && entry.packedSize == entry.size)
        bytes.assign(reinterpret_cast<const char*>(packed.Data()), entry.size);
    else if (entry.method == kDeflated)
        bytes = Inflate(packed, entry.size);
    else
        zip.Fail();
    if (crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), uInt(bytes.size())) != entry.crc) zip.Fail();
    return bytes;
}

// A relative path of plain names; anything else could land outside the folder.
fs::path PlacedIn(const fs::path& folder, const std::string& name) {
    fs::path relative = fs::path(name).lexically_normal();
    if (name.empty() || relative.is_absolute() || relative.has_root_name() || *relative.begin() == "..")
        throw Exception("zip entry outside the folder: " + name);
    return folder / relative;
}

}  // namespace

std::vector<std::string> UnpackZip(const std::wstring& archive, const std::wstring& folder) {
    std::ifstream file(fs::path(archive), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ByteView zip(bytes.data(), bytes.size(), "damaged zip archive");
    std::vector<std::string> names;
    for (const Entry& entry : ReadDirectory(zip)) {
        fs::path target = PlacedIn(folder, entry.name);
        names.push_back(entry.name);
        if (entry.name.back() == '/') {
            fs::create_directories(target);
            continue;
        }
        fs::create_directories(target.parent_path());
        std::ofstream(target, std::ios::binary) << Contents(zip, entry);
    }
    return names;
}
