#include "tests/e2e/UiDriver.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace ui {

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::wstring Widen(const std::string& gbk) {
    if (gbk.empty()) return {};
    std::wstring wide(gbk.size(), L'\0');
    wide.resize(MultiByteToWideChar(936, 0, gbk.data(), int(gbk.size()), wide.data(), int(wide.size())));
    return wide;
}

std::string Narrow(const std::wstring& utf16) {
    if (utf16.empty()) return {};
    std::string gbk(utf16.size() * 2, '\0');
    gbk.resize(WideCharToMultiByte(936, 0, utf16.data(), int(utf16.size()), gbk.data(), int(gbk.size()),
                                   nullptr, nullptr));
    return gbk;
}

Program::Program(const std::wstring& exePath, const std::wstring& arguments) {
    STARTUPINFOW startup = {sizeof startup};
    std::wstring commandLine = L"\"" + exePath + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &FProcess))
        FProcess = {};
}

namespace {
BOOL CALLBACK NoteWindowOfProcess(HWND window, LPARAM search) {
    auto& [process, found] = *reinterpret_cast<std::pair<DWORD, bool>*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    found = found || owner == process;
    return !found;
}

bool HasWindows(DWORD process) {
    std::pair<DWORD, bool> search = {process, false};
    EnumWindows(NoteWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.second;
}
}  // namespace

Program::~Program() { Kill(); }

Program::Program(Program&& other) noexcept : FProcess(other.FProcess) { other.FProcess = {}; }

Program& Program::operator=(Program&& other) noexcept {
    Kill();
    FProcess = other.FProcess;
    other.FProcess = {};
    return *this;
}

bool Program::Running() const {
    return FProcess.hProcess && WaitForSingleObject(FProcess.hProcess, 0) == WAIT_TIMEOUT;
}

long Program::WaitForExit(std::chrono::milliseconds timeout) {
    if (!FProcess.hProcess || WaitForSingleObject(FProcess.hProcess, DWORD(timeout.count())) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(FProcess.hProcess, &code);
    return long(code);
}

void Program::Kill() {
    if (!FProcess.hProcess) return;
    if (Running()) {
        TerminateProcess(FProcess.hProcess, 1);
        WaitForSingleObject(FProcess.hProcess, 5000);
    }
    // Wine takes the windows of an ended process away a little later; a
    // program started next must not find them.
    DWORD process = FProcess.dwProcessId;
    WaitFor([&] { return !HasWindows(process); });
    CloseHandle(FProcess.hThread);
    CloseHandle(FProcess.hProcess);
    FProcess = {};
}

HWND FindTopWindow(const wchar_t* className, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    // A window counts once it shows: before that its controls may not exist yet.
    WaitFor([&] {
        found = FindWindowW(className, nullptr);
        return found && IsWindowVisible(found);
    }, timeout);
    return found;
}

namespace {
struct ChildSearch {
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<ChildSearch*>(search);
    wchar_t name[64];
    GetClassNameW(window, name, 64);
    if (lstrcmpiW(name, s->className) == 0) s->found.push_back(window);
    return TRUE;
}

RECT ScreenRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

void SendMouse(DWORD flags, POINT at) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD virtualKey, wchar_t unicode, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = unicode;
    input.ki.dwFlags = (unicode ? KEYEVENTF_UNICODE : 0) | (up ? KEYEVENTF_KEYUP : 0);
    SendInput(1, &input, sizeof input);
}

void PressKey(WORD virtualKey, wchar_t unicode = 0) {
    SendKey(virtualKey, unicode, false);
    SendKey(virtualKey, unicode, true);
}

BOOL CALLBACK CollectTooltip(HWND window, LPARAM found) {
    wchar_t name[64];
    GetClassNameW(window, name, 64);
    if (IsWindowVisible(window) && lstrcmpiW(name, TOOLTIPS_CLASSW) == 0)
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

POINT TrayIconCentre() {
    RECT taskbar;
    GetWindowRect(FindWindowW(L"Shell_TrayWnd", nullptr), &taskbar);
    // Icons sit at the right end, each a small icon with a 2-pixel border.
    int slot = GetSystemMetrics(SM_CXSMICON) + 4;
    return {taskbar.right - slot / 2, (taskbar.top + taskbar.bottom) / 2};
}
}  // namespace

// The window's thread takes the activation in its own time: the window is
// forward once that thread has made it its active window.
void BringForward(HWND window) {
    HWND top = GetAncestor(window, GA_ROOT);
    SetForegroundWindow(top);
    DWORD thread = GetWindowThreadProcessId(top, nullptr);
    WaitFor([&] {
        GUITHREADINFO info = {sizeof info};
        return GetForegroundWindow() == top && GetGUIThreadInfo(thread, &info) && info.hwndActive == top;
    }, 2000ms);
}

void ClickTrayIcon(TMouseButton button) {
    POINT at = TrayIconCentre();
    bool left = button == TMouseButton::Left;
    // The shell drops the icon of a program that ended without removing it
    // (a killed earlier program) only when the pointer comes over it; then
    // the icons move up and the slot holds ours.
    SendMouse(MOUSEEVENTF_MOVE, at);
    std::this_thread::sleep_for(300ms);
    SendMouse(MOUSEEVENTF_MOVE | (left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN), at);
    SendMouse(MOUSEEVENTF_MOVE | (left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP), at);
}

void PressKeys(std::initializer_list<WORD> keys) {
    for (WORD key : keys) PressKey(key);
}

// The skin engine's query: a skinned window answers 1.
const UINT kSkinQuery = 13603;

HWND VisibleMenuWindow() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

namespace {
const UINT kGetMenuOfWindow = 0x01E1;  // MN_GETHMENU
}  // namespace

HMENU WaitForOtherMenu(HMENU open) {
    HMENU shown = nullptr;
    WaitFor([&] {
        HWND window = VisibleMenuWindow();
        shown = window ? reinterpret_cast<HMENU>(SendMessageW(window, kGetMenuOfWindow, 0, 0)) : nullptr;
        return shown && shown != open;
    });
    return shown;
}

void ChooseTrayMenu(int command) {
    POINT at = TrayIconCentre();
    SendMouse(MOUSEEVENTF_MOVE, at);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_RIGHTDOWN, at);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_RIGHTUP, at);
    FindTopWindow(L"#32768", 5000ms);  // the menu, once it shows
    // An opened menu has no item selected: the first Down selects the first.
    for (int i = 0; i <= command; ++i) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
}

// The pointer comes onto the icon from above the notification area, so
// that the icon sees it enter wherever an earlier test left it.
void PointAtTrayIcon() {
    POINT at = TrayIconCentre();
    SendMouse(MOUSEEVENTF_MOVE, {at.x, at.y - 60});
    Sleep(100);  // the icon's 20 ms pointer poll sees it gone
    SendMouse(MOUSEEVENTF_MOVE, {at.x - 1, at.y});
    SendMouse(MOUSEEVENTF_MOVE, at);
}

HWND VisibleTooltipContaining(const std::string& text) {
    std::vector<HWND> tooltips;
    EnumWindows(CollectTooltip, reinterpret_cast<LPARAM>(&tooltips));
    for (HWND tooltip : tooltips)
        if (TextOf(tooltip).find(text) != std::string::npos) return tooltip;
    return nullptr;
}

std::vector<HWND> Children(HWND parent, const wchar_t* className) {
    ChildSearch search{className, {}};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    std::sort(search.found.begin(), search.found.end(), [](HWND a, HWND b) {
        RECT ra = ScreenRect(a), rb = ScreenRect(b);
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return search.found;
}

HWND ChildWithText(HWND parent, const wchar_t* className, const std::string& text) {
    for (HWND child : Children(parent, className))
        if (TextOf(child) == text) return child;
    return nullptr;
}

std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 60000, &length);
    std::wstring text(length + 1, L'\0');
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL,
                        60000, &length);
    text.resize(length);
    return Narrow(text);
}

bool HasFocus(HWND window) {
    GUITHREADINFO info = {sizeof info};
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus == window;
}

namespace {
void PressAt(HWND window, POINT at, DWORD down, DWORD up) {
    BringForward(window);
    RECT rect = ScreenRect(window);
    at = {rect.left + at.x, rect.top + at.y};
    // Every event carries the position, so a late pointer update from the
    // display cannot send the press elsewhere.
    SendMouse(MOUSEEVENTF_MOVE, at);
    SendMouse(MOUSEEVENTF_MOVE | down, at);
    SendMouse(MOUSEEVENTF_MOVE | up, at);
}

void PressCentre(HWND window, DWORD down, DWORD up) {
    RECT rect = ScreenRect(window);
    PressAt(window, {(rect.right - rect.left) / 2, (rect.bottom - rect.top) / 2}, down, up);
}

void PutOnClipboard(const std::wstring& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    WaitFor([] { return OpenClipboard(nullptr) != FALSE; }, 2000ms);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

void PressWith(WORD modifier, WORD virtualKey) {
    SendKey(modifier, 0, false);
    PressKey(virtualKey);
    SendKey(modifier, 0, true);
}
}  // namespace

void Click(HWND window) {
    PressCentre(window, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    // Boxes and buttons take the focus when pressed: the program has then
    // seen the press, and the release is next in its queue.
    if (IsWindowEnabled(window)) WaitFor([&] { return HasFocus(window); }, 2000ms);
}

void Tap(HWND window) { PressCentre(window, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }

void RightClick(HWND window) { PressCentre(window, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }

void PointAt(HWND window) {
    RECT rect = ScreenRect(window);
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    SendMouse(MOUSEEVENTF_MOVE, {centre.x - 2, centre.y});
    SendMouse(MOUSEEVENTF_MOVE, centre);
}

void PointAt(HWND window, POINT at) {
    ClientToScreen(window, &at);
    SendMouse(MOUSEEVENTF_MOVE, {at.x - 2, at.y});
    SendMouse(MOUSEEVENTF_MOVE, at);
}

void RightClickAt(HWND window, POINT at) { PressAt(window, at, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }

POINT PressAndMove(HWND window, POINT at, POINT by) {
    BringForward(window);
    RECT rect = ScreenRect(window);
    at = {rect.left + at.x, rect.top + at.y};
    SendMouse(MOUSEEVENTF_MOVE, at);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN, at);
    int steps = std::max(std::abs(by.x), std::abs(by.y)) / 4;
    for (int step = 1; step <= steps; ++step)
        SendMouse(MOUSEEVENTF_MOVE, {at.x + by.x * step / steps, at.y + by.y * step / steps});
    return {at.x + by.x, at.y + by.y};
}

void ReleaseAt(POINT screen) { SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP, screen); }

void DragAt(HWND window, POINT at, POINT by) { ReleaseAt(PressAndMove(window, at, by)); }

void Press(WORD virtualKey, WORD modifier) {
    if (modifier)
        PressWith(modifier, virtualKey);
    else
        PressKey(virtualKey);
}

void Paste(HWND edit, const std::string& text) {
    Click(edit);
    PutOnClipboard(Widen(text));
    // Select from the very start to the very end, then paste over it.
    PressWith(VK_CONTROL, VK_HOME);
    SendKey(VK_SHIFT, 0, false);
    PressWith(VK_CONTROL, VK_END);
    SendKey(VK_SHIFT, 0, true);
    if (text.empty())
        PressKey(VK_DELETE);
    else
        PressWith(VK_CONTROL, 'V');
    WaitFor([&] { return TextOf(edit) == text; }, 60000ms);
}

void Type(HWND edit, const std::string& text) {
    Click(edit);
    // Select everything from the start to the end, then type over it.
    PressKey(VK_HOME);
    SendKey(VK_SHIFT, 0, false);
    PressKey(VK_END);
    SendKey(VK_SHIFT, 0, true);
    PressKey(VK_DELETE);
    for (wchar_t c : Widen(text)) PressKey(0, c);
    WaitFor([&] { return TextOf(edit) == text; }, 2000ms);
}

void ChooseMenu(HWND window, MenuPath path) {
    // The pointer goes out of the way first, onto the window's caption: a
    // menu opening under it would select the item it rests on. It moves
    // before the window is brought forward, never while a menu opens.
    RECT bounds = ScreenRect(window);
    POINT away = {bounds.left + 40, bounds.top + 8};
    SendMouse(MOUSEEVENTF_MOVE, away);
    WaitFor([&] {
        POINT at;
        return GetCursorPos(&at) && at.x == away.x && at.y == away.y;
    }, 1000ms);
    BringForward(window);
    // Alt opens the menu bar, arrows walk it, Enter picks the command. A
    // native bar waits on its first item for Down to open it; a skinned bar
    // (its window answers the skin query) opens the first item's menu at
    // once, its first command selected.
    bool skinned = SendMessageW(window, kSkinQuery, 0, 0) == 1;
    PressKey(VK_MENU);
    HMENU open = skinned ? WaitForOtherMenu(nullptr) : nullptr;
    for (int i = 0; i < path.topItem; ++i) {
        PressKey(VK_RIGHT);
        // A skinned bar closes one menu and opens the next: keys wait for it.
        if (skinned) open = WaitForOtherMenu(open);
    }
    if (!skinned) PressKey(VK_DOWN);
    for (int i = 0; i < path.command; ++i) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
}

namespace {
BOOL CALLBACK NoteUnpainted(HWND child, LPARAM unpainted) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(unpainted) = true;
    return TRUE;
}

bool Painted(HWND window) {
    bool unpainted = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    EnumChildWindows(window, NoteUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}
}  // namespace

void WaitUntilPainted(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // The window's thread has taken every message sent or posted before,
    // among them what a dialog just shown posts itself to fill in its
    // controls; then nothing is left to paint.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    WaitFor([&] { return Painted(window); }, 2000ms);
}

void SaveScreenshot(HWND window, const std::wstring& path) {
    WaitUntilPainted(window);
    RECT rect = ScreenRect(window);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    DWORD stride = (width * 3 + 3) & ~3u;
    BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof file + sizeof info.bmiHeader + stride * height), 0, 0,
                             DWORD(sizeof file + sizeof info.bmiHeader)};
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), std::streamsize(stride * height));
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace ui
