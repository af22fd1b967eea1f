#pragma once
#include <string>

// What the database update keeps between runs, the program's only values
// under HKEY_CURRENT_USER\Software\Quorvik: the mirror the user gave, and
// the ETag and date of the feed's manifest last taken whole, so that asking
// again downloads nothing when the feed has not changed.
struct UpdateSettings {
    std::wstring Mirror;
    std::string ETag;
    std::string LastModified;
};

UpdateSettings ReadUpdateSettings();
void WriteMirror(const std::wstring& mirror);
void WriteManifestTag(const std::string& eTag, const std::string& lastModified);
