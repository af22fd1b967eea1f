#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "base/win32/Win32Text.h"
#include "locdb/QQWryReader.h"
#include "tests/locdb/QQWryBytes.h"

namespace {

SystemPath SmallDatabase(const std::wstring& name) {
    QQWryBytes db;
    db.Entry(0, db.InlineRecord(0xFFFFFFFF, "中国", "北京"));
    SystemPath path = (std::filesystem::path(testing::TempDir()) / name).native();
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return db.WriteTo(path);
}

std::string MessageOf(const SystemPath& path) {
    try {
        TQQWry reader(path);
        TStringList list;
        reader.FillLocation(list, reader.FindRecordNumber("1.2.3.4"));
        return list[2] + list[3];
    } catch (const Exception& e) {
        return e.Message();
    }
}

}  // namespace

// A folder whose name has no GBK spelling: the path stays UTF-16 to the file.
TEST(DatabaseFileWin32, PathOutsideCodePage936_Answers) {
    std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / L"Zo\u00EB \u2603";
    std::filesystem::create_directories(folder);
    SystemPath path = SmallDatabase((folder / L"cxsjk.Dat").native());
    EXPECT_EQ(MessageOf(path), "中国北京");
    std::filesystem::remove_all(folder);
}

TEST(DatabaseFileWin32, ReadOnlyFileStillAnswers) {
    SystemPath path = SmallDatabase(L"readonly.dat");
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(MessageOf(path), "中国北京");
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(DatabaseFileWin32, FileHeldWithoutSharingCannotBeOpened) {
    SystemPath path = SmallDatabase(L"held.dat");
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(MessageOf(path), "文件 " + Narrow(path) + " 无法打开！");
    CloseHandle(held);
    EXPECT_EQ(MessageOf(path), "中国北京");
}

TEST(DatabaseFileWin32, ForeignMappingOfTheSameNameIsNeverRead) {
    SystemPath path = SmallDatabase(L"foreign.dat");
    HANDLE foreign = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
                                        L"QQWryMapFile");
    ASSERT_NE(foreign, nullptr);
    EXPECT_EQ(MessageOf(path), "不能创建内存映象文件！");
    CloseHandle(foreign);
    EXPECT_EQ(MessageOf(path), "中国北京");  // nothing of the failed reader stayed behind
}
