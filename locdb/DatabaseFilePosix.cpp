#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "locdb/DatabaseFile.h"

bool DatabaseFile::Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool DatabaseFile::QuerySize(const std::string& path, int64_t& size) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info;
    bool ok = fstat(fd, &info) == 0;
    if (ok) size = info.st_size;
    close(fd);
    return ok;
}

bool DatabaseFile::Open(const std::string& path) {
    file_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return file_ >= 0;
}

bool DatabaseFile::CreateMapping() {
    struct stat info;
    if (fstat(file_, &info) != 0 || info.st_size <= 0) return false;
    mappedSize_ = uint64_t(info.st_size);
    return true;
}

bool DatabaseFile::MapView() {
    void* view = mmap(nullptr, mappedSize_, PROT_READ, MAP_PRIVATE, file_, 0);
    if (view == MAP_FAILED) return false;
    view_ = static_cast<const uint8_t*>(view);
    viewSize_ = mappedSize_;
    return true;
}

void DatabaseFile::Close() {
    if (view_) munmap(const_cast<uint8_t*>(view_), viewSize_);
    view_ = nullptr;
    viewSize_ = 0;
    mappedSize_ = 0;
    if (file_ >= 0) close(file_);
    file_ = -1;
}
