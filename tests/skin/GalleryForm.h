#pragma once
#include "base/win32/Handles.h"
#include "gui/BitBtn.h"
#include "gui/Button.h"
#include "gui/ComboBox.h"
#include "gui/DateTimePicker.h"
#include "gui/Edit.h"
#include "gui/Form.h"
#include "gui/GlyphCheckBox.h"
#include "gui/GroupBox.h"
#include "gui/Label.h"
#include "gui/ListView.h"
#include "gui/MediaPlayer.h"
#include "gui/PageControl.h"
#include "gui/ProgressBar.h"
#include "gui/ScrollBar.h"
#include "gui/SpeedButton.h"
#include "gui/StatusBar.h"
#include "gui/TabControl.h"
#include "gui/TrackBar.h"
#include "gui/UpDown.h"
#include "tests/skin/ForeignButton.h"
#include "tests/skin/ForeignTabSet.h"

// One of each standard control the skin engine serves, in every state its
// skinners draw (two controls where a state needs its own), laid out like
// the skin's preview sheet so the two can be looked at side by side.
class TGalleryForm : public TForm {
public:
    TGalleryForm();

    // The states that the mouse, a press or the focus make: the pointer
    // rests on ButtonHot, ButtonDown is held pressed, ButtonFocus has the
    // focus (shown while the form is active).
    void ShowPointerPressAndFocus();

    // Row by row as on the sheet: push and bitmap buttons; check boxes and
    // speed buttons; edits, combo boxes and a date; progress, track and
    // up-down; group box, tabs and panel (with a disabled date); list, memo,
    // an upright track bar and menu buttons, and beside them media players
    // and foreign check boxes; the status bars. In the rightmost column, the
    // page controls and the tab set.
    TButton ButtonNormal, ButtonHot, ButtonDown, ButtonOff, ButtonFocus;
    TBitBtn BitBtn1, BitBtnOff;
    TCheckBox CheckOff, CheckOn, CheckOffDisabled, CheckOnDisabled;
    TSpeedButton SpeedFlat, SpeedDown, SpeedOff, SpeedRaised;
    TEdit Edit1, EditOff;
    TComboBox ComboBox1, ComboBoxOff;
    TDateTimePicker DateTimePicker1;
    TProgressBar ProgressBar1;
    TTrackBar TrackBar1;
    TUpDown UpDownHorz;
    TEdit EditSpin;
    TUpDown UpDown1;
    TGroupBox GroupBox1;
    TCheckBox StayOnTop, AutoStart, Notices;
    TTabControl TabControl1, TabControlOff;
    TPanel Panel1;
    TPageControl PageControl1;
    TCheckBox PageCheck;  // on the page control's first page
    TPageControl AdvPages;  // of a class the tests' ClassMap gives the "advpagecontrol" kind
    TForeignTabSet TabSet1;  // tabs hanging below, of the class a tab set has
    TLabel Label1;
    TDateTimePicker DateTimePickerOff;
    TListView ListView1;
    TMemo Memo1;
    TTrackBar TrackBarVert;
    TForeignButton MenuButton1, MenuButtonOff;  // of a class the ClassMap gives the "menubtn" kind
    TMediaPlayer MediaPlayer1, MediaPlayerPart;
    TGlyphCheckBox RzCheckOn, RzRadioOff, CxCheckOff;
    TStatusBar StatusBarSimple, StatusBar1;
    // At the right, beside the buttons: scroll bar controls, one disabled.
    TScrollBar ScrollBarHorz, ScrollBarOff, ScrollBarVert;

private:
    void CreateButtons();
    void CreateBoxes();
    void CreateRanges();
    void CreateContainers();
    void CreateLists();
    void CreateScrollBars();

    // Four cells (up, disabled, pressed, stays down) for the glyph buttons;
    // one cell, drawn greyed, for a disabled one.
    TBitmap FGlyph, FSingleGlyph;
};
