#include <windows.h>

#include "gui/Files.h"
#include "gui/Win32Text.h"
#include "locdb/DatabaseFile.h"

// One open serves every step: opened for reading alone, sharing nothing, it
// answers the size query, and the mapping is made from it. A lookup's cost
// is mostly these calls, so none is made twice.

namespace {
const wchar_t kMappingName[] = L"QQWryMapFile";
}

bool DatabaseFile::Exists(const std::string& path) {
    std::wstring widePath = Widen(path);
    file_ = CreateFileW(widePath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file_ == INVALID_HANDLE_VALUE) file_ = nullptr;
    if (file_) return true;
    // Not opened: missing, a folder, or there but held by someone else.
    return FileExists(path);
}

bool DatabaseFile::QuerySize(const std::string&, int64_t& size) {
    LARGE_INTEGER fileSize;
    if (!file_ || !GetFileSizeEx(file_, &fileSize)) return false;
    size = fileSize.QuadPart;
    mappedSize_ = uint64_t(fileSize.QuadPart);
    return true;
}

bool DatabaseFile::Open(const std::string&) { return file_ != nullptr; }

bool DatabaseFile::CreateMapping() {
    if (mappedSize_ == 0) return false;
    mapping_ = CreateFileMappingW(file_, nullptr, PAGE_READONLY, 0, 0, kMappingName);
    if (mapping_ && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mapping_);
        mapping_ = nullptr;
    }
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
