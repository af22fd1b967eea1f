#include <windows.h>

#include "gui/Win32Text.h"
#include "locdb/DatabaseFile.h"

// One open serves every step: opened for reading alone, sharing nothing, it
// answers the size query, and the mapping is made from it. A lookup's cost
// is mostly these calls, so none is made twice.

namespace {
const wchar_t kMappingName[] = L"QQWryMapFile";
}

bool DatabaseFile::Exists(const SystemPath& path) {
    FFile = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (FFile == INVALID_HANDLE_VALUE) FFile = nullptr;
    if (FFile) return true;
    // Not opened: missing, a folder, or there but held by someone else.
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DatabaseFile::QuerySize(const SystemPath&, int64_t& size) {
    LARGE_INTEGER fileSize;
    if (!FFile || !GetFileSizeEx(FFile, &fileSize)) return false;
    size = fileSize.QuadPart;
    FMappedSize = uint64_t(fileSize.QuadPart);
    return true;
}

bool DatabaseFile::Open(const SystemPath&) { return FFile != nullptr; }

bool DatabaseFile::CreateMapping() {
    if (FMappedSize == 0) return false;
    FMapping = CreateFileMappingW(FFile, nullptr, PAGE_READONLY, 0, 0, kMappingName);
    if (FMapping && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(FMapping);
        FMapping = nullptr;
    }
    return FMapping != nullptr;
}

bool DatabaseFile::MapView() {
    if (FMappedSize > SIZE_MAX) return false;
    FView = static_cast<const uint8_t*>(MapViewOfFile(FMapping, FILE_MAP_READ, 0, 0, 0));
    if (FView) FViewSize = FMappedSize;
    return FView != nullptr;
}

void DatabaseFile::Close() {
    if (FView) UnmapViewOfFile(FView);
    FView = nullptr;
    FViewSize = 0;
    FMappedSize = 0;
    if (FMapping) CloseHandle(FMapping);
    FMapping = nullptr;
    if (FFile) CloseHandle(FFile);
    FFile = nullptr;
}

std::string DatabaseFile::DisplayPath(const SystemPath& path) { return Narrow(path); }
