#include <gtest/gtest.h>

#include "tests/e2e/ProgramFolder.h"
#include "tests/e2e/TestDatabase.h"
#include "tests/e2e/UiDriver.h"

using namespace ui;

namespace {

const MenuPath kHelpAbout = {2, 2};   // " 帮 助" → "关于..."
const MenuPath kStayOnTop = {1, 1};   // "  设 置" → "软件在最上"
const char kTitle[] = "Quorvik";
const char kTranscription[] = "QUORVIK";
const char kVersion[] = "版本：1.13";
const char kContact[] = "联系邮箱：quorvik@example.org";
const char kRightsNotice[] = "(C) 2026 Quorvik 开发者 保留所有权利";

bool TopMost(HWND window) { return GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }

class AboutWindowTest : public testing::Test {
protected:
    void SetUp() override {
        FFolder = std::make_unique<ProgramFolder>("about");
        FFolder->PutDatabase(TestDatabase());
        FProgram = FFolder->Start();
        FMain = FindTopWindow(L"TForm1");
        ASSERT_NE(FMain, nullptr) << "the main window did not appear";
    }

    HWND Open() {
        ChooseMenu(FMain, kHelpAbout);
        FAbout = FindTopWindow(L"TForm4");
        return FAbout;
    }

    HWND Label(const char* text) const { return ChildWithText(FAbout, L"TLabel", text); }

    bool Closes() const {
        return WaitFor([&] { return !IsWindowVisible(FAbout); });
    }

    // A click that must not close the window cannot be seen to be handled,
    // so the window is given a moment to go.
    bool StaysOpen() const {
        return !WaitFor([&] { return !IsWindowVisible(FAbout); }, 500ms);
    }

    std::unique_ptr<ProgramFolder> FFolder;
    Program FProgram;
    HWND FMain = nullptr;
    HWND FAbout = nullptr;
};

}  // namespace

TEST_F(AboutWindowTest, ShowsNameVersionAndMakerModallyOnTop) {
    ASSERT_NE(Open(), nullptr) << "the About window did not appear";
    EXPECT_EQ(TextOf(FAbout), "关于...");
    for (const char* text : {kTitle, kTranscription, kVersion, kContact, kRightsNotice})
        EXPECT_NE(Label(text), nullptr) << text;
    EXPECT_TRUE(TopMost(FAbout));
    EXPECT_FALSE(IsWindowEnabled(FMain)) << "the About window is modal";
    SaveScreenshot(FAbout, ScreenshotPath("about-window"));
}

TEST_F(AboutWindowTest, MainWindowLeavesTheTopmostBandWhileOpen) {
    ASSERT_TRUE(TopMost(FMain));
    ASSERT_NE(Open(), nullptr);
    EXPECT_FALSE(TopMost(FMain));
    RightClick(Label(kTranscription));
    ASSERT_TRUE(Closes());
    // The modal loop gives the main window back just after the About window goes.
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(FMain) != FALSE; }));
    EXPECT_TRUE(TopMost(FMain));
    EXPECT_TRUE(IsWindowVisible(FMain));
}

TEST_F(AboutWindowTest, WithStayOnTopOffTheMainWindowIsNotRaisedOnClose) {
    ChooseMenu(FMain, kStayOnTop);
    ASSERT_TRUE(WaitFor([&] { return !TopMost(FMain); }));
    ASSERT_NE(Open(), nullptr);
    RightClick(Label(kTitle));
    ASSERT_TRUE(Closes());
    EXPECT_FALSE(TopMost(FMain));
}

TEST_F(AboutWindowTest, RightClickAnywhereCloses) {
    for (const char* text : {kTitle, kTranscription, kVersion, kContact, kRightsNotice}) {
        ASSERT_NE(Open(), nullptr) << text;
        RightClick(Label(text));
        EXPECT_TRUE(Closes()) << text;
    }
    // Bare group box: below the transcription, left of the labels.
    ASSERT_NE(Open(), nullptr);
    HWND upperBox = Children(FAbout, L"TGroupBox").at(0);
    RightClickAt(upperBox, {8, 100});
    EXPECT_TRUE(Closes());
}

TEST_F(AboutWindowTest, LeftClickClosesOnlyOnTitleVersionAndNotice) {
    ASSERT_NE(Open(), nullptr);
    Tap(Label(kTranscription));
    EXPECT_TRUE(StaysOpen());
    Tap(Label(kContact));
    EXPECT_TRUE(StaysOpen());
    for (const char* text : {kTitle, kVersion, kRightsNotice}) {
        if (!IsWindowVisible(FAbout)) {
            ASSERT_NE(Open(), nullptr) << text;
        }
        Tap(Label(text));
        EXPECT_TRUE(Closes()) << text;
    }
}
