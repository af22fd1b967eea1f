#include <windows.h>

#include "base/win32/Win32Text.h"
#include "locdb/DatabaseFile.h"

// One open serves every step: opened for reading alone, sharing nothing, it
// answers the size query, and the mapping is made from it. A lookup's cost
// is mostly these calls, so none is made twice.

bool DatabaseFile::Exists(const SystemPath& path) {
    FFile.Reset(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (FFile) return true;
    // Not opened: missing, a folder, or there but held by someone else.
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DatabaseFile::QuerySize(const SystemPath&, int64_t& size) {
    LARGE_INTEGER fileSize;
    if (!FFile || !GetFileSizeEx(FFile.Get(), &fileSize)) return false;
    size = fileSize.QuadPart;
    FMappedSize = uint64_t(fileSize.QuadPart);
    return true;
}

bool DatabaseFile::Open(const SystemPath&) { return bool(FFile); }

bool DatabaseFile::CreateMapping(const wchar_t* name) {
    if (FMappedSize == 0) return false;
    FMapping.Reset(CreateFileMappingW(FFile.Get(), nullptr, PAGE_READONLY, 0, 0, name));
    if (FMapping && name && GetLastError() == ERROR_ALREADY_EXISTS) FMapping.Reset();
    return bool(FMapping);
}

bool DatabaseFile::MapView() {
    if (FMappedSize > SIZE_MAX) return false;
    FMapped.Reset(MapViewOfFile(FMapping.Get(), FILE_MAP_READ, 0, 0, 0));
    FView = static_cast<const uint8_t*>(FMapped.Get());
    if (FView) FViewSize = FMappedSize;
    return FView != nullptr;
}

void DatabaseFile::Close() {
    FMapped.Reset();
    FView = nullptr;
    FViewSize = 0;
    FMappedSize = 0;
    FMapping.Reset();
    FFile.Reset();
}

std::string DatabaseFile::DisplayPath(const SystemPath& path) { return Narrow(path); }
