#pragma once

// The skin engine's private window messages, and the value that signs
// the ones that could be mistaken for others.
namespace SkinMessage {
inline constexpr unsigned Query = 13603;             // a skinned window, menu or control answers 1
inline constexpr unsigned FinishSkinning = 13571;    // posted once after attach, lParam 1000
inline constexpr unsigned RepaintFrame = 13570;      // repaint the frame
inline constexpr unsigned ControlAttention = 13591;  // a control skinner asks its frame, wParam its window
inline constexpr unsigned OpenMenuBarItem = 13592;   // open the menu bar item under the point
inline constexpr unsigned PaintingSwitch = 13574;    // wParam 0 stops a skinner's painting, 1 resumes it
inline constexpr unsigned CaptionButtonAction = 13588;  // a caption button of another action, wParam the action
inline constexpr unsigned AskVisibility = 13589;     // wParam a visibility code 1000..2000, lParam the action
inline constexpr unsigned PaintEditInto = 48202;     // lParam Signature: paint into the device context wParam
inline constexpr unsigned PaintFrameInto = 48203;    // lParam Signature: repaint the frame into wParam
inline constexpr unsigned IsSkinned = 48205;         // answers Signature when lParam is Signature, else 1
inline constexpr unsigned SkinningComplete = 48206;  // lParam Signature, sent by the window to itself
inline constexpr long Signature = 16802;
inline constexpr long FinishMarker = 1000;
}  // namespace SkinMessage
