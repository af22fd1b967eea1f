#pragma once
#include <string>
#include <vector>

#include "gui/WinControl.h"

// One panel of a status bar: its text and width; the last one runs to the
// bar's right end.
struct TStatusPanel {
    std::string Text;  // GBK
    int Width = 50;
};

// A bar of text panels, or one simple text across the whole bar while
// SimplePanel is set. It stays where it is put, as the forms place it.
class TStatusBar : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        std::vector<TStatusPanel> Panels;
        bool SimplePanel = false;
        std::string SimpleText;  // GBK
    };
    void Create(TWinControl& parent, const Args& args);

    const std::vector<TStatusPanel>& Panels() const { return FPanels; }
    void SetPanels(const std::vector<TStatusPanel>& panels);
    void SetPanelText(int panel, const std::string& text);
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool simple);
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& text);

private:
    std::vector<TStatusPanel> FPanels;
    bool FSimplePanel = false;
    std::string FSimpleText;
};
