#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "gui/Win32Text.h"
#include "locdb/QQWryReader.h"
#include "tests/locdb/QQWryBytes.h"

namespace {

std::string SmallDatabase(const std::string& name) {
    QQWryBytes db;
    db.Entry(0, db.InlineRecord(0xFFFFFFFF, "中国", "北京"));
    std::string path = (std::filesystem::path(testing::TempDir()) / name).string();
    SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    return db.WriteTo(path);
}

std::string MessageOf(const std::string& path) {
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

TEST(DatabaseFileWin32, ReadOnlyFileStillAnswers) {
    std::string path = SmallDatabase("readonly.dat");
    SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(MessageOf(path), "中国北京");
    SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(DatabaseFileWin32, FileHeldWithoutSharingCannotBeOpened) {
    std::string path = SmallDatabase("held.dat");
    HANDLE held = CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(MessageOf(path), "文件 " + path + " 无法打开！");
    CloseHandle(held);
    EXPECT_EQ(MessageOf(path), "中国北京");
}

TEST(DatabaseFileWin32, ForeignMappingOfTheSameNameIsNeverRead) {
    std::string path = SmallDatabase("foreign.dat");
    HANDLE foreign = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
                                        L"QQWryMapFile");
    ASSERT_NE(foreign, nullptr);
    EXPECT_EQ(MessageOf(path), "不能创建内存映象文件！");
    CloseHandle(foreign);
    EXPECT_EQ(MessageOf(path), "中国北京");  // nothing of the failed reader stayed behind
}
