#include "app/DataRecords.h"

#include <algorithm>

namespace {
// The lines of a text, without their CR LF or LF.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

// The first blank-separated word of the text, taken off it.
std::string_view TakeWord(std::string_view& text) {
    size_t blank = text.find(' ');
    std::string_view word = text.substr(0, blank);
    text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    return word;
}
}  // namespace

std::vector<FeedFile> ReadDataRecords(std::string_view versionText, std::string_view probesText) {
    std::vector<FeedFile> files;
    for (std::string_view line : Lines(versionText)) {
        std::string_view name = TakeWord(line), version = TakeWord(line), sha256 = TakeWord(line);
        if (name.empty() || !IsDottedVersion(version) || sha256.size() != 64 || !line.empty()) continue;
        files.push_back({.Name = std::string(name), .Version = std::string(version), .Sha256 = std::string(sha256)});
    }
    for (std::string_view line : Lines(probesText)) {
        std::string_view name = TakeWord(line), address = TakeWord(line);
        auto file = std::find_if(files.begin(), files.end(), [&](const FeedFile& f) { return f.Name == name; });
        if (file != files.end() && !address.empty() && !line.empty())
            file->Probes.push_back({std::string(address), std::string(line)});
    }
    return files;
}

std::string FormatVersionText(const std::vector<FeedFile>& files) {
    std::string text;
    for (const FeedFile& file : files) text += file.Name + " " + file.Version + " " + file.Sha256 + "\r\n";
    return text;
}

std::string FormatProbesText(const std::vector<FeedFile>& files) {
    std::string text;
    for (const FeedFile& file : files)
        for (const FeedProbe& probe : file.Probes)
            text += file.Name + " " + probe.Address + " " + probe.Answer + "\r\n";
    return text;
}

const FeedFile* FindRecord(const std::vector<FeedFile>& files, std::string_view name) {
    auto found = std::find_if(files.begin(), files.end(), [&](const FeedFile& file) { return file.Name == name; });
    return found == files.end() ? nullptr : &*found;
}
