#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Drives the real program from outside, as a person would: starts it, finds
// its windows, types, clicks and reads back. Texts are GBK, like the program's.
namespace ui {

using namespace std::chrono_literals;

// Polls until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5000ms);

class Program {
public:
    Program() = default;
    explicit Program(const std::wstring& exePath, const std::wstring& arguments = L"");
    ~Program();
    Program(Program&& other) noexcept;
    Program& operator=(Program&& other) noexcept;

    bool Running() const;
    // Exit code once the process has ended within the timeout, or -1.
    long WaitForExit(std::chrono::milliseconds timeout = 5000ms);
    void Kill();

private:
    PROCESS_INFORMATION FProcess = {};
};

// The visible top-level window of the class, waiting for it to show.
HWND FindTopWindow(const wchar_t* className, std::chrono::milliseconds timeout = 10000ms);
// Direct and nested child windows of the given class, in reading order
// (top to bottom, then left to right).
std::vector<HWND> Children(HWND parent, const wchar_t* className);
HWND ChildWithText(HWND parent, const wchar_t* className, const std::string& text);

std::string TextOf(HWND window);
// Brings the window's top-level window to the front, as a click on it would.
void BringForward(HWND window);
// Replaces the text of an edit box by typing it, as from the keyboard.
void Type(HWND edit, const std::string& text);
// Replaces the whole text of an edit box or memo by pasting it from the
// clipboard, as a person pastes a list.
void Paste(HWND edit, const std::string& text);
// Presses and releases a key, with a modifier key held when one is given.
void Press(WORD virtualKey, WORD modifier = 0);
// Clicks the window's centre. Input reaches the program in order, so a
// click on a box after a click on a button finds the button's work done.
void Click(HWND window);
// Clicks a window that takes no focus, such as a label; nothing tells when
// the program has seen the click.
void Tap(HWND window);
void RightClick(HWND window);
// Moves the pointer onto the window's centre, as a person points at it.
void PointAt(HWND window);
// Moves the pointer onto a point given in the window's client coordinates.
void PointAt(HWND window, POINT at);
// Right-clicks at a point given in the window's own coordinates.
void RightClickAt(HWND window, POINT at);
// Presses the left button at a point of the window's own coordinates, moves
// the pointer by `by` a few pixels at a time and lets go there; by {0, 0}
// clicks at the point.
void DragAt(HWND window, POINT at, POINT by);
// The two halves of a drag: the button stays down between them. The first
// gives the point on the screen where the pointer stopped.
POINT PressAndMove(HWND window, POINT at, POINT by);
void ReleaseAt(POINT screen);
bool HasFocus(HWND window);

// A command of a menu bar by position: top item, then item below it.
struct MenuPath {
    int topItem, command;
};
// Picks the command with the keyboard, as a person can.
void ChooseMenu(HWND window, MenuPath path);
// An open popup menu, if any.
HWND VisibleMenuWindow();
// Waits until a popup menu other than `open` shows, and gives it back. A
// skinned bar selects the first item of each menu it opens before any key
// pressed after that reaches the menu.
HMENU WaitForOtherMenu(HMENU open);
// Virtual keys pressed and released one after another, to whatever has the focus.
void PressKeys(std::initializer_list<WORD> keys);

// The notification area of the taskbar: a click on our icon, the rightmost,
// and the pointer resting on it.
enum class TMouseButton { Left, Right };
void ClickTrayIcon(TMouseButton button = TMouseButton::Left);
void PointAtTrayIcon();
// Picks a command of the tray icon's menu by its position, opening the menu
// with a right click and walking it with the keyboard.
void ChooseTrayMenu(int command);
// A tooltip or balloon on screen whose text holds the given text.
HWND VisibleTooltipContaining(const std::string& text);

// Waits until the window and its children have painted what they owe.
void WaitUntilPainted(HWND window);
// Saves the window's pixels as it shows on screen, once painted, as a .bmp file.
void SaveScreenshot(HWND window, const std::wstring& path);

std::wstring Widen(const std::string& gbk);
std::string Narrow(const std::wstring& utf16);

}  // namespace ui
