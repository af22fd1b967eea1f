#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "locdb/DatabaseFile.h"

// One open and one fstat answer existence, size and readability at once;
// a lookup's cost is mostly these system calls.
bool DatabaseFile::Exists(const SystemPath& path) {
    FFile = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (FFile >= 0 && fstat(FFile, &info) == 0 && S_ISREG(info.st_mode)) {
        FMappedSize = uint64_t(info.st_size);
        return true;
    }
    Close();
    // Not opened: missing, a folder, or there but not readable; only the
    // last exists, and the size query then says it cannot be opened.
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool DatabaseFile::QuerySize(const SystemPath&, int64_t& size) {
    size = int64_t(FMappedSize);
    return FFile >= 0;
}

bool DatabaseFile::Open(const SystemPath&) { return FFile >= 0; }

bool DatabaseFile::CreateMapping(const wchar_t*) { return FMappedSize > 0; }

bool DatabaseFile::MapView() {
    void* view = mmap(nullptr, FMappedSize, PROT_READ, MAP_PRIVATE, FFile, 0);
    if (view == MAP_FAILED) return false;
    FView = static_cast<const uint8_t*>(view);
    FViewSize = FMappedSize;
    return true;
}

void DatabaseFile::Close() {
    if (FView) munmap(const_cast<uint8_t*>(FView), FViewSize);
    FView = nullptr;
    FViewSize = 0;
    FMappedSize = 0;
    if (FFile >= 0) close(FFile);
    FFile = -1;
}

std::string DatabaseFile::DisplayPath(const SystemPath& path) { return path; }
