#include "skin/updown/UpDownHalves.h"

UpDownHalves SplitUpDown(int width, int height, bool horizontal) {
    if (horizontal) {
        int first = width / 2;
        return {{0, 0, first, height}, {first, 0, width - first, height}};
    }
    int first = height / 2;
    return {{0, 0, width, first}, {0, first, width, height - first}};
}

namespace {
bool Contains(Rect area, int x, int y) {
    return x >= area.Left && x < area.Left + area.Width && y >= area.Top && y < area.Top + area.Height;
}
}  // namespace

UpDownButton UpDownButtonAt(const UpDownHalves& halves, int x, int y) {
    if (Contains(halves.First, x, y)) return UpDownButton::First;
    if (Contains(halves.Second, x, y)) return UpDownButton::Second;
    return UpDownButton::None;
}

int UpDownFrame(UpDownButton button, const UpDownLook& look) {
    int base = button == UpDownButton::Second ? 5 : 1;
    if (!look.Enabled) return base + 3;
    if (look.Pressed) return base + 1;
    return look.Hot ? base + 2 : base;
}

Rect CentreGlyph(Rect button, int width, int height) {
    return {button.Left + (button.Width - width) / 2, button.Top + (button.Height - height) / 2, width, height};
}
