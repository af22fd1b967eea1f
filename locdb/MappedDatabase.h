#pragma once
#include <string>
#include <string_view>

#include "base/ByteView.h"
#include "base/SystemPath.h"
#include "locdb/DatabaseFile.h"

// A database file opened read-only and mapped whole, as every reader of a
// location database opens its file. A missing, empty or unreadable file is
// told apart by its own message, the same for every kind of database, and
// nothing stays open after a failure.
class MappedDatabase {
public:
    // Opens and maps the file, or throws Exception with the failed step's
    // message. mappingName names the mapping object on Windows (nullptr:
    // none); a named one that exists already belongs to someone else. Reads
    // outside the file fail with damagedMessage.
    MappedDatabase(const SystemPath& fileName, const wchar_t* mappingName, const char* damagedMessage);
    MappedDatabase(const MappedDatabase&) = delete;
    MappedDatabase& operator=(const MappedDatabase&) = delete;

    const ByteView& View() const { return FView; }

    // Lets go of the file; the view is empty afterwards.
    void Release();

    // Runs a step of reading; when it fails, lets go of the file first and
    // then passes the failure on as an Exception with the same message, so
    // a failed lookup never leaves the database open.
    template <typename Step>
    auto ReleasingOnFailure(Step step) {
        try {
            return step();
        } catch (const std::exception& e) {
            Release();
            throw Exception(e.what());
        }
    }

private:
    void Open(const wchar_t* mappingName, const char* damagedMessage);
    std::string WithFileName(std::string_view message) const;

    SystemPath FFileName;
    int64_t FFileSize = 0;
    DatabaseFile FFile;
    ByteView FView;
};
