#include "app/RunKey.h"

#include <windows.h>

namespace {
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kValueName[] = L"ip";

// The key, created when it does not exist yet, or null.
HKEY OpenRunKey(REGSAM access) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, access, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}
}  // namespace

bool RunValueExists() {
    HKEY key = OpenRunKey(KEY_QUERY_VALUE);
    if (!key) return false;
    bool exists = RegQueryValueExW(key, kValueName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return exists;
}

bool WriteRunValue(const std::wstring& data) {
    HKEY key = OpenRunKey(KEY_SET_VALUE);
    if (!key) return false;
    bool written = RegSetValueExW(key, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                  DWORD((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

bool DeleteRunValue() {
    HKEY key = OpenRunKey(KEY_SET_VALUE);
    if (!key) return false;
    LONG result = RegDeleteValueW(key, kValueName);
    RegCloseKey(key);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}
