#include "app/BrowserWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/FakeBrowser.h"

namespace {

using WindowChain = std::vector<const wchar_t*>;

// Window classes standing in for the browser's own; every one answers
// WM_GETTEXT with its window text, as the address boxes do.
void RegisterStandIns() {
    for (const wchar_t* name : {L"IEFrame", L"WorkerW", L"ReBarWindow32", L"Address Band Root", L"ComboBoxEx32",
                                L"Edit"}) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = name;
        RegisterClassW(&windowClass);
    }
}

HWND Create(const wchar_t* className, HWND parent) {
    return CreateWindowExW(0, className, L"", parent ? WS_CHILD : WS_OVERLAPPED, 0, 0, 100, 20, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// An "IEFrame" window whose children the test lays out.
class Frame {
public:
    Frame() : FFrame(Create(L"IEFrame", nullptr)) {}
    ~Frame() { DestroyWindow(FFrame); }
    operator HWND() const { return FFrame; }

    // Adds the chain below the frame, each window inside the one before,
    // reusing the windows already there; the last one holds the text.
    void Add(const WindowChain& chain, const std::wstring& text) {
        HWND parent = FFrame;
        for (const wchar_t* className : chain) {
            HWND child = FindWindowExW(parent, nullptr, className, nullptr);
            parent = child ? child : Create(className, parent);
        }
        SetWindowTextW(parent, text.c_str());
    }

private:
    HWND FFrame;
};

class ReadIEAddressTest : public testing::TestWithParam<BrowserLayout> {
protected:
    static void SetUpTestSuite() { RegisterStandIns(); }
    void AddAddressBox(const std::wstring& text) { FFrame.Add(GetParam().chain, text); }

    Frame FFrame;
};

}  // namespace

TEST_P(ReadIEAddressTest, AddressBoxOfTheLayoutGivesItsText) {
    AddAddressBox(L"http://example.org/网页€");
    EXPECT_EQ(ReadIEAddress(FFrame), std::optional<std::wstring>(L"http://example.org/网页€"));
}

TEST_P(ReadIEAddressTest, LongAddressIsCutTo1023Characters) {
    AddAddressBox(std::wstring(1500, L'网'));
    EXPECT_EQ(ReadIEAddress(FFrame), std::wstring(1023, L'网'));
}

TEST_P(ReadIEAddressTest, ClassicChainIsReadFirstWhenTheFrameAlsoHasThisLayout) {
    AddAddressBox(L"http://other.example/");
    FFrame.Add(kBrowserLayouts.front().chain, L"http://classic.example/");
    EXPECT_EQ(ReadIEAddress(FFrame), std::optional<std::wstring>(L"http://classic.example/"));
}

INSTANTIATE_TEST_SUITE_P(BrowserGenerations, ReadIEAddressTest, testing::ValuesIn(kBrowserLayouts), LayoutTestName());

TEST(ReadIEAddress, FrameWithoutAnAddressBoxInAKnownPlaceReadsEmpty) {
    RegisterStandIns();
    const WindowChain partialOrElsewhere[] = {
        {L"WorkerW", L"ReBarWindow32"},
        {L"WorkerW", L"ReBarWindow32", L"Address Band Root"},
        {L"WorkerW", L"ReBarWindow32", L"Edit"},
        {L"WorkerW", L"ComboBoxEx32"},
        {L"ComboBoxEx32"},
    };
    for (const WindowChain& chain : partialOrElsewhere) {
        Frame frame;
        frame.Add(chain, L"http://not.the.address.bar/");
        EXPECT_EQ(ReadIEAddress(frame), std::optional<std::wstring>(L"")) << "chain of " << chain.size();
    }
}

TEST(IsInternetExplorer, OnlyTheFrameClassCounts) {
    RegisterStandIns();
    Frame frame;
    HWND worker = Create(L"WorkerW", nullptr);
    EXPECT_TRUE(IsInternetExplorer(frame));
    EXPECT_FALSE(IsInternetExplorer(worker));
    DestroyWindow(worker);
}
