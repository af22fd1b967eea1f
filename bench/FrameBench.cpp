// The skinned frame as the user meets it, measured on the real program under
// Wine: how long one repaint of the main window's frame takes (message
// 13570, sent from outside), and how much longer the program takes from its
// start until its skinned main window is on screen than it takes with
// "/noskin". Usage: frame-bench [starts per mode]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/frame/FrameMetrics.h"
#include "tests/e2e/ProgramFolder.h"
#include "tests/e2e/TestDatabase.h"
#include "tests/e2e/UiDriver.h"

using namespace ui;
using Clock = std::chrono::steady_clock;

namespace {
const UINT kRepaintFrame = 13570;
const UINT kSkinQuery = 13603;

double Milliseconds(Clock::duration duration) { return std::chrono::duration<double, std::milli>(duration).count(); }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

COLORREF ScreenPixel(POINT at) {
    HDC screen = GetDC(nullptr);
    COLORREF pixel = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

// The caption's middle as the skin paints it on a window of this size.
COLORREF SkinnedCaptionPixel(const TSkinData& skin, HWND window, POINT& at) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    FrameMetrics metrics = ComputeFrameMetrics(skin, BorderKind::Single, GetSystemMetrics(SM_CYMENU));
    FrameParts parts = LayoutFrameParts({int(bounds.right - bounds.left), int(bounds.bottom - bounds.top)}, metrics);
    POINT inside = {parts.Caption.Width / 2 + 10, parts.Caption.Height / 2};
    at = {bounds.left + parts.Caption.Left + inside.x, bounds.top + parts.Caption.Top + inside.y};
    PixelBuffer top = ComposeElement(skin.Top.Picture(), 1, parts.Caption.Width, parts.Caption.Height);
    return COLORREF(ColorFromPixel(top.At(inside.x, inside.y)));
}

// From the start of the process until the main window shows: with the
// skin, until its caption shows the skin's pixels.
double StartToWindow(const ProgramFolder& folder, const TSkinData* skin) {
    auto start = Clock::now();
    Program program(folder.Exe(), skin ? L"" : L"/noskin");
    HWND window = FindTopWindow(L"TForm1", 20000ms);
    if (!window) return -1;
    if (skin)
        WaitFor([&] {
            POINT at;
            COLORREF expected = SkinnedCaptionPixel(*skin, window, at);
            return ScreenPixel(at) == expected;
        }, 20000ms);
    return Milliseconds(Clock::now() - start);
}

TSkinHost host;

std::unique_ptr<TSkinData> BuiltSkin() {
    auto skin = std::make_unique<TSkinData>(host);
    std::ifstream file(std::filesystem::path(FromBuild("QUORVIK_SKIN_STREAM")), std::ios::binary);
    std::vector<uint8_t> property((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    skin->ReadSkinStream(ByteView(property.data(), property.size(), "skin stream damaged"));
    return skin;
}
}  // namespace

int main(int argc, char** argv) {
    int starts = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 7;
    std::unique_ptr<TSkinData> skin = BuiltSkin();
    ProgramFolder folder("frame-bench");
    folder.PutDatabase(TestDatabase());

    {
        Program program = folder.Start();
        HWND window = FindTopWindow(L"TForm1");
        WaitFor([&] { return SendMessageW(window, kSkinQuery, 0, 0) == 1; });
        BringForward(window);
        Sleep(500);
        std::vector<double> repaints;
        for (int i = 0; i < 500; ++i) {
            auto before = Clock::now();
            SendMessageW(window, kRepaintFrame, 0, 0);
            repaints.push_back(Milliseconds(Clock::now() - before));
        }
        std::printf("frame repaint (message 13570, sent from another process): median %.3f ms, max %.3f ms "
                    "(target 2 ms)\n",
                    Median(repaints), *std::max_element(repaints.begin(), repaints.end()));
    }

    std::vector<double> skinned, plain;
    for (int i = 0; i < starts; ++i) {
        plain.push_back(StartToWindow(folder, nullptr));
        skinned.push_back(StartToWindow(folder, skin.get()));
    }
    double skinnedMedian = Median(skinned), plainMedian = Median(plain);
    std::printf("start to main window: skinned median %.0f ms, \"/noskin\" median %.0f ms, difference %.0f ms "
                "(target 400 ms)\n",
                skinnedMedian, plainMedian, skinnedMedian - plainMedian);
}
