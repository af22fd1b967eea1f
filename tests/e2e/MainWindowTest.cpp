#include <gtest/gtest.h>

#include "tests/e2e/ProgramFolder.h"
#include "tests/e2e/UiDriver.h"
#include "tests/locdb/QQWryBytes.h"

using namespace ui;

namespace {

const MenuPath kFileExit = {0, 2};  // " 文 件" → "退出"

std::string SmallDatabase() {
    QQWryBytes db;
    db.Entry(0x00000000, db.InlineRecord(0x010203FF, "本地", "保留"));
    db.Entry(0x01020400, db.InlineRecord(0x09FFFFFF, "中国", "北京 电信"));
    db.Entry(0x0A000000, db.InlineRecord(0xFFFFFFFF, "纯真网络", "暂无数据"));
    std::vector<uint8_t> bytes = db.Finish();
    return std::string(bytes.begin(), bytes.end());
}

// The main window as a person sees it: its boxes found by their place.
struct MainWindow {
    HWND window = FindTopWindow(L"TForm1");
    HWND typed = ChildWithText(window, L"TGroupBox", "请输入要查询的IP");
    HWND addressBox = Children(typed, L"TEdit").at(0);
    HWND resultBox = Children(typed, L"TEdit").at(1);
    HWND queryButton = ChildWithText(typed, L"TButton", "查询");

    std::string LookUp(const std::string& address) {
        Type(addressBox, address);
        Click(queryButton);
        Click(addressBox);
        return TextOf(resultBox);
    }
};

class MainWindowTest : public testing::Test {
protected:
    void Start(const std::string& folderName, bool withDatabase = true) {
        folder_ = std::make_unique<ProgramFolder>(folderName);
        if (withDatabase) folder_->PutDatabase(SmallDatabase());
        program_ = folder_->Start();
        ASSERT_NE(FindTopWindow(L"TForm1"), nullptr) << "the main window did not appear";
    }

    std::unique_ptr<ProgramFolder> folder_;
    Program program_;
};

}  // namespace

TEST_F(MainWindowTest, TypedAddressShowsTheLocationOfItsRange) {
    Start("typed");
    MainWindow main;
    EXPECT_EQ(main.LookUp("1.2.4.0"), "中国北京 电信");
    EXPECT_EQ(main.LookUp("  9.255.255.255  "), "中国北京 电信");  // blanks around are dropped
    EXPECT_EQ(main.LookUp("1.2.3.255"), "本地保留");
    EXPECT_EQ(main.LookUp("200.1.2.3"), "暂无该IP的数据纪录");
    SaveScreenshot(main.window, ScreenshotPath("main-window"));
}

TEST_F(MainWindowTest, EmptyAddressChangesNothing) {
    Start("empty");
    MainWindow main;
    main.LookUp("1.2.4.0");
    Type(main.addressBox, "");
    Click(main.queryButton);
    Click(main.addressBox);
    EXPECT_EQ(TextOf(main.resultBox), "中国北京 电信");
}

TEST_F(MainWindowTest, MissingDatabaseLeavesTheResultAlone) {
    Start("nodb");
    MainWindow main;
    main.LookUp("1.2.4.0");
    folder_->RemoveDatabase();
    EXPECT_EQ(main.LookUp("1.2.3.4"), "中国北京 电信");
    EXPECT_EQ(FindTopWindow(L"#32770", 300ms), nullptr) << "no message box may appear";
}

TEST_F(MainWindowTest, SecondStartEndsSilentlyAndTheFirstRunsOn) {
    Start("twice");
    HWND first = FindTopWindow(L"TForm1");
    Program second = folder_->Start();
    EXPECT_EQ(second.WaitForExit(), 0);
    EXPECT_TRUE(program_.Running());
    EXPECT_EQ(FindTopWindow(L"TForm1"), first);
}

TEST_F(MainWindowTest, ExitCommandEndsTheProgramAndANewStartSucceeds) {
    Start("exit");
    ChooseMenu(FindTopWindow(L"TForm1"), kFileExit);
    EXPECT_EQ(program_.WaitForExit(), 0);
    program_ = folder_->Start();
    EXPECT_NE(FindTopWindow(L"TForm1"), nullptr);
}
