#include "app/RunKey.h"

#include <windows.h>

namespace {
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kValueName[] = L"ip";
const char kUserWriteRefused[] = "无法写入当前用户的开机启动项。";
const char kUserDeleteRefused[] = "无法删除当前用户的开机启动项。";
// Removing it needs administrator rights, which the program never asks for.
const char kMachineDeleteRefused[] = "无法删除所有用户的开机启动项，请以管理员身份运行 Quorvik 后再试。";

bool ValueExists(HKEY root) {
    HKEY key;
    if (RegOpenKeyExW(root, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    bool exists = RegQueryValueExW(key, kValueName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return exists;
}

// A value or key that is not there counts as deleted.
bool DeleteValue(HKEY root) {
    HKEY key;
    LONG opened = RegOpenKeyExW(root, kRunKey, 0, KEY_SET_VALUE, &key);
    if (opened == ERROR_FILE_NOT_FOUND) return true;
    if (opened != ERROR_SUCCESS) return false;
    LONG deleted = RegDeleteValueW(key, kValueName);
    RegCloseKey(key);
    return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}
}  // namespace

bool RunValueExists() { return ValueExists(HKEY_CURRENT_USER) || ValueExists(HKEY_LOCAL_MACHINE); }

std::optional<std::string> WriteRunValue(const std::wstring& quotedPath) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return kUserWriteRefused;
    LONG written = RegSetValueExW(key, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(quotedPath.c_str()),
                                  DWORD((quotedPath.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    if (written != ERROR_SUCCESS) return kUserWriteRefused;
    return std::nullopt;
}

// The machine's key is opened for writing only when it holds the value: a
// standard user may not open it so.
std::optional<std::string> DeleteRunValues() {
    if (!DeleteValue(HKEY_CURRENT_USER)) return kUserDeleteRefused;
    if (ValueExists(HKEY_LOCAL_MACHINE) && !DeleteValue(HKEY_LOCAL_MACHINE)) return kMachineDeleteRefused;
    return std::nullopt;
}
