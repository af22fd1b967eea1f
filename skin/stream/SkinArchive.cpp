#include "skin/stream/SkinArchive.h"

#include <optional>

#include "skin/data/TextCase.h"

namespace {

constexpr const char* kArchiveDamaged = "skin archive damaged";

// Header size by format tag; 0 for a tag of another format version.
uint64_t HeaderSize(uint32_t tag) {
    switch (tag) {
        case 20000: return 16;
        case 30000: return 272;
        case 40000: return 96;
        default: return 0;
    }
}

// Lines as a text list splits them: CR, LF or CR LF end a line, and the
// last line end adds no empty line. Each line goes to visit.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        visit(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) visit(text.substr(start));
}

// The names of the list, counted before any is built, so a list of
// millions of line ends is refused without building millions of names.
std::optional<std::vector<std::string>> EntryNames(std::string_view list) {
    size_t count = 0;
    ForEachLine(list, [&](std::string_view) { ++count; });
    if (count > TSkinReader::kMaxEntries) return std::nullopt;
    std::vector<std::string> names;
    names.reserve(count);
    ForEachLine(list, [&](std::string_view name) { names.push_back(LowerCaseGbk(name)); });
    return names;
}

}  // namespace

bool TSkinReader::ReadStream(const void* data, size_t size) {
    return ReadArchive(LzhDecode(data, size));
}

bool TSkinReader::ReadArchive(std::vector<uint8_t> bytes) {
    FBytes = std::move(bytes);
    FEntries.clear();
    try {
        if (ReadDirectory(ByteView(FBytes.data(), FBytes.size(), kArchiveDamaged))) return true;
    } catch (const Exception&) {
    }
    FEntries.clear();
    FBytes.clear();
    return false;
}

bool TSkinReader::ReadDirectory(ByteView archive) {
    uint64_t header = HeaderSize(archive.U32(0));
    int32_t listLength = archive.I32(4);
    if (header == 0 || listLength < 0) return false;
    const uint8_t* list = archive.At(header, uint64_t(listLength));
    std::optional<std::vector<std::string>> names = EntryNames({reinterpret_cast<const char*>(list), size_t(listLength)});
    if (!names) return false;

    uint64_t sizes = header + uint64_t(listLength);
    uint64_t offset = sizes + 4 * uint64_t(names->size());
    for (size_t i = 0; i < names->size(); ++i) {
        int32_t size = archive.I32(sizes + 4 * i);
        if (size < 0 || !archive.Contains(offset, uint64_t(size))) return false;
        FEntries.push_back({std::move((*names)[i]), offset, uint64_t(size)});
        offset += uint64_t(size);
    }
    return true;
}

const TSkinReader::Entry* TSkinReader::Find(std::string_view name) const {
    std::string wanted = LowerCaseGbk(name);
    for (const Entry& entry : FEntries)
        if (entry.Name == wanted) return &entry;
    return nullptr;
}

const TSkinReader::Entry* TSkinReader::FindContaining(std::string_view part) const {
    for (const Entry& entry : FEntries)
        if (entry.Name.find(part) != std::string::npos) return &entry;
    return nullptr;
}

ByteView TSkinReader::Data(const Entry& entry) const {
    return ByteView(FBytes.data() + entry.Offset, entry.Size, kArchiveDamaged);
}
