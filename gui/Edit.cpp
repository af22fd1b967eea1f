#include "gui/Edit.h"

#include <imm.h>

#include <vector>

#include "base/win32/Win32Text.h"

namespace {
void ActivateInputMethod(const std::wstring& description) {
    std::vector<HKL> layouts(GetKeyboardLayoutList(0, nullptr));
    layouts.resize(GetKeyboardLayoutList(int(layouts.size()), layouts.data()));
    for (HKL layout : layouts) {
        wchar_t name[256] = {};
        if (ImmIsIME(layout) && ImmGetDescriptionW(layout, name, 255) && description == name) {
            ActivateKeyboardLayout(layout, 0);
            return;
        }
    }
}
}  // namespace

void TEdit::Create(TWinControl& parent, const Args& args) {
    FParentColor = args.ParentColor;
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | (args.ReadOnly ? ES_READONLY : 0);
    CreateChild(parent, {L"TEdit", L"EDIT", style, WS_EX_CLIENTEDGE, args.Bounds}, args.ShowHint);
    RemoveLengthLimit();
}

// Boxes take text of any length, as the forms define them; Win32 would stop
// typing and pasting at 32,767 characters.
void TEdit::RemoveLengthLimit() { SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0); }

LRESULT TEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS && !ImeName.empty()) ActivateInputMethod(Widen(ImeName));
    return TWinControl::WndProc(message, wParam, lParam);
}

HBRUSH TEdit::ControlColor(HDC dc) {
    TWinControl::ControlColor(dc);
    if (!FParentColor) return nullptr;
    // The parent's colour, so a recoloured parent recolours the box too.
    COLORREF color = Parent() ? Parent()->BackgroundColor() : GetSysColor(COLOR_BTNFACE);
    SetBkColor(dc, color);
    return SolidBrush(color);
}

void TMemo::Create(TWinControl& parent, const Args& args) {
    DWORD style = WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL | ES_AUTOVSCROLL |
                  (args.ScrollBars ? WS_HSCROLL | WS_VSCROLL : 0) | (args.ReadOnly ? ES_READONLY : 0);
    CreateChild(parent, {L"TMemo", L"EDIT", style, WS_EX_CLIENTEDGE, args.Bounds}, args.ShowHint);
    RemoveLengthLimit();
}

std::vector<std::string> TMemo::Lines() const {
    std::vector<std::string> lines;
    std::string text = Text();
    if (text.empty()) return lines;
    size_t begin = 0, end;
    while ((end = text.find("\r\n", begin)) != std::string::npos) {
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 2;
    }
    if (begin < text.size()) lines.push_back(text.substr(begin));
    return lines;
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    SetText(text);
}

void TMemo::Add(const std::string& line) {
    std::string text = Text();
    if (!text.empty() && !text.ends_with("\r\n")) text += "\r\n";
    SetText(text + line + "\r\n");
}

void TMemo::Append(std::string_view text) {
    int end = GetWindowTextLengthW(Handle());
    SendMessageW(Handle(), EM_SETSEL, end, end);
    SendMessageW(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}
