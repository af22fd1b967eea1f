#pragma once
#include <string>
#include <vector>

#include "gui/Form.h"

// A plain form for the window layer's own tests.
class TTestForm : public TForm {
public:
    TTestForm() : TForm({.ClassName = L"TTestForm", .Caption = "test", .ClientWidth = 200, .ClientHeight = 150}) {}
};

// A standard button that records what its parent hands back to it.
class TProbeButton : public TWinControl {
public:
    void Create(TWinControl& parent, TBounds bounds = {10, 10, 60, 20}) {
        CreateChild(parent, {L"TProbeButton", L"BUTTON", BS_PUSHBUTTON, 0, bounds}, false);
    }

    std::vector<std::string> Calls;
    HBRUSH Brush = nullptr;
    LRESULT NotifyAnswer = 0;

protected:
    void Command(WORD notifyCode) override { Calls.push_back("command " + std::to_string(notifyCode)); }
    HBRUSH ControlColor(HDC) override {
        Calls.push_back("color");
        return Brush;
    }
    LRESULT Notify(NMHDR& header) override {
        Calls.push_back("notify " + std::to_string(int(header.code)));
        return NotifyAnswer;
    }
    bool DrawItem(DRAWITEMSTRUCT&) override {
        Calls.push_back("draw");
        return true;
    }
    bool MeasureItem(MEASUREITEMSTRUCT& item) override {
        Calls.push_back("measure");
        item.itemHeight = 17;
        return true;
    }
    void Scroll(UINT message, WORD code, WORD) override {
        Calls.push_back((message == WM_HSCROLL ? "hscroll " : "vscroll ") + std::to_string(code));
    }
};
