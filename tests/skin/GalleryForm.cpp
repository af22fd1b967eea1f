#include "tests/skin/GalleryForm.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/gui/TestGlyph.h"

namespace {
// Shows the list as sorted by the column, so that its header section takes
// its sorted look.
void MarkSorted(HWND header, int column) {
    HDITEMW item = {};
    item.mask = HDI_FORMAT;
    SendMessageW(header, HDM_GETITEMW, WPARAM(column), reinterpret_cast<LPARAM>(&item));
    item.fmt |= HDF_SORTUP;
    SendMessageW(header, HDM_SETITEMW, WPARAM(column), reinterpret_cast<LPARAM>(&item));
}
}  // namespace

TGalleryForm::TGalleryForm()
    : TForm({.ClassName = L"TGalleryForm", .Caption = "Gallery", .ClientWidth = 915, .ClientHeight = 470}),
      FGlyph(MakeTestGlyph(4)), FSingleGlyph(MakeTestGlyph(1)) {
    CreateButtons();
    CreateBoxes();
    CreateRanges();
    CreateContainers();
    CreateLists();
    CreateScrollBars();
    Created();
}

void TGalleryForm::CreateButtons() {
    ButtonNormal.Create(*this, {.Bounds = {10, 10, 80, 25}, .Caption = "Normal"});
    ButtonHot.Create(*this, {.Bounds = {95, 10, 80, 25}, .Caption = "Hot"});
    ButtonDown.Create(*this, {.Bounds = {180, 10, 80, 25}, .Caption = "Down"});
    ButtonOff.Create(*this, {.Bounds = {265, 10, 80, 25}, .Caption = "Off", .Enabled = false});
    ButtonFocus.Create(*this, {.Bounds = {350, 10, 80, 25}, .Caption = "Focus"});
    BitBtn1.Create(*this, {.Bounds = {440, 10, 95, 25}, .Caption = "Glyph", .Glyph = FGlyph.Get(), .NumGlyphs = 4});
    BitBtnOff.Create(*this, {.Bounds = {540, 10, 90, 25},
                             .Caption = "Off",
                             .Glyph = FGlyph.Get(),
                             .NumGlyphs = 4,
                             .Enabled = false});

    SpeedFlat.Create(*this, {.Bounds = {400, 42, 55, 26}, .Caption = "Flat", .Glyph = FGlyph.Get(), .NumGlyphs = 4});
    SpeedDown.Create(*this, {.Bounds = {460, 42, 60, 26},
                             .Caption = "Down",
                             .Glyph = FGlyph.Get(),
                             .NumGlyphs = 4,
                             .GroupIndex = 1,
                             .Down = true});
    SpeedOff.Create(*this, {.Bounds = {525, 42, 50, 26},
                            .Caption = "Off",
                            .Glyph = FSingleGlyph.Get(),
                            .Enabled = false});
    SpeedRaised.Create(*this, {.Bounds = {580, 42, 50, 26}, .Caption = "Up", .Flat = false});
}

void TGalleryForm::CreateBoxes() {
    CheckOff.Create(*this, {.Bounds = {10, 45, 90, 20}, .Caption = "Check"});
    CheckOn.Create(*this, {.Bounds = {100, 45, 90, 20}, .Caption = "Checked", .Checked = true});
    CheckOffDisabled.Create(*this, {.Bounds = {200, 45, 90, 20}, .Caption = "Off"});
    CheckOffDisabled.SetEnabled(false);
    CheckOnDisabled.Create(*this, {.Bounds = {290, 45, 100, 20}, .Caption = "Off, checked", .Checked = true});
    CheckOnDisabled.SetEnabled(false);

    Edit1.Create(*this, {.Bounds = {10, 78, 140, 22}});
    Edit1.SetText("192.168.0.1");
    EditOff.Create(*this, {.Bounds = {155, 78, 100, 22}});
    EditOff.SetText("10.0.0.1");
    EditOff.SetEnabled(false);
    ComboBox1.Create(*this, {.Bounds = {260, 78, 120, 200}, .Items = {"QQWry", "Local"}, .ItemIndex = 0});
    ComboBoxOff.Create(*this, {.Bounds = {385, 78, 100, 200}, .Items = {"Off"}, .ItemIndex = 0});
    ComboBoxOff.SetEnabled(false);
    DateTimePicker1.Create(*this, {.Bounds = {490, 78, 140, 22}, .Date = {2026, 5, 1}});
}

void TGalleryForm::CreateRanges() {
    ProgressBar1.Create(*this, {.Bounds = {10, 112, 200, 18}, .Position = 60});
    TrackBar1.Create(*this, {.Bounds = {220, 105, 200, 32}, .Position = 3});
    UpDownHorz.Create(*this, {.Bounds = {430, 110, 40, 22}, .Position = 5, .Orientation = TOrientation::Horizontal});
    EditSpin.Create(*this, {.Bounds = {480, 110, 80, 22}});
    UpDown1.Create(*this, {.Bounds = {560, 110, 17, 22}, .Position = 42, .Associate = &EditSpin});
}

void TGalleryForm::CreateContainers() {
    GroupBox1.Create(*this, {.Bounds = {10, 145, 200, 110}, .Caption = "Options"});
    StayOnTop.Create(GroupBox1, {.Bounds = {12, 22, 170, 20}, .Caption = "Stay on top", .Checked = true});
    AutoStart.Create(GroupBox1, {.Bounds = {12, 50, 170, 20}, .Caption = "Auto start"});
    Notices.Create(GroupBox1, {.Bounds = {12, 78, 170, 20}, .Caption = "Notices", .Checked = true});
    TabControl1.Create(*this, {.Bounds = {220, 145, 220, 110}, .Tabs = {"Main", "Batch", "Local"}, .TabIndex = 1});
    Panel1.Create(*this, {.Bounds = {450, 145, 180, 110}});
    Label1.Create(Panel1, {.Bounds = {10, 10, 160, 20}, .Caption = "A label on a panel"});
    DateTimePickerOff.Create(Panel1, {.Bounds = {10, 40, 140, 22}, .Date = {2026, 5, 2}});
    DateTimePickerOff.SetEnabled(false);
    PageControl1.Create(*this, {.Bounds = {780, 145, 125, 110}, .Pages = {"Page", "Two"}});
    PageCheck.Create(PageControl1.Sheet(0), {.Bounds = {8, 10, 100, 20}, .Caption = "On a page", .Checked = true});
    AdvPages.Create(*this, {.Bounds = {780, 55, 125, 80},
                            .Pages = {"Adv", "Page"},
                            .ClassName = L"TAdvPageControl",
                            .PageClassName = L"TAdvTabSheet"});
    TabSet1.Create(*this, {.Bounds = {780, 10, 125, 36}, .Tabs = {"Set", "Hangs"}, .TabIndex = 0});
}

void TGalleryForm::CreateLists() {
    // More rows and wider columns than it shows, for both its bars.
    std::vector<std::vector<std::string>> rows;
    const char* places[] = {"Here", "There", "Elsewhere"};
    for (int i = 1; i <= 20; ++i)
        rows.push_back({"10.0.0." + std::to_string(i), places[i % 3], "host" + std::to_string(i)});
    ListView1.Create(*this, {.Bounds = {10, 265, 260, 130},
                             .Columns = {{"Address", 90}, {"Place", 80}, {"Host", 110}},
                             .Items = rows});
    ListView1.SetItemIndex(1);
    MarkSorted(ListView1.HeaderHandle(), 0);
    Memo1.Create(*this, {.Bounds = {280, 265, 180, 130}});
    std::vector<std::string> lines;
    for (int i = 1; i <= 12; ++i) lines.push_back("10.0.0." + std::to_string(i));
    Memo1.SetLines(lines);
    TrackBarVert.Create(*this, {.Bounds = {470, 265, 32, 130}, .Position = 7, .Orientation = TOrientation::Vertical});
    TabControlOff.Create(*this, {.Bounds = {510, 265, 120, 60}, .Tabs = {"Off", "Tab"}, .TabIndex = 0});
    TabControlOff.SetEnabled(false);
    MenuButton1.Create(*this, L"TRzMenuButton", {.Bounds = {510, 330, 120, 34}, .Caption = "Menu||button"});
    MenuButtonOff.Create(*this, L"TRzMenuButton", {.Bounds = {510, 366, 120, 34}, .Caption = "Off", .Enabled = false});
    MediaPlayer1.Create(*this, {.Bounds = {645, 265, 125, 24}});
    // Some buttons hidden, some disabled, none coloured.
    MediaPlayerPart.Create(*this, {.Bounds = {645, 295, 125, 24},
                                   .VisibleButtons = {TMPBtnType::btPlay, TMPBtnType::btPause, TMPBtnType::btStop,
                                                      TMPBtnType::btEject},
                                   .EnabledButtons = {TMPBtnType::btPlay, TMPBtnType::btEject},
                                   .ColoredButtons = {}});
    RzCheckOn.Create(*this, {.Bounds = {645, 325, 125, 20}, .Caption = "Rz checked", .Checked = true});
    RzRadioOff.Create(*this, {.ClassName = L"TRzRadioButton", .Bounds = {645, 348, 125, 20}, .Caption = "Rz radio",
                              .Radio = true});
    CxCheckOff.Create(*this, {.ClassName = L"TcxCheckBox", .Bounds = {645, 371, 125, 20}, .Caption = "cx, off",
                              .Enabled = false});

    StatusBarSimple.Create(*this, {.Bounds = {10, 405, 895, 22}, .SimplePanel = true, .SimpleText = "Simple text"});
    StatusBar1.Create(*this, {.Bounds = {0, 446, 915, 24},
                              .Panels = {{"Ready", 200}, {"192.168.0.1", 200}, {"Quorvik", 50}}});
}

void TGalleryForm::CreateScrollBars() {
    ScrollBarHorz.Create(*this, {.Bounds = {645, 10, 125, 17}, .Position = 30});
    ScrollBarOff.Create(*this, {.Bounds = {645, 32, 125, 17}, .Position = 60});
    ScrollBarOff.SetEnabled(false);
    ScrollBarVert.Create(*this, {.Bounds = {750, 55, 17, 190}, .Position = 40, .Orientation = TOrientation::Vertical});
}

void TGalleryForm::ShowPointerPressAndFocus() {
    ButtonFocus.SetFocus();
    SendMessageW(ButtonDown.Handle(), BM_SETSTATE, TRUE, 0);
    RECT hot;
    GetWindowRect(ButtonHot.Handle(), &hot);
    SetCursorPos((hot.left + hot.right) / 2, (hot.top + hot.bottom) / 2);
}
