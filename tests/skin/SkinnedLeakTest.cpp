// Opening a skinned window again and again gives back every handle its
// frame and its control skinners took.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <ostream>

#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "forms/Unit4.h"
#include "tests/gui/TestForm.h"
#include "tests/gui/WindowWatch.h"
#include "tests/skin/BareDialog.h"
#include "tests/skin/GalleryForm.h"
#include "tests/skin/SkinnedWindows.h"

using namespace std::chrono_literals;

namespace {
// A handle kept per opening shows after a second opening as surely as after
// hundreds, and a cache that fills up to a bound shows within a few, so a
// few openings are enough (each takes tens of milliseconds under Wine, the
// gallery's sixty controls most of a second).
const int kOpenings = 12;
const int kGalleryOpenings = 4;

// The GDI and USER objects of the process, and the windows of this thread.
// Wine keeps no count of objects (GetGuiResources answers 0), but its
// handle tables take a handle by its index alone, so the live objects are
// counted there: GDI objects, and menus of the USER objects.
struct HandleCounts {
    long Gdi = 0, User = 0, Windows = 0;
    bool operator==(const HandleCounts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const HandleCounts& counts) {
    return out << "GDI " << counts.Gdi << ", USER " << counts.User << ", windows " << counts.Windows;
}

long GdiObjects() {
    if (DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return long(counted);
    long live = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index)
        if (GetObjectType(HGDIOBJ(index))) ++live;
    return live;
}

long UserObjects() {
    if (DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return long(counted);
    long menus = 0;
    for (UINT_PTR handle = 0x20; handle <= 0xFFFF; handle += 2)  // USER handles are even from 0x20
        if (IsMenu(HMENU(handle))) ++menus;
    return menus;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<long*>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

HandleCounts CountHandles() {
    HandleCounts counts{.Gdi = GdiObjects(), .User = UserObjects()};
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, LPARAM(&counts.Windows));
    return counts;
}

// Every skinner of the window paints once, in and out of its control.
void PaintAll(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

class NoMainWindow : public TMainWindowLink {
public:
    bool ReturnsToMainWindow() const override { return false; }
    void ShowMainWindow() override {}
    void LowerMainWindow() override {}
    void RaiseMainWindow() override {}
    SystemPath DatabasePath() const override { return {}; }
    SystemPath Ipv6DatabasePath() const override { return {}; }
    void BatchRunning(bool) override {}
};

class SkinnedLeaks : public SkinnedWindows {
protected:
    bool Skinned(HWND window) {
        TSkinFrame* frame = Manager().FindSkinForm(window);
        return frame && frame->State() == TSkinFrame::Skinned;
    }

    // Shows a new window, waits until it is skinned and painted, closes it.
    bool OpenAndClose(HWND window) {
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        bool skinned = PumpUntil([&] { return Skinned(window); });
        PaintAll(window);
        return skinned;
    }

    // Opens windows that make() creates, openings times: the first opening
    // may make what lasts (a shared brush, a tool tip), the rest nothing.
    void ExpectNoGrowth(const std::function<bool()>& openAndClose, int openings = kOpenings) {
        ASSERT_TRUE(openAndClose());
        PumpUntil([] { return false; });
        HandleCounts before = CountHandles();
        size_t frames = Manager().Frames().size();
        for (int i = 1; i < openings; ++i) ASSERT_TRUE(openAndClose()) << "opening " << i;
        PumpUntil([] { return false; });
        EXPECT_EQ(CountHandles(), before);
        EXPECT_EQ(Manager().Frames().size(), frames);
    }

    template <class Form>
    void ExpectNoGrowthOf(const std::function<std::unique_ptr<Form>()>& make, int openings = kOpenings) {
        ExpectNoGrowth([&] {
            std::unique_ptr<Form> form = make();
            return OpenAndClose(form->Handle());
        }, openings);
    }

    NoMainWindow FMainWindow;
};

bool boxSkinned;

// Notes whether the message box was skinned, then closes it.
void CALLBACK NoteAndClose(HWND box, UINT, UINT_PTR, DWORD) {
    KillTimer(box, 1);
    TSkinFrame* frame = TSkinManager::Instance()->FindSkinForm(box);
    boxSkinned = frame && frame->State() == TSkinFrame::Skinned;
    PaintAll(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}
}  // namespace

TEST_F(SkinnedLeaks, TheGalleryOfEveryControlKind) {
    ExpectNoGrowthOf<TGalleryForm>([] { return std::make_unique<TGalleryForm>(); }, kGalleryOpenings);
}

TEST_F(SkinnedLeaks, TheBatchWindow) {
    ExpectNoGrowthOf<TForm2>([this] { return std::make_unique<TForm2>(FMainWindow); });
}

TEST_F(SkinnedLeaks, TheLocalInformationWindow) {
    ExpectNoGrowthOf<TForm3>([this] { return std::make_unique<TForm3>(FMainWindow); });
}

TEST_F(SkinnedLeaks, TheAboutWindow) {
    ExpectNoGrowthOf<TForm4>([this] { return std::make_unique<TForm4>(FMainWindow); });
}

TEST_F(SkinnedLeaks, ABareDialog) {
    ExpectNoGrowth([this] {
        BareDialog dialog;
        return OpenAndClose(dialog.Handle());
    });
}

TEST_F(SkinnedLeaks, AMessageBox) {
    WindowWatch watch(L"#32770", HCBT_ACTIVATE, [](HWND box) { SetTimer(box, 1, 10, NoteAndClose); });
    ExpectNoGrowth([] {
        boxSkinned = false;
        MessageBoxW(nullptr, L"text", L"caption", MB_OK);
        return boxSkinned;
    });
}
