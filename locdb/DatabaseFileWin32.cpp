#include <windows.h>

#include "gui/Files.h"
#include "gui/Win32Text.h"
#include "locdb/DatabaseFile.h"

namespace {
const wchar_t kMappingName[] = L"QQWryMapFile";

HANDLE OpenForReading(const std::string& path, DWORD share) {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}
}  // namespace

bool DatabaseFile::Exists(const std::string& path) { return FileExists(path); }

bool DatabaseFile::QuerySize(const std::string& path, int64_t& size) {
    HANDLE file = OpenForReading(path, 0);
    if (!file) return false;
    LARGE_INTEGER fileSize;
    bool ok = GetFileSizeEx(file, &fileSize);
    if (ok) size = fileSize.QuadPart;
    CloseHandle(file);
    return ok;
}

bool DatabaseFile::Open(const std::string& path) {
    file_ = OpenForReading(path, FILE_SHARE_READ);
    return file_ != nullptr;
}

bool DatabaseFile::CreateMapping() {
    LARGE_INTEGER fileSize;
    if (!GetFileSizeEx(file_, &fileSize) || fileSize.QuadPart <= 0) return false;
    mapping_ = CreateFileMappingW(file_, nullptr, PAGE_READONLY, 0, 0, kMappingName);
    if (mapping_ && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mapping_);
        mapping_ = nullptr;
    }
    mappedSize_ = uint64_t(fileSize.QuadPart);
    return mapping_ != nullptr;
}

bool DatabaseFile::MapView() {
    if (mappedSize_ > SIZE_MAX) return false;
    view_ = static_cast<const uint8_t*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 0));
    if (view_) viewSize_ = mappedSize_;
    return view_ != nullptr;
}

void DatabaseFile::Close() {
    if (view_) UnmapViewOfFile(view_);
    view_ = nullptr;
    viewSize_ = 0;
    mappedSize_ = 0;
    if (mapping_) CloseHandle(mapping_);
    mapping_ = nullptr;
    if (file_) CloseHandle(file_);
    file_ = nullptr;
}
