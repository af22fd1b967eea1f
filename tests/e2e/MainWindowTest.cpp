#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

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

// Rows spread over the whole table of ranges that the default database was
// built from: start, end, country, area.
std::vector<std::vector<std::string>> SampleRanges(size_t count) {
    std::vector<std::string> lines;
    std::ifstream csv(std::filesystem::path(FromBuild("QUORVIK_DEFAULT_RANGES")));
    for (std::string line; std::getline(csv, line);) lines.push_back(line);
    std::vector<std::vector<std::string>> rows;
    for (size_t i = 0; i < count && !lines.empty(); ++i) {
        std::stringstream line(lines[i * (lines.size() - 1) / (count - 1)]);
        std::vector<std::string> fields;
        for (std::string field; std::getline(line, field, ',');) fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

std::string MiddleOf(const std::string& start, const std::string& end) {
    auto number = [](const std::string& dotted) {
        unsigned a, b, c, d;
        sscanf(dotted.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d);
        return uint32_t(a << 24 | b << 16 | c << 8 | d);
    };
    uint32_t middle = number(start) + (number(end) - number(start)) / 2;
    return std::to_string(middle >> 24) + "." + std::to_string(middle >> 16 & 255) + "." +
           std::to_string(middle >> 8 & 255) + "." + std::to_string(middle & 255);
}

TEST_F(MainWindowTest, DefaultDatabaseAnswersAsItsSourceSays) {
    FFolder = std::make_unique<ProgramFolder>("default");
    FFolder->PutDatabaseFile(FromBuild("QUORVIK_DEFAULT_DB"));
    FProgram = FFolder->Start();
    MainWindow main;
    auto rows = SampleRanges(25);
    ASSERT_EQ(rows.size(), 25u);
    for (const auto& row : rows) {
        std::string shown = row[2] + (row.size() > 3 && !row[3].empty() ? row[3] : "无");
        if (row[2].starts_with("纯真网络")) shown = "暂无该IP的数据纪录";
        for (const std::string& address : {row[0], MiddleOf(row[0], row[1]), row[1]})
            EXPECT_EQ(main.LookUp(address), shown) << address;
    }
}

TEST_F(MainWindowTest, AddressBoxTakesTextOfAnyLength) {
    Start("long");
    MainWindow main;
    std::string text(40000, '1');
    Paste(main.addressBox, text);
    EXPECT_EQ(TextOf(main.addressBox).size(), 40000u);
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
