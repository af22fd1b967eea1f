// What the framework tells a control when the user or the program changes
// something about it or its form.
#include <gtest/gtest.h>

#include <functional>

#include "gui/Application.h"
#include "gui/Button.h"
#include "gui/ControlMessages.h"
#include "gui/Subclass.h"
#include "tests/gui/TestForm.h"

namespace {
// The framework notifications a window hears, in order.
class TNotificationLog : public TSubclass {
public:
    std::vector<UINT> Heard;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= CM_BASE && message < CN_BASE) Heard.push_back(message);
        return CallDefault(message, wParam, lParam);
    }
};
}  // namespace

TEST(ControlNotifications, AControlHearsWhatTheFrameworkChanged) {
    TTestForm form;
    TButton first, second;
    first.Create(form, {.Bounds = {10, 10, 60, 20}, .Caption = "first"});
    second.Create(form, {.Bounds = {10, 40, 60, 20}, .Caption = "second"});
    form.Show();
    first.SetFocus();
    TNotificationLog log;
    ASSERT_TRUE(log.Attach(first.Handle()));
    struct {
        const char* action;
        std::function<void()> act;
        std::vector<UINT> heard;
    } cases[] = {
        // As the keyboard delivers it: to the focused window, through the loop.
        {"Tab pressed", [&] { PostMessageW(first.Handle(), WM_KEYDOWN, VK_TAB, 0); Application.ProcessMessages(); },
         {CM_DIALOGKEY, CM_FOCUSCHANGED}},
        {"focus set back", [&] { first.SetFocus(); }, {CM_FOCUSCHANGED}},
        {"disabled", [&] { first.SetEnabled(false); }, {CM_ENABLEDCHANGED}},
        {"disabled again", [&] { first.SetEnabled(false); }, {}},
        {"hidden", [&] { first.SetVisible(false); }, {CM_VISIBLECHANGED}},
    };
    for (auto& c : cases) {
        log.Heard.clear();
        c.act();
        EXPECT_EQ(log.Heard, c.heard) << c.action;
    }
}
