#include "base/win32/Files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/Exception.h"
#include "base/win32/Win32Text.h"

namespace fs = std::filesystem;

namespace {
// A fresh folder with a Chinese name, so paths cross the GBK boundary.
class FilesTest : public testing::Test {
protected:
    void SetUp() override {
        FFolder = fs::temp_directory_path() / L"quorvik-files-\u4FDD\u5B58";
        fs::remove_all(FFolder);
        fs::create_directories(FFolder);
    }
    void TearDown() override { fs::remove_all(FFolder); }

    std::string PathOf(const std::wstring& name) const { return Narrow((FFolder / name).wstring()); }

    static std::string Read(const std::string& path) {
        std::ifstream in(fs::path(Widen(path)), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    size_t FilesInFolder() const { return size_t(std::distance(fs::directory_iterator(FFolder), {})); }

    fs::path FFolder;
};
}  // namespace

TEST_F(FilesTest, WriteCreatesTheFileWithExactlyTheBytes) {
    std::string path = PathOf(L"IP\u8D44\u6599.txt");
    std::string bytes = "1.2.3.4 \xD6\xD0\xB9\xFA\r\n\r\nlast";
    ASSERT_FALSE(FileExists(path));
    WriteFileReplacing(path, bytes);
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(Read(path), bytes);
    EXPECT_EQ(FilesInFolder(), 1u) << "no file of the write may stay behind";
}

TEST_F(FilesTest, WriteReplacesAnExistingFileWhole) {
    std::string path = PathOf(L"old.txt");
    WriteFileReplacing(path, std::string(5000, 'x'));
    WriteFileReplacing(path, "short");
    EXPECT_EQ(Read(path), "short");
    WriteFileReplacing(path, "");
    EXPECT_EQ(Read(path), "");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(FilesTest, FailedReplaceKeepsTheOldFileAndSaysWhy) {
    std::string path = PathOf(L"busy.txt");
    WriteFileReplacing(path, "precious");
    // Held open without sharing, as another program may hold it.
    HANDLE holder = CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    try {
        WriteFileReplacing(path, "new");
        ADD_FAILURE() << "replacing a file that is held open must fail";
    } catch (const Exception& error) {
        EXPECT_FALSE(error.Message().empty());
    }
    CloseHandle(holder);
    EXPECT_EQ(Read(path), "precious");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(FilesTest, MissingFolderOrAFolderInTheWayFailsWithAReason) {
    EXPECT_THROW(WriteFileReplacing(PathOf(L"no-such-folder\\x.txt"), "x"), Exception);
    fs::create_directories(FFolder / L"folder.txt");
    EXPECT_THROW(WriteFileReplacing(PathOf(L"folder.txt"), "x"), Exception);
    EXPECT_TRUE(fs::is_directory(FFolder / L"folder.txt"));
    EXPECT_FALSE(FileExists(PathOf(L"folder.txt")));
    EXPECT_EQ(FilesInFolder(), 1u);
}
