#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "locdb/DatabaseFile.h"

// One open and one fstat answer existence, size and readability at once;
// a lookup's cost is mostly these system calls.
bool DatabaseFile::Exists(const std::string& path) {
    file_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (file_ < 0 || fstat(file_, &info) != 0 || !S_ISREG(info.st_mode)) {
        Close();
        return false;
    }
    mappedSize_ = uint64_t(info.st_size);
    return true;
}

bool DatabaseFile::QuerySize(const std::string&, int64_t& size) {
    size = int64_t(mappedSize_);
    return file_ >= 0;
}

bool DatabaseFile::Open(const std::string&) { return file_ >= 0; }

bool DatabaseFile::CreateMapping() { return mappedSize_ > 0; }

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
