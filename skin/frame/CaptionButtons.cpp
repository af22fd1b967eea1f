#include "skin/frame/CaptionButtons.h"

namespace {

// Button actions; 22 and 23 are second codes for maximise and minimise.
enum Action { kClose = 0, kMaximise = 1, kMinimise = 2, kMaximiseAgain = 22, kMinimiseAgain = 23 };

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

bool VisibilityCodeShows(int code, VisibilityKey key, int action, const CaptionButtonWindow& window) {
    const FrameFlags& flags = window.Flags;
    bool firstKey = key == VisibilityKey::Visibility;
    bool anyBox = flags.MinimiseBox || flags.MaximiseBox;
    if (code == -1) return firstKey;
    if (code == 0 || InRange(code, 201, 999)) return true;
    if (InRange(code, 1000, 2000)) return window.AskWindow && window.AskWindow(code, action) > 0;
    switch (code) {
    case 1:
        return window.State == WindowState::Maximised;
    case 2:
        return window.State != WindowState::Maximised;
    case 3:
        return window.Active;
    case 4:
        return !window.Active;
    case 6:
    case 8:
        return anyBox && (flags.SystemMenu || !firstKey);
    case 7:
        return !flags.MaximiseBox;
    case 9:
        return !flags.MinimiseBox;
    case 200:
        return flags.Border == BorderKind::Dialog && !flags.StandardDialogClass;
    default:
        // 100 (a maximised MDI child) never holds: this program has no MDI windows.
        return false;
    }
}

CaptionButtonAvailability CaptionButtonAvailabilityFor(const TSkinSysButtonElement& button,
                                                       const CaptionButtonWindow& window) {
    const FrameFlags& flags = window.Flags;
    CaptionButtonAvailability result;
    result.Visible = VisibilityCodeShows(button.Visibility, VisibilityKey::Visibility, button.Action, window) &&
                     VisibilityCodeShows(button.Visibility1, VisibilityKey::Visibility1, button.Action, window);
    result.Enabled = true;
    switch (button.Action) {
    case kClose:
        result.Visible = result.Visible && flags.SystemMenu;
        break;
    case kMaximise:
        result.Enabled = flags.MaximiseBox && flags.SystemMenu;
        break;
    case kMinimise:
        result.Enabled = flags.MinimiseBox && flags.SystemMenu;
        break;
    }
    // Dialog boxes have no icon.
    if (IsSystemIconAction(button.Action) && flags.Border == BorderKind::Dialog) result.Visible = false;
    return result;
}

Size CaptionButtonSize(const TSkinSysButtonElement& button) {
    return {button.Image.Width() / std::max(button.FrameCount, 1), button.Image.Height()};
}

bool IsRightAligned(const TSkinSysButtonElement& button) { return button.Align == 1; }

bool FollowsCaptionText(const TSkinSysButtonElement& button) {
    return button.Align == 2 || button.Align == 8 || button.Align == 3 || button.Align == 9;
}

Rect PlaceCaptionButton(const TSkinSysButtonElement& button, const CaptionButtonPlace& place) {
    Size size = CaptionButtonSize(button);
    int64_t x = button.XCoord, y = button.YCoord;
    switch (button.Align) {
    case 1:
        x = int64_t(place.WindowWidth) - button.XCoord;
        break;
    case 2:
    case 8:
        x = int64_t(place.Text.Left) - size.Width - button.XCoord;
        break;
    case 3:
    case 9:
        x = RightOf(place.Text) + button.XCoord;
        break;
    case 100:
        x = int64_t(place.WindowWidth) - button.XCoord - place.RightBorder - place.MenuBarRightWidth;
        y = int64_t(place.MenuBar.Top) + (int64_t(place.MenuBar.Height) - size.Height) / 2;
        break;
    }
    return {ClampCoordinate(x), ClampCoordinate(y), ClampSize(size.Width), ClampSize(size.Height)};
}

int CaptionButtonFrame(const TSkinSysButtonElement& button, CaptionButtonState state, bool enabled) {
    if (!enabled) return button.FrameCount > 3 ? 4 : 1;
    if (state == CaptionButtonState::Hot && button.Visibility == 100) return 4;
    return int(state);
}

bool DrawsWindowIcon(const TSkinSysButtonElement& button) { return button.Action == 3 || button.Action == 11; }

bool IsSystemIconAction(int action) { return action == 3 || action == 11 || action == 12; }

CaptionCommand CaptionButtonClick(const TSkinSysButtonElement& button, bool enabled, WindowState state,
                                  bool closeInSystemMenu) {
    switch (button.Action) {
    case kClose:
        return {closeInSystemMenu ? CaptionCommandKind::Close : CaptionCommandKind::Nothing};
    case kMaximise:
    case kMaximiseAgain:
        if (!enabled) return {};
        return {state == WindowState::Maximised ? CaptionCommandKind::Restore : CaptionCommandKind::Maximise};
    case kMinimise:
    case kMinimiseAgain:
        if (!enabled) return {};
        return {state == WindowState::Minimised ? CaptionCommandKind::Restore : CaptionCommandKind::Minimise};
    default:
        if (IsSystemIconAction(button.Action)) return {CaptionCommandKind::SystemMenu};
        return {CaptionCommandKind::PostAction, button.Action};
    }
}
