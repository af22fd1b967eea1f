#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "base/SystemPath.h"

// A downloaded file written under a temporary name, flushed to the disk
// before anything takes it for whole. A file not committed is deleted.
class TStagedFile {
public:
    TStagedFile() = default;
    ~TStagedFile() { Discard(); }
    TStagedFile(const TStagedFile&) = delete;
    TStagedFile& operator=(const TStagedFile&) = delete;

    // Makes the file anew, replacing one there.
    bool Create(const SystemPath& path);
    bool Write(const void* data, size_t size);
    // Flushes it to the disk and closes it.
    bool Commit();
    // Closes and deletes it.
    void Discard();

private:
    void Close();

    SystemPath FPath;
#ifdef _WIN32
    void* FFile = nullptr;
#else
    int FFile = -1;
#endif
    bool FCommitted = false;
};

// Makes the folder and those above it that are missing; what stands in
// the way (GBK), or none.
std::optional<std::string> MakeFolders(const SystemPath& folder);
