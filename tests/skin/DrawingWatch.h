#pragma once
// Watches what a control draws at once, from under its skinner: laid on the
// control's window before the skinner is, it sees each message return from
// the control's own procedure, before the skinner paints after it, and
// counts the pixels of the watched areas that the message turned to colours
// the skin does not have.
#include <windows.h>

#include <functional>
#include <set>
#include <vector>

#include "gui/Subclass.h"
#include "skin/draw/PixelBuffer.h"

class TDrawingWatch : public TSubclass {
public:
    // watched: what the screen shows now of each area the skin draws.
    TDrawingWatch(HWND window, std::function<std::vector<PixelBuffer>()> watched, std::set<Pixel> skinColours)
        : FWatched(std::move(watched)), FSkinColours(std::move(skinColours)) {
        Attach(window);
    }

    // The most pixels one message turned to colours not the skin's, and the
    // first message that did.
    int Worst() const { return FWorst; }
    UINT WorstMessage() const { return FWorstMessage; }
    void Reset() { FWorst = 0; }

protected:
    // What the watch's own reading sends the window passes straight on.
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (FReading) return CallDefault(message, wParam, lParam);
        std::vector<PixelBuffer> before = Read();
        LRESULT result = CallDefault(message, wParam, lParam);
        int drawn = NotSkinDrawn(before, Read());
        if (drawn > FWorst) {
            FWorst = drawn;
            FWorstMessage = message;
        }
        return result;
    }

private:
    std::vector<PixelBuffer> Read() {
        FReading = true;
        std::vector<PixelBuffer> shown = FWatched();
        FReading = false;
        return shown;
    }
    int NotSkinDrawn(const std::vector<PixelBuffer>& before, const std::vector<PixelBuffer>& after) const {
        int drawn = 0;
        for (size_t area = 0; area < std::min(before.size(), after.size()); ++area) {
            const PixelBuffer &was = before[area], &is = after[area];
            if (was.Width() != is.Width() || was.Height() != is.Height()) continue;
            for (size_t i = 0; i < is.Pixels().size(); ++i) {
                Pixel pixel = is.Pixels()[i] & 0xFFFFFF;
                drawn += pixel != (was.Pixels()[i] & 0xFFFFFF) && !FSkinColours.count(pixel);
            }
        }
        return drawn;
    }

    std::function<std::vector<PixelBuffer>()> FWatched;
    std::set<Pixel> FSkinColours;
    bool FReading = false;
    int FWorst = 0;
    UINT FWorstMessage = 0;
};
