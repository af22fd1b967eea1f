#include "app/FeedManifest.h"

#include <algorithm>

#include "base/Exception.h"
#include "base/Json.h"
#include "locdb/AddressText.h"
#include "locdb/Utf8Text.h"

namespace {
// Beyond any database the layouts can hold; a larger claim is no database.
const uint64_t kLargestFile = 256ull << 20;
const size_t kMostProbes = 16;
const size_t kLongestAnswer = 219;  // the record line's room for country and area

[[noreturn]] void Refuse(const std::string& what) { throw Exception("清单有误：" + what); }

const JsonValue& Field(const JsonValue& object, const char* name, JsonValue::Kind kind, const std::string& owner) {
    const JsonValue* value = object.Member(name);
    if (!value || value->Type != kind) Refuse(owner + "缺少 " + name + " 或其值无效");
    return *value;
}

std::string Text(const JsonValue& object, const char* name, const std::string& owner) {
    return Field(object, name, JsonValue::Kind::String, owner).Text;
}

uint64_t Size(const JsonValue& object, const char* name, const std::string& owner) {
    const std::string& digits = Field(object, name, JsonValue::Kind::Number, owner).Text;
    if (digits.size() > 12 || digits.find_first_not_of("0123456789") != std::string::npos || std::stoull(digits) == 0 ||
        std::stoull(digits) > kLargestFile)
        Refuse(owner + "的 " + name + " 无效");
    return std::stoull(digits);
}

std::string Version(const JsonValue& object, const char* name, const std::string& owner) {
    std::string version = Text(object, name, owner);
    if (!IsDottedVersion(version)) Refuse(owner + "的 " + name + " 无效");
    return version;
}

bool IsSha256(std::string_view text) {
    return text.size() == 64 && text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

FeedProbe Probe(const JsonValue& entry, const std::string& name) {
    if (entry.Type != JsonValue::Kind::Object) Refuse(name + " 的探测地址无效");
    FeedProbe probe{Text(entry, "address", name), Utf8TextToGbk(Text(entry, "answer", name))};
    bool readable =
        IsIpv6Database(name) ? ParseIpv6(probe.Address).has_value() : ParseDottedIpv4(probe.Address).has_value();
    bool control = std::any_of(probe.Answer.begin(), probe.Answer.end(), [](char c) { return uint8_t(c) < 0x20; });
    if (!readable || control || probe.Answer.empty() || probe.Answer.size() > kLongestAnswer)
        Refuse(name + " 的探测地址 " + probe.Address.substr(0, 64) + " 无效");
    return probe;
}

bool IsDatabaseName(std::string_view name) {
    return std::find(std::begin(kDatabaseNames), std::end(kDatabaseNames), name) != std::end(kDatabaseNames);
}

FeedFile File(const JsonValue& entry) {
    FeedFile file{.Name = Text(entry, "name", "文件")};
    file.Version = Version(entry, "version", file.Name);
    file.Size = Size(entry, "size", file.Name);
    file.CompressedSize = Size(entry, "compressed_size", file.Name);
    file.Sha256 = Text(entry, "sha256", file.Name);
    if (!IsSha256(file.Sha256)) Refuse(file.Name + " 的 sha256 无效");
    file.MinProgram = Version(entry, "min_program", file.Name);
    file.Credits = Text(entry, "credits", file.Name);
    const JsonValue& probes = Field(entry, "probes", JsonValue::Kind::Array, file.Name);
    if (probes.Items.empty() || probes.Items.size() > kMostProbes) Refuse(file.Name + " 的探测地址数目无效");
    for (const JsonValue& probe : probes.Items) file.Probes.push_back(Probe(probe, file.Name));
    return file;
}
}  // namespace

bool IsIpv6Database(std::string_view name) { return name == kDatabaseNames[1]; }

std::vector<FeedFile> ParseFeedManifest(std::string_view json) {
    std::optional<JsonValue> manifest = ParseJson(json);
    if (!manifest || manifest->Type != JsonValue::Kind::Object) Refuse("不是 JSON 对象");
    const JsonValue& entries = Field(*manifest, "files", JsonValue::Kind::Array, "清单");
    std::vector<FeedFile> files;
    // Files for later programs are left to them.
    for (const JsonValue& entry : entries.Items) {
        if (entry.Type != JsonValue::Kind::Object) Refuse("files 中有一项不是对象");
        std::string name = Text(entry, "name", "文件");
        if (!IsDatabaseName(name)) continue;
        if (std::any_of(files.begin(), files.end(), [&](const FeedFile& file) { return file.Name == name; }))
            Refuse(name + " 出现了两次");
        files.push_back(File(entry));
    }
    if (files.empty()) Refuse("没有本程序读取的文件");
    return files;
}

bool IsDottedVersion(std::string_view text) {
    if (text.empty() || text.size() > 40 || text.front() == '.' || text.back() == '.') return false;
    return text.find("..") == std::string_view::npos && text.find_first_not_of("0123456789.") == std::string_view::npos;
}

std::strong_ordering CompareVersions(std::string_view a, std::string_view b) {
    while (!a.empty() || !b.empty()) {
        auto part = [](std::string_view& text) {
            size_t dot = text.find('.');
            std::string_view digits = text.substr(0, dot);
            text = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
            while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
            return digits.empty() ? std::string_view("0") : digits;
        };
        std::string_view x = part(a), y = part(b);
        // Without leading zeros, the longer number is the larger.
        if (auto order = x.size() <=> y.size(); order != 0) return order;
        if (auto order = x.compare(y) <=> 0; order != 0) return order;
    }
    return std::strong_ordering::equal;
}
