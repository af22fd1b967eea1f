#include "gui/StatusBar.h"

#include "base/win32/Win32Text.h"
#include "gui/CommonControls.h"
#include "gui/StatusPanels.h"

void TStatusBar::Create(TWinControl& parent, const Args& args) {
    UseCommonControls(ICC_BAR_CLASSES);
    DWORD style = CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    CreateChild(parent, {L"TStatusBar", STATUSCLASSNAMEW, style, 0, args.Bounds}, false);
    SetPanels(args.Panels);
    SetSimpleText(args.SimpleText);
    SetSimplePanel(args.SimplePanel);
}

void TStatusBar::SetPanels(const std::vector<TStatusPanel>& panels) {
    FPanels = panels;
    std::vector<int> widths;
    for (const TStatusPanel& panel : panels) widths.push_back(panel.Width);
    std::vector<int> edges = PanelRightEdges(widths);
    if (edges.empty()) edges.push_back(-1);
    SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (size_t i = 0; i < panels.size(); ++i)
        SendMessageW(Handle(), SB_SETTEXTW, i, reinterpret_cast<LPARAM>(Widen(panels[i].Text).c_str()));
}

void TStatusBar::SetPanelText(int panel, const std::string& text) {
    if (panel < 0 || panel >= int(FPanels.size())) return;
    FPanels[panel].Text = text;
    SendMessageW(Handle(), SB_SETTEXTW, panel, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void TStatusBar::SetSimplePanel(bool simple) {
    FSimplePanel = simple;
    SendMessageW(Handle(), SB_SIMPLE, simple, 0);
}

void TStatusBar::SetSimpleText(const std::string& text) {
    FSimpleText = text;
    SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}
