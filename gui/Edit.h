#pragma once
#include <string>
#include <vector>

#include "gui/WinControl.h"

// Single-line edit box.
class TEdit : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        bool ReadOnly = false;
        bool ParentColor = false;  // the parent's button-face background
        bool ShowHint = false;
    };
    void Create(TWinControl& parent, const Args& args);

    // The input method, by its description, that the box switches to when
    // it takes the focus; nothing happens where it is not installed.
    std::string ImeName;

    void SetReadOnly(bool readOnly) { SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0); }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH ControlColor(HDC dc) override;
    void RemoveLengthLimit();

private:
    bool FParentColor = false;
};

// Multi-line edit box; its text is lines joined by CR LF.
class TMemo : public TEdit {
public:
    struct Args {
        TBounds Bounds;
        bool ReadOnly = false;
        bool ShowHint = false;
        bool ScrollBars = true;  // both, or none
    };
    void Create(TWinControl& parent, const Args& args);

    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    void Add(const std::string& line);
    void Clear() { SetText(""); }
    // Puts the text behind the last character, without reading or setting
    // what is there already.
    void Append(std::string_view text);
};
