#include "skin/data/SkinData.h"

namespace {

// The seven toolbar classes at the end, which forms leave out.
constexpr size_t kToolbarClassLines = 7;

}  // namespace

// Foreign control classes and the kind of control the skin engine treats
// them as; the first matching line wins, so the repeated lines and the
// upper-case TLMDGROUPBOX line below never decide anything. The toolbar
// classes come last so that a form can store the list without them.
const std::vector<std::string>& DefaultClassMap() {
    static const std::vector<std::string> lines = {
        "TCategoryButtons=scrollbar", "TVirtualStringTree=scrollbar", "TVirtualDrawTree=scrollbar",
        "TAdvPanelGroup=scrollbar", "THTMLViewer=scrollbar", "TDBCtrlGrid=scrollbar",
        "TImageEnMView=scrollbar", "TImageEnView=scrollbar", "TAdvMemo=scrollbar",
        "TDBAdvMemo=scrollbar", "TPngBitBtn=pngbitbtn", "TTBXDockablePanel=panel", "TControlBar=panel",
        "TTBDock=panel", "TTBToolbar=panel", "TRzGroup=panel", "TLMDCalculator=panel",
        "TLMDSIMPLEPANEL=panel", "TLMDDBCalendar=panel", "TLMDButtonPanel=panel",
        "TLMDLMDCalculator=panel", "TLMDHeaderPanel=panel", "TLMDTechnicalLine=panel",
        "TLMDLMDClock=panel", "TLMDTrackbar=panel", "TComboboxex=combobox",
        "TcxDBLookupComboBox=combobox", "TcxDBComboBox=combobox", "TcxDBDateEdit=combobox",
        "TcxDBImageComboBox=combobox", "TcxDBCalcEdit=combobox", "TcxDBBlobEdit=combobox",
        "TcxDBPopupEdit=combobox", "TcxDBFontNameComboBox=combobox", "TcxDBShellComboBox=combobox",
        "TRxLookupEdit=combobox", "TRxDBLookupCombo=combobox", "TRzDateTimeEdit=combobox",
        "TRzColorEdit=combobox", "TRzDateTimePicker=combobox", "TRzDBDateTimeEdit=combobox",
        "TRzDbColorEdit=combobox", "TRzDBDateTimePicker=combobox", "TLMDListCombobox=combobox",
        "TLMDCheckListCombobox=combobox", "TLMDHeaderListCombobox=combobox",
        "TLMDImageCombobox=combobox", "TLMDColorCombobox=combobox", "TLMDFontCombobox=combobox",
        "TLMDFontSizeCombobox=combobox", "TLMDPrinterCombobox=combobox", "TLMDDriveCombobox=combobox",
        "TLMDCalculatorComboBox=combobox", "TLMDTrackBarComboBox=combobox",
        "TLMDCalendarComboBox=combobox", "TLMDTreeComboBox=combobox", "TDBLookupCombobox=combobox",
        "TWWDBCombobox=combobox", "TWWDBLookupCombo=combobox", "TWWKeyCombo=combobox",
        "TWWTempKeyCombo=combobox", "TWWDBDateTimePicker=combobox", "TRxSpeedButton=speedbutton",
        "TfrSpeedButton=speedbutton", "TfrTBButton=speedbutton", "TRzButton=button", "TRzBitbtn=bitbtn",
        "TLMDButton=bitbtn", "TcxButton=bitbtn", "TRzMenuButton=menubtn", "TRzCheckGroup=checkgroup",
        "TLMDCheckGroup=checkgroup", "TLMDDBCheckGroup=checkgroup", "TRzRadioGroup=radiogroup",
        "TRzDBRadioGroup=radiogroup", "TLMDRADIOGROUP=radiogroup", "TLMDDBRADIOGROUP=radiogroup",
        "TWWRADIOGROUP=radiogroup", "TcxDBRadioGroup=radiogroup", "TcxRadioGroup=radiogroup",
        "TRzButtonEdit=edit", "TLMDCalculatorEdit=edit", "TLMDEDIT=edit", "TLMDMASKEDIT=edit",
        "TLMDBROWSEEDIT=edit", "TLMDEXTSPINEDIT=edit", "TLMDCALENDAREDIT=edit", "TLMDFILEOPENEDIT=edit",
        "TLMDFILESAVEEDIT=edit", "TLMDCOLOREDIT=edit", "TLMDDBEDIT=edit", "TLMDDBMASKEDIT=edit",
        "TLMDDBEXTSPINEDIT=edit", "TLMDDBSPINEDIT=edit", "TLMDDBEDITDBLookup=edit",
        "TLMDEDITDBLookup=edit", "TWWDBEDIT=edit", "TOVCPICTUREFIELD=edit", "TOVCDBPICTUREFIELD=edit",
        "TOVCSLIDEREDIT=edit", "TOVCDBSLIDEREDIT=edit", "TOVCSIMPLEFIELD=edit",
        "TOVCDBSIMPLEFIELD=edit", "TO32DBFLEXEDIT=edit", "TOVCNUMERICFIELD=edit",
        "TOVCDBNUMERICFIELD=edit", "TRzDBRadioButton=radiobutton", "TLMDRadiobutton=radiobutton",
        "TLMDGroupBox=Groupbox", "TcxGroupbox=groupbox", "TDBCheckboxEh=checkbox",
        "TLMDCHECKBOX=checkbox", "TLMDDBCHECKBOX=checkbox", "TLMDGROUPBOX=panel", "TcxButton=bitbtn",
        "TLMDEDIT=edit", "TWWDBCombobox=combobox", "trmtoolbarsize=panel", "trmtoolbar=panel",
        "trmtoolbaredit=panel", "trmtoolbarborder=panel", "trmtoolbaralign=panel",
        "trmtoolbarstandard=panel", "trmtoolbaraddintools=panel",
    };
    return lines;
}

const std::vector<std::string>& FormClassMap() {
    static const std::vector<std::string> lines(DefaultClassMap().begin(), DefaultClassMap().end() - kToolbarClassLines);
    return lines;
}
