#pragma once
#include <bitset>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/ByteView.h"
#include "base/Events.h"
#include "skin/data/SkinElements.h"
#include "skin/data/SkinHost.h"
#include "skin/stream/SkinArchive.h"

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

// What the platform keeps beside a skin (its device objects); the skin
// data owns it and lets it go with itself.
class TSkinPlatformData {
public:
    virtual ~TSkinPlatformData() = default;
};

// The skin data component: holds one compressed skin (the skin stream) and,
// once loaded, the elements, colours and caption settings the skin engine
// draws with. Its life events go to its host, which on Windows hands them to
// the skin manager.
class TSkinData : public TObject {
public:
    // owner: the form that carries the component (null for none).
    explicit TSkinData(const TSkinHost& host, TObject* owner = nullptr);
    ~TSkinData() override;
    TSkinData(const TSkinData&) = delete;
    TSkinData& operator=(const TSkinData&) = delete;

    TObject* Owner() const { return FOwner; }

    // Published properties. Active, set while the form data is read, only
    // takes effect in Loaded; set later, it skins or unskins at once.
    bool Active() const { return FActive; }
    void SetActive(bool active);
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

    std::function<void(TObject* Sender, const std::string& aName, bool& DoSkin)> OnFormSkin;
    TNotifyEvent OnSkinChanged;
    std::function<void(TObject* Sender, void* ahwnd, const std::string& aName)> OnBeforeSkinForm;
    std::function<void(TObject* Sender, void* ahwnd, const std::string& aName)> OnAfterSkinForm;
    // Lets the host supply its own skinner for a control: Form and Control
    // are the platform's form and control, ControlClass the control's class
    // name in capitals; a skinner given back in SkinnedControl is used.
    std::function<void(TObject* Sender, TSkinData* SkinData, TObject* Form, TObject* Control,
                       const std::string& ControlClass, TObject*& SkinnedControl)>
        OnSkinControl;

    // The SkinStream property as form data holds it: a 32-bit little-endian
    // count, then that many bytes. Reading loads the skin at once.
    void ReadSkinStream(ByteView property);
    std::vector<uint8_t> WriteSkinStream() const;

    // After the form data is read: a component without a skin cannot be
    // active, and only one of the menu-item and system-menu kinds is kept;
    // then the host starts skinning.
    void Loaded();
    bool IsLoaded() const { return FLoaded; }

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
    // The platform's objects for this skin, made by the platform.
    std::unique_ptr<TSkinPlatformData> Platform;

private:
    void LoadSkin();
    // False, with the version message when the format is another one, when
    // the stream holds no archive.
    bool OpenArchive(TSkinReader& archive, const std::vector<uint8_t>& stream) const;
    void LoadArchive(const TSkinReader& archive);
    void ClearSkin();

    const TSkinHost& FHost;
    TObject* FOwner;
    bool FActive = false;
    bool FLoaded = false;
    std::vector<uint8_t> FSkinStream;
    std::string FSkinFile;
    bool FSkinEmpty = true;
};
