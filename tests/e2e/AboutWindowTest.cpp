#include <gtest/gtest.h>

#include <vector>

#include "base/Version.h"
#include "tests/e2e/ProgramFolder.h"
#include "tests/e2e/TestDatabase.h"
#include "tests/e2e/UiDriver.h"

using namespace ui;

namespace {

const MenuPath kHelpAbout = {2, 2};   // " 帮 助" → "关于..."
const MenuPath kStayOnTop = {1, 1};   // "  设 置" → "软件在最上"
const char kTitle[] = "Quorvik";
const char kTranscription[] = "QUORVIK";
const char kVersion[] = "版本：" QUORVIK_VERSION;
const char kContact[] = "联系邮箱：quorvik@example.org";
const char kRightsNotice[] = "(C) 2026 Quorvik 开发者 保留所有权利";

// The version resource of a file, read as the file's properties show it.
class VersionResource {
public:
    explicit VersionResource(const std::wstring& file) : FInfo(GetFileVersionInfoSizeW(file.c_str(), nullptr)) {
        if (!FInfo.empty() && !GetFileVersionInfoW(file.c_str(), 0, DWORD(FInfo.size()), FInfo.data())) FInfo.clear();
    }

    // A text in the first language the resource names; empty when missing.
    std::string Text(const wchar_t* name) const {
        auto* language = static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation", 4));
        if (!language) return "";
        wchar_t path[64];
        swprintf(path, 64, L"\\StringFileInfo\\%04x%04x\\%ls", language[0], language[1], name);
        auto* text = static_cast<const wchar_t*>(Query(path, 1));
        return text ? Narrow(text) : "";
    }

    // The fixed file version as major.minor; empty when missing.
    std::string Numbers() const {
        auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\", sizeof(VS_FIXEDFILEINFO)));
        if (!fixed) return "";
        return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS));
    }

private:
    const void* Query(const wchar_t* path, UINT leastLength) const {
        void* value = nullptr;
        UINT length = 0;
        if (FInfo.empty() || !VerQueryValueW(FInfo.data(), path, &value, &length) || length < leastLength)
            return nullptr;
        return value;
    }

    std::vector<char> FInfo;
};

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

TEST_F(AboutWindowTest, FilePropertiesGiveTheVersionTheWindowShows) {
    VersionResource resource(FFolder->Exe());
    std::string version = resource.Text(L"FileVersion");
    ASSERT_FALSE(version.empty()) << "quorvik.exe has no version resource";
    EXPECT_EQ(resource.Text(L"ProductVersion"), version);
    EXPECT_EQ(resource.Numbers(), version);
    ASSERT_NE(Open(), nullptr);
    EXPECT_NE(Label(("版本：" + version).c_str()), nullptr) << version;
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
