#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/e2e/BatchWindowParts.h"
#include "tests/e2e/ProgramFolder.h"
#include "tests/e2e/TestDatabase.h"
#include "tests/e2e/UiDriver.h"

using namespace ui;
namespace fs = std::filesystem;

namespace {

const MenuPath kFileBatch = {0, 0};  // " 文 件" → "批量查询"
const int kTrayBatch = 1;            // tray menu → "批量查询"
const int kTrayExit = 3;             // tray menu → "退出"

// Lines joined by CR LF, as a memo holds them.
std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text.substr(0, text.size() - 2);
}

// Addresses 1.3.x.y, all of one range, enough for a batch to last a while.
std::string AddressNumber(size_t i) { return "1.3." + std::to_string(i / 256) + "." + std::to_string(i % 256); }

std::string ManyAddresses(size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i) text += (i ? "\r\n" : "") + AddressNumber(i);
    return text;
}

const size_t kLongBatch = 60000;

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class BatchWindowTest : public testing::Test {
protected:
    // Starts the program and opens the batch window from the main menu.
    void Start(const std::string& folderName, const std::string& database = TestDatabase()) {
        StartProgram(folderName, database);
        ChooseMenu(FMain, kFileBatch);
        ASSERT_NE(FindTopWindow(L"TForm2"), nullptr) << "the batch window did not appear";
    }

    void StartProgram(const std::string& folderName, const std::string& database = TestDatabase()) {
        FFolder = std::make_unique<ProgramFolder>(folderName);
        FFolder->PutDatabase(database);
        FProgram = FFolder->Start();
        FMain = FindTopWindow(L"TForm1");
        ASSERT_NE(FMain, nullptr) << "the main window did not appear";
    }

    void HideMainWindowToTray() {
        PostMessageW(FMain, WM_SYSCOMMAND, SC_CLOSE, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(FMain); }));
    }

    // A path in a fresh folder of the test's own.
    fs::path SavePath(const std::wstring& name) const {
        fs::path folder = fs::temp_directory_path() / L"quorvik-e2e-saved" /
                          testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder);
        fs::create_directories(folder);
        return folder / name;
    }

    std::unique_ptr<ProgramFolder> FFolder;
    Program FProgram;
    HWND FMain = nullptr;
};

}  // namespace

TEST_F(BatchWindowTest, QueryAppendsEachLinesLocationAndKeepsTheLineAsTyped) {
    Start("batch-query");
    BatchWindow batch;
    std::string text = Lines({"1.2.4.0", "  9.255.255.255  ", "", "abc", "200.1.2.3", "1.2.3.300"});
    EXPECT_EQ(batch.Query(text), Lines({"1.2.4.0 中国北京 电信",
                                         "  9.255.255.255   中国北京 电信",
                                         " 本地保留",          // an empty line is address 0
                                         "abc 本地保留",       // so is one that does not convert
                                         "200.1.2.3 暂无该IP的数据纪录",
                                         "1.2.3.300 中国北京 电信"}));  // 300 counts in the last place
    SaveScreenshot(batch.window, ScreenshotPath("batch-window"));
}

// IPv6 lines go to the IPv6 database in the same pass; without that file
// the batch ends at its first IPv6 line, as at a missing IPv4 file.
TEST_F(BatchWindowTest, Ipv6LinesAreAnnotatedAmongIpv4Lines) {
    Start("batch-ipv6");
    FFolder->PutDatabase(TestIpv6Database(), kIpv6Database);
    BatchWindow batch;
    EXPECT_EQ(batch.Query(Lines({"1.2.4.0", " 2400:CB00::1 ", "::ffff:1.2.4.0", "fe80::1%eth0", "2401::1", "1::2::3"})),
              Lines({"1.2.4.0 中国北京 电信", " 2400:CB00::1  美国Cloudflare", "::ffff:1.2.4.0 中国北京 电信",
                     "fe80::1%eth0 局域网链路本地地址", "2401::1 暂无该IP的数据纪录", "1::2::3 本地保留"}));
    batch.Press(batch.clear);
    FFolder->RemoveDatabase(kIpv6Database);
    EXPECT_EQ(batch.Query(Lines({"1.2.4.0", "2400:cb00::1", "1.2.4.0"})),
              Lines({"1.2.4.0 中国北京 电信", "2400:cb00::1", "1.2.4.0"}));
}

// The default databases: mainland China shows province and carrier in both
// files, as the pinned data gives them.
TEST_F(BatchWindowTest, DefaultDatabasesNameProvinceAndCarrier) {
    Start("batch-default");
    FFolder->PutDefaultDatabases();
    BatchWindow batch;
    EXPECT_EQ(batch.Query(Lines({"220.181.38.148", "2400:3200::1", "8.8.8.8"})),
              Lines({"220.181.38.148 北京市电信", "2400:3200::1 浙江省阿里云", "8.8.8.8 美国Google LLC"}));
}

TEST_F(BatchWindowTest, QueryAgainAppendsTheFirstRecordBehindEarlierResults) {
    Start("batch-again");
    BatchWindow batch;
    batch.Query(Lines({"1.2.4.0", "1.2.3.4"}));
    batch.Press(batch.query);
    EXPECT_EQ(TextOf(batch.memo), Lines({"1.2.4.0 中国北京 电信 本地保留", "1.2.3.4 本地保留 本地保留"}));
}

TEST_F(BatchWindowTest, EmptyMemoAndMissingDatabaseChangeNothing) {
    Start("batch-nothing");
    BatchWindow batch;
    EXPECT_EQ(batch.Query(""), "");
    FFolder->RemoveDatabase();
    EXPECT_EQ(batch.Query(Lines({"1.2.4.0", "1.2.3.4"})), Lines({"1.2.4.0", "1.2.3.4"}));
    EXPECT_EQ(FindTopWindow(L"#32770", 300ms), nullptr) << "no message box may appear";
}

TEST_F(BatchWindowTest, FirstFailingLineEndsTheBatchAndLaterLinesStayAsTheyWere) {
    Start("batch-fail", DatabaseFailingAt5000());
    BatchWindow batch;
    EXPECT_EQ(batch.Query(Lines({"1.2.3.4", "5.0.0.0", "9.9.9.9"})),
              Lines({"1.2.3.4 本地保留", "5.0.0.0", "9.9.9.9"}));
}

TEST_F(BatchWindowTest, ClearEmptiesTheMemo) {
    Start("batch-clear");
    BatchWindow batch;
    batch.Query("1.2.4.0");
    batch.Press(batch.clear);
    EXPECT_EQ(TextOf(batch.memo), "");
}

TEST_F(BatchWindowTest, CancelAndCloseHideTheWindowAndBringTheMainWindowBack) {
    Start("batch-cancel");
    EXPECT_FALSE(IsWindowVisible(FMain)) << "the batch window takes the main window's place";
    BatchWindow batch;
    batch.Query("1.2.4.0");
    Click(batch.cancel);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(FMain); }));
    EXPECT_FALSE(IsWindowVisible(batch.window));

    ChooseMenu(FMain, kFileBatch);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(batch.window); }));
    EXPECT_EQ(TextOf(batch.memo), "1.2.4.0 中国北京 电信") << "the memo keeps its lines while hidden";
    SetForegroundWindow(batch.window);
    ui::Press(VK_F4, VK_MENU);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(FMain) && !IsWindowVisible(batch.window); }));
}

TEST_F(BatchWindowTest, TrayMenuWhileInTheTrayLeavesTheMainWindowThere) {
    StartProgram("batch-tray");
    HideMainWindowToTray();
    ChooseTrayMenu(kTrayBatch);
    BatchWindow batch;
    ASSERT_NE(batch.window, nullptr) << "the batch window did not appear";
    Click(batch.cancel);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(batch.window); }));
    EXPECT_FALSE(WaitFor([&] { return IsWindowVisible(FMain) != FALSE; }, 500ms));
}

TEST_F(BatchWindowTest, TrayMenuWhileShownTakesTheMainWindowsPlaceUntilHidden) {
    StartProgram("batch-tray-shown");
    ChooseTrayMenu(kTrayBatch);
    BatchWindow batch;
    ASSERT_NE(batch.window, nullptr) << "the batch window did not appear";
    EXPECT_FALSE(IsWindowVisible(FMain));
    Click(batch.cancel);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(FMain) && !IsWindowVisible(batch.window); }));
}

TEST_F(BatchWindowTest, TrayClickHidesTheBatchWindowAndBringsTheMainWindowBack) {
    Start("batch-tray-click");
    HWND batch = FindTopWindow(L"TForm2");
    ClickTrayIcon();
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(FMain) && !IsWindowVisible(batch); }));
}

TEST_F(BatchWindowTest, SaveWritesExactlyTheMemoTextInGbkWithCrLf) {
    Start("batch-save");
    BatchWindow batch;
    std::string shown = batch.Query(Lines({"1.2.4.0", "", "200.1.2.3"}));
    fs::path path = SavePath(L"IP\u8D44\u6599-new.txt");
    Click(batch.save);
    ChooseSavePath(path.wstring());
    ASSERT_TRUE(WaitFor([&] { return fs::exists(path); }));
    EXPECT_EQ(FileBytes(path), shown);
    EXPECT_EQ(FileBytes(path), "1.2.4.0 \xD6\xD0\xB9\xFA\xB1\xB1\xBE\xA9 \xB5\xE7\xD0\xC5\r\n"
                               " \xB1\xBE\xB5\xD8\xB1\xA3\xC1\xF4\r\n"
                               "200.1.2.3 \xD4\xDD\xCE\xDE\xB8\xC3IP\xB5\xC4\xCA\xFD\xBE\xDD\xBC\xCD\xC2\xBC");
}

TEST_F(BatchWindowTest, SaveOverAnExistingFileAsksAndWritesOnlyOnYes) {
    Start("batch-overwrite");
    BatchWindow batch;
    batch.Query("1.2.4.0");
    fs::path path = SavePath(L"existing.txt");
    std::ofstream(path, std::ios::binary) << "old";

    Click(batch.save);
    ChooseSavePath(path.wstring());
    HWND question = ShownDialog();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(TextOf(question), "提示");
    EXPECT_EQ(MessageOf(question), Narrow(path.wstring()) + "\r\n文件已存在，是否替换？");
    AnswerBox(question, IDNO);
    Click(batch.memo);
    EXPECT_EQ(FileBytes(path), "old");

    Click(batch.save);
    ChooseSavePath(path.wstring());
    AnswerBox(ShownDialog(), IDYES);
    Click(batch.memo);
    EXPECT_EQ(FileBytes(path), "1.2.4.0 \xD6\xD0\xB9\xFA\xB1\xB1\xBE\xA9 \xB5\xE7\xD0\xC5");
}

TEST_F(BatchWindowTest, FailedSaveIsToldWithThePathAndKeepsTheOldFile) {
    Start("batch-failsave");
    BatchWindow batch;
    batch.Query("1.2.4.0");
    fs::path path = SavePath(L"held.txt");
    std::ofstream(path, std::ios::binary) << "old";
    // Another program holds the file open without sharing it.
    HANDLE holder = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    Click(batch.save);
    ChooseSavePath(path.wstring());
    AnswerBox(ShownDialog(), IDYES);
    HWND failure = ShownDialog();
    ASSERT_NE(failure, nullptr) << "a failed save must be told";
    EXPECT_TRUE(MessageOf(failure).starts_with(Narrow(path.wstring()) + "\r\n文件保存失败：")) << MessageOf(failure);
    SaveScreenshot(failure, ScreenshotPath("batch-save-failed"));
    AnswerBox(failure, IDOK);
    CloseHandle(holder);
    EXPECT_EQ(FileBytes(path), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), {}), 1) << "no new file stays behind";
}

// During a long batch the window shows its progress and holds back what
// would change the memo; at its end every line has its location and the
// window takes input again.
TEST_F(BatchWindowTest, LongBatchShowsProgressAndHoldsInputUntilItEnds) {
    Start("batch-long");
    BatchWindow batch;
    Paste(batch.memo, ManyAddresses(kLongBatch));
    Tap(batch.query);
    bool sawProgress = WaitFor([&] {
        std::string caption = TextOf(batch.window);
        return caption.starts_with("批量查询 ") && caption.ends_with("%");
    }, 30000ms);
    EXPECT_TRUE(sawProgress) << "no progress in the caption";
    if (sawProgress) {
        EXPECT_FALSE(IsWindowEnabled(batch.query));
        EXPECT_FALSE(IsWindowEnabled(batch.clear));
        EXPECT_TRUE(batch.MemoReadOnly());
    }
    ASSERT_TRUE(WaitFor([&] { return batch.Idle(); }, 120000ms));
    EXPECT_FALSE(batch.MemoReadOnly());
    std::string text = TextOf(batch.memo);
    EXPECT_EQ(size_t(std::count(text.begin(), text.end(), '\n')), kLongBatch - 1);
    EXPECT_TRUE(text.starts_with("1.3.0.0 中国北京 电信\r\n1.3.0.1 中国北京 电信\r\n"));
    EXPECT_TRUE(text.ends_with(AddressNumber(kLongBatch - 1) + " 中国北京 电信"));
}

// Hidden mid-batch, the window finishes its work; the program then ends
// cleanly from its menu in the middle of another batch.
TEST_F(BatchWindowTest, ClosingMidBatchFinishesItAndExitingMidBatchEndsCleanly) {
    Start("batch-close");
    BatchWindow batch;
    Paste(batch.memo, ManyAddresses(kLongBatch));
    Tap(batch.query);
    Click(batch.cancel);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(FMain) && !IsWindowVisible(batch.window); }));
    ASSERT_TRUE(WaitFor([&] { return batch.Idle(); }, 120000ms));
    EXPECT_TRUE(TextOf(batch.memo).ends_with(AddressNumber(kLongBatch - 1) + " 中国北京 电信"));

    ChooseMenu(FMain, kFileBatch);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(batch.window); }));
    batch.Press(batch.clear);
    Paste(batch.memo, ManyAddresses(kLongBatch));
    Tap(batch.query);
    ASSERT_TRUE(WaitFor([&] { return !batch.Idle(); }));
    ChooseTrayMenu(kTrayExit);
    EXPECT_EQ(FProgram.WaitForExit(10000ms), 0);
}
