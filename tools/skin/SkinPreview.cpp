#include "tools/skin/SkinPreview.h"

#include <algorithm>

#include "tools/skin/PixelFont.h"

namespace {

constexpr int kSheetWidth = 980;
constexpr Pixel kLabelInk = 0x303844;

class Sheet {
public:
    explicit Sheet(const TSkinData& skin)
        : FSkin(skin), FFace(PixelFromColor(skin.Colours.ButtonFace)), FSheet(kSheetWidth, 4000, FFace) {}

    PixelBuffer Render() {
        DrawWindow(10, 10, true);
        DrawWindow(500, 10, false);
        DrawPopupMenu(10, 460);
        int y = 600;
        for (const auto& [name, picture] : Elements()) y = DrawElementRow(y, name, picture);
        return FSheet.Crop({0, 0, kSheetWidth, y + 10});
    }

private:
    Pixel Ink() const { return PixelFromColor(FSkin.Colours.ButtonText); }

    void Draw(Rect area, const ElementPicture& picture, int frame) { DrawElement(FSheet, area, picture, frame); }
    void Draw(const TSkinElement* element, Rect area, int frame) {
        if (element) Draw(area, element->Picture(), frame);
    }
    // Window borders are drawn whole; their magenta is cut away as a
    // window region would.
    void DrawBorder(const TSkinFrameBorder& border, Rect area, int frame) {
        ElementPicture picture = border.Picture();
        picture.Transparent = true;
        Draw(area, picture, frame);
    }

    static int CellWidth(const TSkinFrameBorder& border) {
        return border.States == StateLayout::Stacked ? border.Image.Width() : border.Image.Width() / std::max(border.FrameCount, 1);
    }
    static int CellHeight(const TSkinFrameBorder& border) {
        return border.States == StateLayout::Stacked ? border.Image.Height() / std::max(border.FrameCount, 1) : border.Image.Height();
    }

    // Visibility codes as they fall out for a normal window with every
    // caption box.
    static bool Shown(int code, bool active, bool second) {
        if (second && (code == -1 || code == 5)) return false;
        switch (code) {
            case -1: case 0: case 2: case 6: case 8: return true;
            case 3: return active;
            case 4: return !active;
            default: return code >= 201 && code <= 999;
        }
    }

    void DrawCaptionButtons(Rect window, bool active) {
        for (const TSkinSysButtonElement& button : FSkin.CaptionButtons) {
            if (!Shown(button.Visibility, active, false) || !Shown(button.Visibility1, active, true)) continue;
            if (button.Align != 0 && button.Align != 1) continue;
            int width = button.Image.Width() / std::max(button.FrameCount, 1);
            int x = button.Align == 0 ? button.XCoord : window.Width - button.XCoord;
            // The system-icon button shows the window's icon, transparent like one.
            ElementPicture picture = button.Picture();
            picture.Transparent = picture.Transparent || button.Action == 3 || button.Action == 11;
            Draw({window.Left + x, window.Top + button.YCoord, width, button.Image.Height()}, picture, active ? 1 : 4);
        }
    }

    void DrawWindow(int left, int top, bool active) {
        constexpr int kWidth = 470, kHeight = 440;
        int state = active ? 1 : 2;
        int lw = CellWidth(FSkin.Left), rw = CellWidth(FSkin.Right);
        int caption = CellHeight(FSkin.Top), bottom = CellHeight(FSkin.Bottom);
        Rect window{left, top, kWidth, kHeight};
        DrawBorder(FSkin.Left, {left, top, lw, kHeight}, state);
        DrawBorder(FSkin.Right, {left + kWidth - rw, top, rw, kHeight}, state);
        DrawBorder(FSkin.Bottom, {left + lw, top + kHeight - bottom, kWidth - lw - rw, bottom}, state);
        DrawBorder(FSkin.Top, {left + lw, top, kWidth - lw - rw, caption}, state);
        TColor title = active ? FSkin.Title.ActiveTextColour : FSkin.Title.InactiveTextColour;
        if (title == kNoColor) title = active ? FSkin.Colours.TitleTextActive : FSkin.Colours.TitleTextNoActive;
        DrawLabel(FSheet, left + FSkin.Title.TextShift, top + (caption - 10) / 2 + 1,
                  active ? "QUORVIK - ACTIVE" : "QUORVIK - INACTIVE", PixelFromColor(title), 2);
        DrawCaptionButtons(window, active);

        Rect client{left + lw, top + caption, kWidth - lw - rw, kHeight - caption - bottom};
        Rect bar{client.Left, client.Top, client.Width, 20};
        if (FSkin.MenuBar) Draw(FSkin.MenuBar.get(), bar, state);
        int x = bar.Left + 6;
        for (const char* item : {"FILE", "EDIT", "VIEW", "HELP"}) {
            if (std::string_view(item) == "EDIT" && active) Draw(FSkin.Element("MenuItem"), {x - 4, bar.Top + 1, LabelWidth(item) + 8, 18}, 4);
            x += DrawLabel(FSheet, x, bar.Top + 8, item, PixelFromColor(FSkin.Colours.MenuBarText)) + 14;
        }
        DrawControls(client.Left + 10, bar.Top + bar.Height + 10, active);
        DrawStatusBar({client.Left, client.Top + client.Height - 22, client.Width, 22});
    }

    void DrawControls(int x, int y, bool active) {
        const int states[] = {1, 4, 2, 3, 5};
        const char* names[] = {"NORMAL", "HOT", "DOWN", "OFF", "FOCUS"};
        for (int i = 0; i < 5; ++i) {
            Rect button{x + i * 88, y, 80, 26};
            Draw(button, FSkin.Buttons.Picture(), active ? states[i] : 1);
            Pixel ink = states[i] == 3 ? PixelFromColor(FSkin.Colours.ButtonShadow) : Ink();
            DrawLabel(FSheet, button.Left + (80 - LabelWidth(names[i])) / 2, y + 11, names[i], ink);
        }
        y += 36;
        DrawToggles(x, y, FSkin.Buttons.CheckImage, FSkin.Buttons.CheckFrameCount, "CHECK");
        DrawToggles(x, y + 20, FSkin.Buttons.RadioImage, FSkin.Buttons.RadioFrameCount, "RADIO");
        y += 44;
        DrawEdits(x, y);
        y += 32;
        DrawProgress(x, y, 200);
        DrawScrollBar({x + 220, y, 220, 17});
        y += 30;
        DrawGroupBox({x, y, 210, 86});
        DrawTabs({x + 220, y, 230, 110});
        y += 120;
        DrawHeader({x, y, 210, 20});
        DrawTrack({x, y + 36, 200, 22});
        DrawUpDown(x + 220, y);
        DrawMemo({x + 260, y, 190, 70});
    }

    void DrawToggles(int x, int y, const PixelBuffer& image, int frames, const char* label) {
        if (image.Empty()) return;
        ElementPicture picture{&image};
        picture.FrameCount = frames;
        picture.Transparent = true;
        int cell = image.Width() / std::max(frames, 1);
        for (int frame = 1; frame <= frames; ++frame) Draw({x + (frame - 1) * (cell + 6), y, cell, image.Height()}, picture, frame);
        DrawLabel(FSheet, x + frames * (cell + 6) + 4, y + 4, label, Ink());
    }

    // Edits are drawn from colours: a shadow line with white inside.
    void DrawEditFrame(Rect area) {
        FSheet.Fill(area, PixelFromColor(FSkin.Host().SystemColor(SystemColour::Window)));
        Rect line = area;
        for (Pixel pixel : {PixelFromColor(FSkin.Colours.ButtonShadow), Pixel(0xFFFFFF), Pixel(0xFFFFFF)}) {
            FSheet.Fill({line.Left, line.Top, line.Width, 1}, pixel);
            FSheet.Fill({line.Left, line.Top + line.Height - 1, line.Width, 1}, pixel);
            FSheet.Fill({line.Left, line.Top, 1, line.Height}, pixel);
            FSheet.Fill({line.Left + line.Width - 1, line.Top, 1, line.Height}, pixel);
            line = {line.Left + 1, line.Top + 1, line.Width - 2, line.Height - 2};
        }
    }

    void DrawEdits(int x, int y) {
        DrawEditFrame({x, y, 150, 21});
        DrawLabel(FSheet, x + 6, y + 8, "192.168.0.1", PixelFromColor(FSkin.Colours.WindowText));
        if (FSkin.ComboButton) {
            Draw(FSkin.ComboButton.get(), {x + 160, y, 140, 21}, 1);
            DrawLabel(FSheet, x + 166, y + 8, "QQWRY", PixelFromColor(FSkin.Colours.WindowText));
            Draw(FSkin.ComboButton.get(), {x + 310, y, 140, 21}, 2);
        }
    }

    void DrawProgress(int x, int y, int width) {
        if (!FSkin.Progress) return;
        Draw(FSkin.Progress.get(), {x, y, width, 16}, 1);
        const TSkinElement* chunk = FSkin.Element("Progress.Chunk");
        if (!chunk) return;
        int step = chunk->Image.Width() / std::max(chunk->FrameCount, 1);
        for (int cx = x + 2; cx + step <= x + width * 6 / 10; cx += step) Draw(chunk, {cx, y + 1, step, 14}, 1);
    }

    void DrawScrollBar(Rect bar) {
        const TSkinElement* parts = FSkin.Element("Scrollbar");
        Draw(FSkin.Element("HorzScroll"), bar, 1);
        if (parts) {
            Draw(parts, {bar.Left, bar.Top, bar.Height, bar.Height}, 1);
            Draw(parts, {bar.Left + bar.Width - bar.Height, bar.Top, bar.Height, bar.Height}, 8);
        }
        Rect thumb{bar.Left + 60, bar.Top, 70, bar.Height};
        Draw(FSkin.Element("HorzScrollThumb"), thumb, 3);
        if (parts) Draw(parts, {thumb.Left + (thumb.Width - bar.Height) / 2, bar.Top, bar.Height, bar.Height}, 19);
    }

    void DrawMemo(Rect memo) {
        DrawEditFrame(memo);
        Rect bar{memo.Left + memo.Width - 18, memo.Top + 1, 17, memo.Height - 2};
        const TSkinElement* parts = FSkin.Element("Scrollbar");
        Draw(FSkin.Element("VertScroll"), bar, 1);
        if (parts) {
            Draw(parts, {bar.Left, bar.Top, 17, 17}, 9);
            Draw(parts, {bar.Left, bar.Top + bar.Height - 17, 17, 17}, 14);
        }
        Draw(FSkin.Element("VertScrollThumb"), {bar.Left, bar.Top + 20, 17, 24}, 1);
        if (parts) Draw(parts, {bar.Left, bar.Top + 23, 17, 17}, 20);
        for (int line = 0; line < 4; ++line)
            DrawLabel(FSheet, memo.Left + 6, memo.Top + 6 + 12 * line, "10.0.0." + std::to_string(line + 1), Ink());
    }

    void DrawGroupBox(Rect box) {
        Draw(FSkin.Element("GroupBoxEdge"), {box.Left, box.Top + 4, box.Width, box.Height - 4}, 1);
        if (FSkin.GroupBox) Draw(FSkin.GroupBox.get(), {box.Left + 8, box.Top, LabelWidth("OPTIONS") + 8, 11}, 1);
        DrawLabel(FSheet, box.Left + 12, box.Top + 3, "OPTIONS", Ink());
        for (int i = 0; i < 3; ++i) {
            ElementPicture check{&FSkin.Buttons.CheckImage};
            check.FrameCount = FSkin.Buttons.CheckFrameCount;
            check.Transparent = true;
            Draw({box.Left + 12, box.Top + 18 + 20 * i, 13, 13}, check, i == 1 ? 1 : 5);
            DrawLabel(FSheet, box.Left + 32, box.Top + 22 + 20 * i, i == 0 ? "STAY ON TOP" : i == 1 ? "AUTO START" : "NOTICES", Ink());
        }
    }

    void DrawTabs(Rect area) {
        Draw(FSkin.Element("Tab.Pane"), {area.Left, area.Top + 21, area.Width, area.Height - 21}, 1);
        if (!FSkin.Tabs) return;
        const int frames[] = {1, 2, 4};
        const char* labels[] = {"MAIN", "BATCH", "LOCAL"};
        int x = area.Left + 2;
        for (int i = 0; i < 3; ++i) {
            int width = LabelWidth(labels[i]) + 16;
            int lift = frames[i] == 2 ? 0 : 2;
            Draw(FSkin.Tabs.get(), {x, area.Top + lift, width, 23 - lift}, frames[i]);
            DrawLabel(FSheet, x + 8, area.Top + 9, labels[i], Ink());
            x += width;
        }
    }

    void DrawHeader(Rect area) {
        const int frames[] = {1, 4, 2};
        const char* labels[] = {"ADDRESS", "PLACE", "HOST"};
        for (int i = 0; i < 3; ++i) {
            Rect section{area.Left + i * area.Width / 3, area.Top, area.Width / 3, area.Height};
            Draw(FSkin.Element("Headerbar"), section, frames[i]);
            DrawLabel(FSheet, section.Left + 6, section.Top + 8, labels[i], Ink());
        }
    }

    void DrawTrack(Rect area) {
        Draw(FSkin.Element("Track"), {area.Left, area.Top + 8, area.Width, 6}, 1);
        const TSkinElement* thumb = FSkin.Element("Trackbar.ThumbDown");
        if (thumb) Draw(thumb, {area.Left + 60, area.Top, thumb->Image.Width() / 5, thumb->Image.Height()}, 1);
        const TSkinElement* thumb2 = FSkin.Element("Trackbar.ThumbHorz");
        if (thumb2) Draw(thumb2, {area.Left + 130, area.Top, thumb2->Image.Width() / 5, thumb2->Image.Height()}, 4);
    }

    void DrawUpDown(int x, int y) {
        if (!FSkin.UpDownVert) return;
        const TSkinBorderElement& updown = *FSkin.UpDownVert;
        int cell = updown.Image.Width() / 8;
        ElementPicture glyph = updown.SecondPicture();
        for (int i = 0; i < 2; ++i) {
            Rect button{x, y + i * updown.Image.Height(), cell, updown.Image.Height()};
            Draw(&updown, button, 1 + 4 * i);
            Draw(button, glyph, 1 + 4 * i);
        }
    }

    void DrawStatusBar(Rect bar) {
        const TSkinElement* status = FSkin.Element("StatusBarEdges");
        Draw(status, bar, 1);
        Draw(status, {bar.Left + 2, bar.Top + 3, 220, bar.Height - 4}, 2);
        Draw(status, {bar.Left + 224, bar.Top + 3, bar.Width - 244, bar.Height - 4}, 2);
        DrawLabel(FSheet, bar.Left + 8, bar.Top + 10, "READY", Ink());
        Draw(status, {bar.Left + bar.Width - 16, bar.Top, 16, bar.Height}, 3);
    }

    void DrawPopupMenu(int x, int y) {
        const TSkinElement* background = FSkin.Element("MenuBackground");
        const TSkinElement* item = FSkin.Element("MenuItem");
        Rect menu{x, y, 180, 124};
        Draw(background, menu, 1);
        const char* items[] = {"SHOW WINDOW", "BATCH LOOKUP", "-", "LOCAL INFO", "ABOUT", "EXIT"};
        int top = y + 3;
        for (int i = 0; i < 6; ++i) {
            if (items[i][0] == '-') {
                // The separator is the lower part of the second state.
                if (item) {
                    int cell = item->Image.Width() / 5, half = item->Image.Height() / 2;
                    PixelBuffer lower = item->Image.Crop({cell, half, cell, half});
                    ElementPicture picture{&lower, item->LeftWidth, 0, item->RightWidth, 0};
                    picture.Transparent = true;
                    Draw({x + 3, top, menu.Width - 6, half}, picture, 1);
                }
                top += 10;
                continue;
            }
            Rect row{x + 3, top, menu.Width - 6, 20};
            if (i == 1) Draw(item, row, 4);
            DrawLabel(FSheet, x + 34, top + 8, items[i], Ink());
            top += 20;
        }
    }

    std::vector<std::pair<std::string, ElementPicture>> Elements() const {
        std::vector<std::pair<std::string, ElementPicture>> list = {
            {"LEFT", FSkin.Left.Picture()}, {"RIGHT", FSkin.Right.Picture()},
            {"TOP", FSkin.Top.Picture()},   {"BOTTOM", FSkin.Bottom.Picture()},
        };
        for (const TSkinSysButtonElement& button : FSkin.CaptionButtons) list.push_back({button.Name, button.Picture()});
        list.push_back({"BUTTONS", FSkin.Buttons.Picture()});
        ElementPicture check{&FSkin.Buttons.CheckImage};
        check.FrameCount = FSkin.Buttons.CheckFrameCount;
        check.Transparent = true;
        list.push_back({"CHECKBUTTON", check});
        check.Image = &FSkin.Buttons.RadioImage;
        check.FrameCount = FSkin.Buttons.RadioFrameCount;
        list.push_back({"RADIOBUTTON", check});
        const TSkinElement* named[] = {FSkin.Progress.get(),   FSkin.MenuBar.get(),    FSkin.GroupBox.get(),
                                       FSkin.Tabs.get(),       FSkin.ComboButton.get(), FSkin.UpDownHorz.get(),
                                       FSkin.UpDownVert.get(), FSkin.ComboxArrow.get(), FSkin.Toolbar.get()};
        for (const TSkinElement* element : named)
            if (element) list.push_back({element->Name, element->Picture()});
        for (const auto& [name, element] : FSkin.Elements) list.push_back({name, element->Picture()});
        return list;
    }

    // One row: the name, every frame at its own size, then frame 1 stretched.
    int DrawElementRow(int y, const std::string& name, const ElementPicture& picture) {
        if (!picture.Image || picture.Image->Empty()) return y;
        DrawLabel(FSheet, 10, y + 2, name, kLabelInk);
        int frames = std::max(picture.FrameCount, 1);
        Rect cell = FrameCell(picture, 1);
        int x = 150, rowHeight = cell.Height;
        for (int frame = 1; frame <= frames; ++frame) {
            if (x + cell.Width > kSheetWidth - 10) {
                x = 150;
                y += rowHeight + 6;
            }
            Draw({x, y, cell.Width, cell.Height}, picture, frame);
            x += cell.Width + 6;
        }
        int stretchedWidth = std::min(cell.Width * 5 / 2 + 20, kSheetWidth - 160);
        int stretchedHeight = cell.Height * 3 / 2 + 4;
        if (x + stretchedWidth > kSheetWidth - 10) {
            x = 150;
            y += rowHeight + 6;
        }
        Draw({x + 10, y, stretchedWidth, stretchedHeight}, picture, 1);
        return y + std::max(rowHeight, stretchedHeight) + 10;
    }

    const TSkinData& FSkin;
    Pixel FFace;
    PixelBuffer FSheet;
};

}  // namespace

PixelBuffer RenderContactSheet(const TSkinData& skin) { return Sheet(skin).Render(); }
