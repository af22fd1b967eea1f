#pragma once
#include <cstdint>
#include <string>
#ifdef _WIN32
#include "base/win32/Handles.h"
#endif

#include "base/SystemPath.h"

// The platform's part of opening the database read-only and mapping it into
// memory. Each step is its own call, so the reader can say which one failed.
class DatabaseFile {
public:
    DatabaseFile() = default;
    ~DatabaseFile() { Close(); }
    DatabaseFile(const DatabaseFile&) = delete;
    DatabaseFile& operator=(const DatabaseFile&) = delete;

    // The steps of opening, in order, each its own call so the reader can
    // say which one failed. The file is opened once, for reading alone and
    // sharing nothing, and that one handle serves the size query, the
    // opening and the mapping; a file that another program holds open
    // cannot be opened so.
    bool Exists(const SystemPath& path);
    bool QuerySize(const SystemPath& path, int64_t& size);
    bool Open(const SystemPath& path);
    // With a name, fails when the named mapping already exists: it belongs
    // to someone else. Without one (nullptr), the mapping is the reader's own.
    bool CreateMapping(const wchar_t* name);
    bool MapView();

    const uint8_t* View() const { return FView; }
    uint64_t ViewSize() const { return FViewSize; }

    // Unmaps the view, closes the mapping and then the file, each only if held.
    void Close();

    // The path as messages show it (GBK).
    static std::string DisplayPath(const SystemPath& path);

private:
#ifdef _WIN32
    TKernelHandle FFile;
    TKernelHandle FMapping;
    TMappedView FMapped;
#else
    int FFile = -1;
#endif
    uint64_t FMappedSize = 0;
    const uint8_t* FView = nullptr;
    uint64_t FViewSize = 0;
};
