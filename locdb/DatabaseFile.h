#pragma once
#include <cstdint>
#include <string>

// The platform's part of opening the database read-only and mapping it into
// memory. Each step is its own call, so the reader can say which one failed.
class DatabaseFile {
public:
    DatabaseFile() = default;
    ~DatabaseFile() { Close(); }
    DatabaseFile(const DatabaseFile&) = delete;
    DatabaseFile& operator=(const DatabaseFile&) = delete;

    // The steps of opening, in order. Each platform does only the work its
    // file system gives meaning to: POSIX has no share modes, so there the
    // first open serves every step up to the mapping.
    bool Exists(const std::string& path);
    // Opens the file for reading alone, sharing nothing, to learn its size.
    bool QuerySize(const std::string& path, int64_t& size);
    bool Open(const std::string& path);
    // Fails when the named mapping already exists: it belongs to someone else.
    bool CreateMapping();
    bool MapView();

    const uint8_t* View() const { return view_; }
    uint64_t ViewSize() const { return viewSize_; }

    // Unmaps the view, closes the mapping and then the file, each only if held.
    void Close();

private:
#ifdef _WIN32
    void* file_ = nullptr;
    void* mapping_ = nullptr;
#else
    int file_ = -1;
#endif
    uint64_t mappedSize_ = 0;
    const uint8_t* view_ = nullptr;
    uint64_t viewSize_ = 0;
};
