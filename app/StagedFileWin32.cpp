#include <windows.h>

#include "app/StagedFile.h"
#include "base/win32/Win32Text.h"

bool TStagedFile::Create(const SystemPath& path) {
    Discard();
    FPath = path;
    FCommitted = false;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    FFile = file == INVALID_HANDLE_VALUE ? nullptr : file;
    return FFile != nullptr;
}

bool TStagedFile::Write(const void* data, size_t size) {
    DWORD written = 0;
    return FFile && WriteFile(FFile, data, DWORD(size), &written, nullptr) && written == size;
}

bool TStagedFile::Commit() {
    FCommitted = FFile && FlushFileBuffers(FFile);
    Close();
    return FCommitted;
}

void TStagedFile::Close() {
    if (FFile) CloseHandle(FFile);
    FFile = nullptr;
}

void TStagedFile::Discard() {
    Close();
    if (!FPath.empty() && !FCommitted) DeleteFileW(FPath.c_str());
    FPath.clear();
}

// Each folder of the path from the top; a drive or a server's share is
// there already. A folder that is there makes its creation fail: what
// stands at the path afterwards tells.
std::optional<std::string> MakeFolders(const SystemPath& folder) {
    SystemPath path = folder.substr(0, folder.find_last_not_of(L"\\/") + 1);
    size_t cut = path.starts_with(L"\\\\") ? path.find_first_of(L"\\/", path.find_first_of(L"\\/", 2) + 1) : 0;
    while (cut != SystemPath::npos) {
        cut = path.find_first_of(L"\\/", cut + 1);
        SystemPath step = path.substr(0, cut);
        if (!step.ends_with(L':')) {
            CreateDirectoryW(step.c_str(), nullptr);
            DWORD attributes = GetFileAttributesW(step.c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES) return "无法建立文件夹 " + Narrow(step) + "。";
            if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
                return "无法建立文件夹 " + Narrow(step) + "：那里有一个同名的文件。";
        }
    }
    return std::nullopt;
}
