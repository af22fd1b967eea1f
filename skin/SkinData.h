#pragma once
#include <bitset>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/ByteView.h"
#include "skin/SkinArchive.h"
#include "skin/SkinElements.h"
#include "skin/SkinHost.h"

enum TSkinControlTypes {
    scMainMenu, scPopupMenu, scMenuItem, scToolbar, scControlbar, scCombo, scCheckBox,
    scRadioButton, scProgress, scScrollbar, scEdit, scButton, scBitBtn, scSpeedButton, scSpin,
    scPanel, scGroupBox, scStatusBar, scTab, scTrackBar, scSystemMenu, scFastReport,
    scControlTypeCount
};
using TSkinControls = std::bitset<scControlTypeCount>;

enum TSkinOptions {
    soMDIScrollbar, soMenuMerge, soTransparent, soPreview, soParentBackGround, soNoFocusRect,
    soToolbarBK, soMDIChildBorder, soMenuBG, soFormScrollbar, soOptionCount
};
using TSkinOptionSet = std::bitset<soOptionCount>;

enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

// The skin's named colours, with system colours where the skin gives none.
struct TSkinColours {
    TColor WindowText = 0, ButtonFace = 0, Scrollbar = 0, HilightText = 0, Hilight = 0;
    TColor Menubar = 0, Menu = 0, MenuText = 0, ButtonText = 0, ButtonHilight = 0;
    TColor Buttonlight = 0, ButtonShadow = 0, ButtonDkShadow = 0, MenuBarText = 0;
    TColor TitleTextActive = 0, TitleTextNoActive = 0;
};

// A description longer than this is no skin's: refusing it keeps a small
// stream from spreading into millions of lines.
inline constexpr uint64_t kMaxDescriptionBytes = 1 << 20;

// The class-name mapping a new component starts with ("name=kind" lines),
// and the one a form stores: the same without its seven toolbar classes.
const std::vector<std::string>& DefaultClassMap();
const std::vector<std::string>& FormClassMap();

// The skin data component: holds one compressed skin (the skin stream) and,
// once loaded, the elements, colours and caption settings the skin engine
// draws with.
class TSkinData {
public:
    explicit TSkinData(const TSkinHost& host);
    TSkinData(const TSkinData&) = delete;
    TSkinData& operator=(const TSkinData&) = delete;

    // Published properties.
    bool Active = false;
    int DisableTag = 99;
    TSkinControls SkinControls;
    TSkinOptionSet Options;
    std::vector<std::string> ClassMap;
    TSkinFormType SkinFormtype = sfMainform;
    bool MenuUpdate = true;
    bool MenuMerge = false;
    std::string SkinStore() const { return "(none)"; }  // "(Good)" only while designing
    std::string Version() const { return "2.1.0.0"; }
    const std::string& SkinFile() const { return FSkinFile; }
    // Loads the skin in the named file; a file that cannot be read or holds
    // no skin archive leaves the loaded skin as it was.
    void SetSkinFile(const std::string& path);

    std::function<void(TSkinData* sender, const std::string& className, bool& doSkin)> OnFormSkin;
    std::function<void(TSkinData* sender)> OnSkinChanged;
    std::function<void(TSkinData* sender, void* window, const std::string& className)> OnBeforeSkinForm;
    std::function<void(TSkinData* sender, void* window, const std::string& className)> OnAfterSkinForm;

    // The SkinStream property as form data holds it: a 32-bit little-endian
    // count, then that many bytes. Reading loads the skin at once.
    void ReadSkinStream(ByteView property);
    std::vector<uint8_t> WriteSkinStream() const;

    // After the form data is read: a component without a skin cannot be
    // active, and only one of the menu-item and system-menu kinds is kept.
    void Loaded();

    bool SkinEmpty() const { return FSkinEmpty; }

    // The loaded skin.
    std::string SkinName;
    TSkinFrameBorder Left, Right, Top, Bottom;
    TSkinColours Colours;
    std::vector<TColor> IndexedColours;
    TColor CustomColours[10] = {};
    std::vector<TSkinSysButtonElement> CaptionButtons;
    TSkinButtonElement Buttons;
    TSkinTitleElement Title;
    std::unique_ptr<TSkinElement> Progress;
    std::unique_ptr<TSkinElement> MenuBar;
    std::unique_ptr<TSkinBoxLabelElement> GroupBox;
    std::unique_ptr<TSkinBorderElement> Tabs, ComboButton, UpDownHorz, UpDownVert;
    std::unique_ptr<TSkinElement> ComboxArrow, Toolbar;
    PixelBuffer ComboButtonOriginal;  // the combo button image as the skin gave it
    TColor FrameColour = 0;
    // Elements read with the common keys, by section name ("Scrollbar").
    const TSkinElement* Element(const std::string& section) const;
    std::map<std::string, std::unique_ptr<TSkinElement>> Elements;

    const TSkinHost& Host() const { return FHost; }

private:
    void LoadSkin();
    // False, with the version message when the format is another one, when
    // the stream holds no archive.
    bool OpenArchive(TSkinReader& archive, const std::vector<uint8_t>& stream) const;
    void LoadArchive(const TSkinReader& archive);
    void ClearSkin();

    const TSkinHost& FHost;
    std::vector<uint8_t> FSkinStream;
    std::string FSkinFile;
    bool FSkinEmpty = true;
};
