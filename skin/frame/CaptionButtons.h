#pragma once
#include <functional>

#include "skin/data/SkinElements.h"
#include "skin/frame/FrameCoordinates.h"
#include "skin/frame/FrameStyle.h"

// The window a caption button belongs to, as its rules see it.
struct CaptionButtonWindow {
    FrameFlags Flags;
    WindowState State = WindowState::Normal;
    bool Active = false;
    // Asks the window about a visibility code of 1000..2000 (message 13589,
    // wParam the code, lParam the button's action); above 0 shows the
    // button. Unset: such buttons stay hidden.
    std::function<int(int code, int action)> AskWindow;
};

// The two visibility codes of a button differ a little; both must allow it.
enum class VisibilityKey { Visibility, Visibility1 };

bool VisibilityCodeShows(int code, VisibilityKey key, int action, const CaptionButtonWindow& window);

struct CaptionButtonAvailability {
    bool Visible = false;
    bool Enabled = false;
};
// Both visibility codes, then the rules of the button's action (close,
// maximise, minimise, system icon).
CaptionButtonAvailability CaptionButtonAvailabilityFor(const TSkinSysButtonElement& button,
                                                       const CaptionButtonWindow& window);

// One state of the button image: image width / frame count by its height.
Size CaptionButtonSize(const TSkinSysButtonElement& button);

// Align 1: counted from the window's right edge; the caption text of a
// popup window ends before the leftmost of these.
bool IsRightAligned(const TSkinSysButtonElement& button);
// Align 2, 8 (left of the text) and 3, 9 (right of it): placed after the text.
bool FollowsCaptionText(const TSkinSysButtonElement& button);

// What a button's place depends on, in window coordinates.
struct CaptionButtonPlace {
    int WindowWidth = 0;
    Rect Text;  // the caption text as drawn (for buttons beside it)
    int RightBorder = 0;
    Rect MenuBar;
    int MenuBarRightWidth = 0;  // the fixed right end of the menuBar element
};
// The button's rectangle by its Align: 0 at (Xcoord, Ycoord), 1 at
// (window width - Xcoord, Ycoord), 2 and 8 left of the text, 3 and 9 right
// of it, 100 at the right end of the menu bar; unknown alignments count
// from the top left.
Rect PlaceCaptionButton(const TSkinSysButtonElement& button, const CaptionButtonPlace& place);

// What the mouse makes of a button, numbered as the frames of its image.
enum class CaptionButtonState { Normal = 1, Pressed = 2, Hot = 3 };
// The 1-based frame of the button image to draw.
int CaptionButtonFrame(const TSkinSysButtonElement& button, CaptionButtonState state, bool enabled);

// System-icon buttons show the window's icon instead of their image.
bool DrawsWindowIcon(const TSkinSysButtonElement& button);
// Buttons that open the system menu, and that a double click closes through.
bool IsSystemIconAction(int action);

// What a click on a button (released over it while pressed) does.
enum class CaptionCommandKind { Nothing, Close, Maximise, Minimise, Restore, SystemMenu, PostAction };
struct CaptionCommand {
    CaptionCommandKind Kind = CaptionCommandKind::Nothing;
    int Action = 0;  // for PostAction: posted as wParam of message 13588
};
// closeInSystemMenu: the window's system menu has a close item.
CaptionCommand CaptionButtonClick(const TSkinSysButtonElement& button, bool enabled, WindowState state,
                                  bool closeInSystemMenu);
