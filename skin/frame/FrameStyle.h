#pragma once
#include <cstdint>
#include <string>

// The style bits the skinned frame reads, with the values of the Win32
// headers, so this file needs none of them.
namespace WindowStyleBits {
inline constexpr uint32_t Popup = 0x80000000;       // WS_POPUP
inline constexpr uint32_t Child = 0x40000000;       // WS_CHILD
inline constexpr uint32_t Caption = 0x00C00000;     // WS_CAPTION: border and dialog frame
inline constexpr uint32_t SystemMenu = 0x00080000;  // WS_SYSMENU
inline constexpr uint32_t ThickFrame = 0x00040000;  // WS_THICKFRAME
inline constexpr uint32_t MinimiseBox = 0x00020000;
inline constexpr uint32_t MaximiseBox = 0x00010000;
inline constexpr uint32_t ModalFrame = 0x00000080;  // DS_MODALFRAME
}  // namespace WindowStyleBits

namespace ExtendedStyleBits {
inline constexpr uint32_t DialogModalFrame = 0x00000001;  // WS_EX_DLGMODALFRAME
// WS_EX_LEFTSCROLLBAR: forms of right-to-left reading carry it together
// with WS_EX_RTLREADING, and it is the bit the frame takes for a
// right-to-left caption.
inline constexpr uint32_t LeftScrollBar = 0x00004000;
}  // namespace ExtendedStyleBits

// The frame's kinds of border; NoCaption windows keep their native frame.
enum class BorderKind { Sizable = 0, Single = 1, NoCaption = 2, Dialog = 3 };

enum class WindowState { Normal = 0, Maximised = 1, Minimised = 2 };

// What the frame needs to know of a window, read once when it is skinned
// (the frame later removes the system menu style while it paints).
struct FrameStyleSnapshot {
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    std::string ClassName;
    bool FrameworkForm = false;  // a form of this program, not a bare window
};

struct FrameFlags {
    bool RightToLeft = false;
    bool Child = false;
    bool Popup = false;
    bool Sizable = false;
    bool SystemMenu = false;
    bool MinimiseBox = false;
    bool MaximiseBox = false;
    bool FrameworkForm = false;
    // A message box or standard dialog box: class "#32770" or "TMessageForm".
    bool StandardDialogClass = false;
    BorderKind Border = BorderKind::Sizable;
};

FrameFlags ReadFrameFlags(const FrameStyleSnapshot& snapshot);

// From the show command of the window placement (SW_SHOWMINIMIZED,
// SW_MINIMIZE, SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED).
WindowState WindowStateFromShowCommand(int showCommand);
// From the wParam of WM_SIZE (SIZE_MINIMIZED 1, SIZE_MAXIMIZED 2).
WindowState WindowStateFromSizeKind(int sizeKind);
