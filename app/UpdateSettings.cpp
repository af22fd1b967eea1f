#include "app/UpdateSettings.h"

#include <windows.h>

namespace {
const wchar_t kKey[] = L"Software\\Quorvik";
const wchar_t kMirror[] = L"Mirror";
const wchar_t kETag[] = L"FeedETag";
const wchar_t kLastModified[] = L"FeedLastModified";

std::wstring ReadText(HKEY key, const wchar_t* name) {
    wchar_t text[1024] = {};
    DWORD type = 0, size = sizeof text - sizeof(wchar_t);
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return L"";
    return text;
}

// A value that cannot be written is asked for anew next time: nothing is lost.
void WriteTexts(std::initializer_list<std::pair<const wchar_t*, std::wstring>> values) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    for (const auto& [name, text] : values)
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       DWORD((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

// ETags and dates are ASCII.
std::string Ascii(const std::wstring& text) { return std::string(text.begin(), text.end()); }
std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }
}  // namespace

UpdateSettings ReadUpdateSettings() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
    UpdateSettings settings{ReadText(key, kMirror), Ascii(ReadText(key, kETag)), Ascii(ReadText(key, kLastModified))};
    RegCloseKey(key);
    return settings;
}

void WriteMirror(const std::wstring& mirror) { WriteTexts({{kMirror, mirror}}); }

void WriteManifestTag(const std::string& eTag, const std::string& lastModified) {
    WriteTexts({{kETag, Wide(eTag)}, {kLastModified, Wide(lastModified)}});
}
