#include <gtest/gtest.h>

#include "tests/e2e/DefaultRanges.h"
#include "tests/e2e/MainWindowParts.h"
#include "tests/e2e/TestDatabase.h"

using namespace ui;

namespace {

const MenuPath kFileExit = {0, 2};  // " 文 件" → "退出"

class MainWindowTest : public testing::Test {
protected:
    void Start(const std::string& folderName, bool withDatabase = true) {
        FFolder = std::make_unique<ProgramFolder>(folderName);
        if (withDatabase) FFolder->PutDatabase(TestDatabase());
        FProgram = FFolder->Start();
        ASSERT_NE(FindTopWindow(L"TForm1"), nullptr) << "the main window did not appear";
    }

    std::unique_ptr<ProgramFolder> FFolder;
    Program FProgram;
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

TEST_F(MainWindowTest, DefaultDatabaseAnswersAsItsSourceSays) {
    FFolder = std::make_unique<ProgramFolder>("default");
    FFolder->PutDatabaseFile(FromBuild("QUORVIK_DEFAULT_DB"));
    FProgram = FFolder->Start();
    MainWindow main;
    auto rows = SampleRanges(25);
    ASSERT_EQ(rows.size(), 25u);
    for (const auto& row : rows) {
        for (const std::string& address : {row[0], MiddleOf(row[0], row[1]), row[1]})
            EXPECT_EQ(main.LookUp(address), ShownLocation(row)) << address;
    }
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
    FFolder->RemoveDatabase();
    EXPECT_EQ(main.LookUp("1.2.3.4"), "中国北京 电信");
    EXPECT_EQ(FindTopWindow(L"#32770", 300ms), nullptr) << "no message box may appear";
}

TEST_F(MainWindowTest, SecondStartEndsSilentlyAndTheFirstRunsOn) {
    Start("twice");
    HWND first = FindTopWindow(L"TForm1");
    Program second = FFolder->Start();
    EXPECT_EQ(second.WaitForExit(), 0);
    EXPECT_TRUE(FProgram.Running());
    EXPECT_EQ(FindTopWindow(L"TForm1"), first);
}

TEST_F(MainWindowTest, ExitCommandEndsTheProgramAndANewStartSucceeds) {
    Start("exit");
    ChooseMenu(FindTopWindow(L"TForm1"), kFileExit);
    EXPECT_EQ(FProgram.WaitForExit(), 0);
    FProgram = FFolder->Start();
    EXPECT_NE(FindTopWindow(L"TForm1"), nullptr);
}

TEST_F(MainWindowTest, EndOfTheWindowsSessionEndsTheProgramAtOnce) {
    Start("logoff");
    DWORD_PTR result;
    SendMessageTimeoutW(FindTopWindow(L"TForm1"), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 2000, &result);
    EXPECT_EQ(FProgram.WaitForExit(), 0);
}
