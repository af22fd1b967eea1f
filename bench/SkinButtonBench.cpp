// Repainting one skinned button as its skinner repaints it (invalidate and
// update): the main window's "查询", 35 x 21, with the program's skin. The
// skinner's own drawing alone (printed into a memory device, no screen) and
// the same button with the skinner's painting switched off give the figures
// beside it.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "gui/Button.h"
#include "gui/Form.h"
#include "skin/data/ProgramResource.h"
#include "skin/data/SkinData.h"
#include "skin/data/Win32SkinHost.h"
#include "skin/draw/Offscreen.h"
#include "skin/manager/SkinManager.h"
#include "skin/manager/SkinMessages.h"

namespace {

void Pump(std::chrono::milliseconds duration) {
    auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

class TBenchForm : public TForm {
public:
    TBenchForm() : TForm({.ClassName = L"TBenchForm", .Caption = "bench", .ClientWidth = 240, .ClientHeight = 80}) {
        Button1.Create(*this, {.Bounds = {178, 20, 35, 21}, .Caption = "查询"});
    }
    TButton Button1;
};

// Microseconds of each of `count` repaints of the window.
std::vector<double> TimeRepaints(HWND window, int count) {
    std::vector<double> times;
    times.reserve(count);
    for (int i = 0; i < count; ++i) {
        auto start = std::chrono::steady_clock::now();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    return times;
}

// Microseconds of each of `count` prints of the window's client area into a
// memory device: the drawing without the screen update.
std::vector<double> TimePrints(HWND window, int count) {
    RECT client;
    GetClientRect(window, &client);
    TOffscreen memory(client.right, client.bottom);
    std::vector<double> times;
    times.reserve(count);
    for (int i = 0; i < count; ++i) {
        auto start = std::chrono::steady_clock::now();
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.DC()), PRF_CLIENT | PRF_ERASEBKGND);
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    return times;
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-34s median %7.1f us   99th %7.1f us   max %7.1f us   (%zu repaints)\n", what,
                times[times.size() / 2], times[times.size() * 99 / 100], times.back(), times.size());
}

}  // namespace

int main() {
    TSkinData skin(SystemSkinHost());
    ReadSkinStreamResource(skin);
    skin.SetActive(true);
    skin.Loaded();
    if (skin.SkinEmpty()) {
        std::fprintf(stderr, "the program's skin did not load\n");
        return 1;
    }
    TSkinManager::Instance()->SetEnabled(true);

    TBenchForm form;
    form.Show();
    Pump(std::chrono::milliseconds(300));
    HWND button = form.Button1.Handle();
    if (SendMessageW(button, SkinMessage::Query, 0, 0) != 1) {
        std::fprintf(stderr, "the button was not skinned\n");
        return 1;
    }

    const int repaints = 2000;
    TimeRepaints(button, 100);  // warm-up: caches, the off-screen picture
    Report("skinned button, 35 x 21:", TimeRepaints(button, repaints));
    Report("its drawing alone, off screen:", TimePrints(button, repaints));
    SendMessageW(button, SkinMessage::PaintingSwitch, 0, 0);
    TimeRepaints(button, 100);
    Report("same button, skin painting off:", TimeRepaints(button, repaints));
    return 0;
}
