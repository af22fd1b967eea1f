#include "app/InstalledData.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "app/DataProbes.h"
#include "app/DataRecords.h"
#include "app/FeedUpdate.h"
#include "base/Exception.h"
#include "base/Sha256.h"
#include "base/win32/Files.h"
#include "locdb/MappedDatabase.h"

namespace {
const wchar_t kVersionFile[] = L"data-version.txt";
const wchar_t kProbesFile[] = L"probes.txt";
const wchar_t kCreditsFile[] = L"credits.txt";
const uint64_t kLargestTextFile = 1 << 20;

bool FileThere(const SystemPath& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Fails when another program holds either file open, which it may.
bool Replace(const SystemPath& from, const SystemPath& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

std::string ReadText(const SystemPath& path) {
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path, kLargestTextFile);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "";
}

// The day the file was written, in local time.
std::string FileDate(const SystemPath& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    FILETIME local;
    SYSTEMTIME day;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &day))
        return "";
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", day.wYear, day.wMonth, day.wDay);
    return text;
}

std::string FileSha256(const SystemPath& path) {
    try {
        MappedDatabase file(path, nullptr, "");
        TSha256 sha;
        sha.Update(file.View().Data(), size_t(file.View().Size()));
        return sha.HexDigest();
    } catch (const Exception&) {
        return "";
    }
}

// Paragraphs of credits.txt, each beginning with its file's name.
std::vector<std::string> Paragraphs(std::string text) {
    std::vector<std::string> paragraphs;
    for (size_t end; !text.empty(); text.erase(0, end == std::string::npos ? end : end + 4)) {
        end = text.find("\r\n\r\n");
        paragraphs.push_back(text.substr(0, end));
    }
    return paragraphs;
}
}  // namespace

TInstalledData::TInstalledData(SystemPath bundledFolder, SystemPath updatedFolder)
    : FBundled(std::move(bundledFolder)),
      FUpdated(std::move(updatedFolder)),
      FBundledRecords(ReadDataRecords(ReadText(FBundled + kVersionFile), "")),
      FRecords(ReadDataRecords(ReadText(FUpdated + kVersionFile), ReadText(FUpdated + kProbesFile))) {
    Choose();
}

// A staged file without its record is a download that never ended; one
// that is listed waits for its swap, which may be held back again.
std::optional<std::string> TInstalledData::Recover() {
    std::string before = FormatVersionText(FRecords) + FormatProbesText(FRecords), notice;
    for (std::string_view database : kDatabaseNames) {
        std::string name(database), backup = name + ".bak";
        SystemPath staged = StagedPath(FUpdated, name);
        if (!FileThere(staged))
            Forget(name + ".new");
        else if (!FindRecord(FRecords, name + ".new"))
            DeleteFileW(staged.c_str());
        else
            Swap(name);
        if (!FileThere(FUpdated + PathPart(name))) Forget(name);
        if (!FindRecord(FRecords, name) || Usable(name)) continue;
        DeleteFileW((FUpdated + PathPart(name)).c_str());
        Forget(name);
        if (Usable(backup) && Replace(FUpdated + PathPart(backup), FUpdated + PathPart(name))) {
            Rename(backup, name);
            notice += name + " 的更新已损坏，已改用上一次更新的数据。";
        } else {
            DeleteFileW((FUpdated + PathPart(backup)).c_str());
            Forget(backup);
            notice += name + " 的更新已损坏，已改用随程序附带的数据。";
        }
    }
    try {
        if (FormatVersionText(FRecords) + FormatProbesText(FRecords) != before) SaveRecords();
    } catch (const Exception&) {
        // What could not be written is found and mended again at the next start.
    }
    Choose();
    if (notice.empty()) return std::nullopt;
    return notice;
}

bool TInstalledData::Usable(const std::string& name) const {
    const FeedFile* record = FindRecord(FRecords, name);
    SystemPath path = FUpdated + PathPart(name);
    return record && FileThere(path) && !ProbeFailure(path, *record);
}

// The file in use becomes the backup; a staged file that cannot take its
// place leaves everything as it was.
bool TInstalledData::Swap(const std::string& name) {
    SystemPath current = FUpdated + PathPart(name), backup = current + PathPart(".bak");
    bool hadCurrent = FileThere(current);
    if (hadCurrent && !Replace(current, backup)) return false;
    if (!Replace(StagedPath(FUpdated, name), current)) {
        if (hadCurrent) Replace(backup, current);
        return false;
    }
    if (hadCurrent) Rename(name, name + ".bak");
    Rename(name + ".new", name);
    return true;
}

void TInstalledData::Rename(const std::string& from, const std::string& to) {
    Forget(to);
    for (FeedFile& record : FRecords)
        if (record.Name == from) record.Name = to;
}

void TInstalledData::Forget(const std::string& name) {
    std::erase_if(FRecords, [&](const FeedFile& record) { return record.Name == name; });
}

void TInstalledData::SaveRecords() const {
    WriteFileReplacing(FUpdated + kVersionFile, FormatVersionText(FRecords));
    WriteFileReplacing(FUpdated + kProbesFile, FormatProbesText(FRecords));
}

// In UTF-8 with a byte order mark and CR LF, as the release's read-me, so
// Notepad reads it on a Windows of any language.
void TInstalledData::SaveCredits(const std::vector<FeedFile>& installed) const {
    std::string text = ReadText(FUpdated + kCreditsFile);
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    std::vector<std::string> paragraphs = Paragraphs(text);
    std::erase_if(paragraphs, [&](const std::string& paragraph) {
        return std::any_of(installed.begin(), installed.end(),
                           [&](const FeedFile& file) { return paragraph.starts_with(file.Name + " "); });
    });
    for (const FeedFile& file : installed) paragraphs.push_back(file.Name + " " + file.Version + "\r\n" + file.Credits);
    std::string joined = "\xEF\xBB\xBF";
    for (const std::string& paragraph : paragraphs) joined += paragraph + "\r\n\r\n";
    WriteFileReplacing(FUpdated + kCreditsFile, joined);
}

InstallOutcome TInstalledData::Install(const std::vector<FeedFile>& staged, std::string& failure) {
    for (const FeedFile& file : staged)
        if (std::optional<std::string> problem = ProbeFailure(StagedPath(FUpdated, file.Name), file)) {
            failure = file.Name + "：" + *problem;
            DiscardStaged(staged);
            return InstallOutcome::Refused;
        }
    bool deferred = false;
    try {
        // Listed before the swap, so that a start after a crash finds them.
        for (const FeedFile& file : staged) {
            Forget(file.Name + ".new");
            FRecords.push_back(file);
            FRecords.back().Name += ".new";
        }
        SaveRecords();
        for (const FeedFile& file : staged) deferred |= !Swap(file.Name);
        SaveRecords();
        SaveCredits(staged);
    } catch (const Exception& error) {
        failure = "无法写入 " + error.Message();
        Choose();
        return InstallOutcome::Refused;
    }
    Choose();
    return deferred ? InstallOutcome::Deferred : InstallOutcome::Installed;
}

void TInstalledData::DiscardStaged(const std::vector<FeedFile>& staged) const {
    for (const FeedFile& file : staged) DeleteFileW(StagedPath(FUpdated, file.Name).c_str());
}

void TInstalledData::Choose() {
    for (std::string_view database : kDatabaseNames) {
        std::string name(database);
        SystemPath bundled = FBundled + PathPart(name), updated = FUpdated + PathPart(name);
        const FeedFile* record = FindRecord(FRecords, name);
        DataCandidates candidates{.BundledExists = FileThere(bundled)};
        if (record && FileThere(updated)) candidates.UpdatedVersion = record->Version;
        // Without an updated file the bundled one is read, whoever made it.
        if (candidates.UpdatedVersion && candidates.BundledExists) candidates.BundledVersion = BundledVersion(name);
        DataOrigin origin = candidates.UpdatedVersion ? ChooseDatabase(candidates) : DataOrigin::Bundled;
        FChosen[name] = {origin, origin == DataOrigin::Updated ? updated : bundled};
    }
}

const std::optional<std::string>& TInstalledData::BundledVersion(const std::string& name) const {
    auto known = FBundledVersions.find(name);
    if (known != FBundledVersions.end()) return known->second;
    const FeedFile* listed = FindRecord(FBundledRecords, name);
    std::optional<std::string> version;
    if (listed && FileSha256(FBundled + PathPart(name)) == listed->Sha256) version = listed->Version;
    return FBundledVersions[name] = version;
}

SystemPath TInstalledData::Path(std::string_view name) const { return FChosen.find(name)->second.Path; }

std::string TInstalledData::Description(std::string_view name) const {
    const TChoice& choice = FChosen.find(name)->second;
    if (choice.Origin == DataOrigin::Updated)
        return FindRecord(FRecords, name)->Version + "（" + FileDate(choice.Path) + " 更新）";
    if (!FileThere(choice.Path)) return "没有文件";
    const std::optional<std::string>& listed = BundledVersion(std::string(name));
    return listed ? *listed + "（随程序附带）" : "自备的文件";
}

std::vector<FeedFile> TInstalledData::Versions() const {
    std::vector<FeedFile> versions;
    for (std::string_view database : kDatabaseNames) {
        std::string name(database), newest;
        for (auto [records, folder] : {std::pair{&FRecords, &FUpdated}, {&FBundledRecords, &FBundled}}) {
            const FeedFile* record = FindRecord(*records, name);
            if (record && FileThere(*folder + PathPart(name)) && CompareVersions(record->Version, newest) > 0)
                newest = record->Version;
        }
        if (!newest.empty()) versions.push_back({.Name = name, .Version = newest});
    }
    return versions;
}
