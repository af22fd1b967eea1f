#include <gtest/gtest.h>

#include <vector>

#include "app/Version.h"
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
    explicit VersionResource(const std::wstring& file) : info_(GetFileVersionInfoSizeW(file.c_str(), nullptr)) {
        if (!info_.empty() && !GetFileVersionInfoW(file.c_str(), 0, DWORD(info_.size()), info_.data())) info_.clear();
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
        if (info_.empty() || !VerQueryValueW(info_.data(), path, &value, &length) || length < leastLength)
            return nullptr;
        return value;
    }

    std::vector<char> info_;
};

bool TopMost(HWND window) { return GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }

class AboutWindowTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::make_unique<ProgramFolder>("about");
        folder_->PutDatabase(TestDatabase());
        program_ = folder_->Start();
        main_ = FindTopWindow(L"TForm1");
        ASSERT_NE(main_, nullptr) << "the main window did not appear";
    }

    HWND Open() {
        ChooseMenu(main_, kHelpAbout);
        about_ = FindTopWindow(L"TForm4");
        return about_;
    }

    HWND Label(const char* text) const { return ChildWithText(about_, L"TLabel", text); }

    bool Closes() const {
        return WaitFor([&] { return !IsWindowVisible(about_); });
    }

    // A click that must not close the window cannot be seen to be handled,
    // so the window is given a moment to go.
    bool StaysOpen() const {
        return !WaitFor([&] { return !IsWindowVisible(about_); }, 500ms);
    }

    std::unique_ptr<ProgramFolder> folder_;
    Program program_;
    HWND main_ = nullptr;
    HWND about_ = nullptr;
};

}  // namespace

TEST_F(AboutWindowTest, ShowsNameVersionAndMakerModallyOnTop) {
    ASSERT_NE(Open(), nullptr) << "the About window did not appear";
    EXPECT_EQ(TextOf(about_), "关于...");
    for (const char* text : {kTitle, kTranscription, kVersion, kContact, kRightsNotice})
        EXPECT_NE(Label(text), nullptr) << text;
    EXPECT_TRUE(TopMost(about_));
    EXPECT_FALSE(IsWindowEnabled(main_)) << "the About window is modal";
    SaveScreenshot(about_, ScreenshotPath("about-window"));
}

TEST_F(AboutWindowTest, FilePropertiesGiveTheVersionTheWindowShows) {
    VersionResource resource(folder_->Exe());
    std::string version = resource.Text(L"FileVersion");
    ASSERT_FALSE(version.empty()) << "quorvik.exe has no version resource";
    EXPECT_EQ(resource.Text(L"ProductVersion"), version);
    EXPECT_EQ(resource.Numbers(), version);
    ASSERT_NE(Open(), nullptr);
    EXPECT_NE(Label(("版本：" + version).c_str()), nullptr) << version;
}

TEST_F(AboutWindowTest, MainWindowLeavesTheTopmostBandWhileOpen) {
    ASSERT_TRUE(TopMost(main_));
    ASSERT_NE(Open(), nullptr);
    EXPECT_FALSE(TopMost(main_));
    RightClick(Label(kTranscription));
    ASSERT_TRUE(Closes());
    EXPECT_TRUE(TopMost(main_));
    EXPECT_TRUE(IsWindowEnabled(main_));
    EXPECT_TRUE(IsWindowVisible(main_));
}

TEST_F(AboutWindowTest, WithStayOnTopOffTheMainWindowIsNotRaisedOnClose) {
    ChooseMenu(main_, kStayOnTop);
    ASSERT_TRUE(WaitFor([&] { return !TopMost(main_); }));
    ASSERT_NE(Open(), nullptr);
    RightClick(Label(kTitle));
    ASSERT_TRUE(Closes());
    EXPECT_FALSE(TopMost(main_));
}

TEST_F(AboutWindowTest, RightClickAnywhereCloses) {
    for (const char* text : {kTitle, kTranscription, kVersion, kContact, kRightsNotice}) {
        ASSERT_NE(Open(), nullptr) << text;
        RightClick(Label(text));
        EXPECT_TRUE(Closes()) << text;
    }
    // Bare group box: below the transcription, left of the labels.
    ASSERT_NE(Open(), nullptr);
    HWND upperBox = Children(about_, L"TGroupBox").at(0);
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
        if (!IsWindowVisible(about_)) {
            ASSERT_NE(Open(), nullptr) << text;
        }
        Tap(Label(text));
        EXPECT_TRUE(Closes()) << text;
    }
}
