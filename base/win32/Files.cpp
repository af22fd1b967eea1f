#include "base/win32/Files.h"

#include <windows.h>

#include <algorithm>

#include "base/Exception.h"
#include "base/win32/Handles.h"
#include "base/win32/Win32Text.h"

namespace {
[[noreturn]] void ThrowSystemError(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = text ? text : L"";
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r')) reason.pop_back();
    if (reason.empty()) reason = L"error " + std::to_wstring(error);
    throw Exception(Narrow(reason));
}

// Cut in UTF-16: a GBK second byte can look like a backslash.
std::wstring FolderOf(const std::wstring& path) {
    size_t cut = path.find_last_of(L"\\/:");
    return cut == std::wstring::npos ? L"." : path.substr(0, cut + 1);
}

// Writes into an existing empty file; false with the error set on failure.
bool WriteAll(const wchar_t* path, std::string_view bytes) {
    TKernelHandle file(
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    bool ok = true;
    while (ok && !bytes.empty()) {
        DWORD written = 0;
        ok = WriteFile(file.Get(), bytes.data(), DWORD(std::min<size_t>(bytes.size(), 1 << 20)), &written, nullptr);
        bytes.remove_prefix(written);
    }
    ok = ok && FlushFileBuffers(file.Get());
    // Closing must not hide the reason of a failure.
    DWORD error = GetLastError();
    file.Reset();
    SetLastError(error);
    return ok;
}
}  // namespace

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteFileReplacing(const std::string& path, std::string_view bytes) { WriteFileReplacing(Widen(path), bytes); }

void WriteFileReplacing(const std::wstring& target, std::string_view bytes) {
    wchar_t fresh[MAX_PATH];
    if (!GetTempFileNameW(FolderOf(target).c_str(), L"qvk", 0, fresh)) ThrowSystemError(GetLastError());
    if (!WriteAll(fresh, bytes) ||
        !MoveFileExW(fresh, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DWORD error = GetLastError();
        DeleteFileW(fresh);
        ThrowSystemError(error);
    }
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, uint64_t maxBytes) {
    return ReadWholeFile(Widen(path), maxBytes);
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::wstring& path, uint64_t maxBytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::vector<uint8_t>> content;
    LARGE_INTEGER size;
    if (GetFileSizeEx(file, &size) && uint64_t(size.QuadPart) <= std::min<uint64_t>(maxBytes, MAXDWORD)) {
        std::vector<uint8_t> bytes(size_t(size.QuadPart));
        DWORD read = 0;
        if (ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) && read == bytes.size())
            content = std::move(bytes);
    }
    CloseHandle(file);
    return content;
}
