#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/StagedFile.h"

bool TStagedFile::Create(const SystemPath& path) {
    Discard();
    FPath = path;
    FCommitted = false;
    FFile = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    return FFile >= 0;
}

bool TStagedFile::Write(const void* data, size_t size) {
    return FFile >= 0 && write(FFile, data, size) == ssize_t(size);
}

bool TStagedFile::Commit() {
    FCommitted = FFile >= 0 && fsync(FFile) == 0;
    Close();
    return FCommitted;
}

void TStagedFile::Close() {
    if (FFile >= 0) close(FFile);
    FFile = -1;
}

void TStagedFile::Discard() {
    Close();
    if (!FPath.empty() && !FCommitted) unlink(FPath.c_str());
    FPath.clear();
}

std::optional<std::string> MakeFolders(const SystemPath& folder) {
    SystemPath path = folder.substr(0, folder.find_last_not_of('/') + 1);
    size_t cut = 0;
    while (cut != SystemPath::npos) {
        cut = path.find('/', cut + 1);
        SystemPath step = path.substr(0, cut);
        mkdir(step.c_str(), 0755);
        struct stat status;
        if (stat(step.c_str(), &status) != 0) return "无法建立文件夹 " + step + "。";
        if (!S_ISDIR(status.st_mode)) return "无法建立文件夹 " + step + "：那里有一个同名的文件。";
    }
    return std::nullopt;
}
