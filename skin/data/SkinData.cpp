#include "skin/data/SkinData.h"


#include "skin/data/SkinLoading.h"

TSkinData::TSkinData(const TSkinHost& host, TObject* owner)
    : ClassMap(DefaultClassMap()), FHost(host), FOwner(owner) {
    SkinControls.set();
    SkinControls.reset(scMenuItem);
    SkinControls.reset(scFastReport);
    Options.set(soPreview);
    Options.set(soToolbarBK);
}

TSkinData::~TSkinData() { FHost.SkinDataDestroyed(*this); }

void TSkinData::SetActive(bool active) {
    FActive = active;
    if (FLoaded) FHost.SkinDataActivated(*this, active);
}

const TSkinElement* TSkinData::Element(const std::string& section) const {
    auto found = Elements.find(section);
    return found == Elements.end() ? nullptr : found->second.get();
}

void TSkinData::ReadSkinStream(ByteView property) {
    FSkinStream.clear();
    // A count running past the form data leaves the stream empty, like a
    // count of 0: the skin then stays empty instead of failing the form.
    if (property.Contains(0, 4)) {
        int32_t count = property.I32(0);
        if (count > 0 && property.Contains(4, uint64_t(count))) {
            const uint8_t* bytes = property.At(4, uint64_t(count));
            FSkinStream.assign(bytes, bytes + count);
        }
    }
    LoadSkin();
}

std::vector<uint8_t> TSkinData::WriteSkinStream() const {
    uint32_t count = uint32_t(FSkinStream.size());
    std::vector<uint8_t> property = {uint8_t(count), uint8_t(count >> 8), uint8_t(count >> 16), uint8_t(count >> 24)};
    property.resize(4 + FSkinStream.size());
    std::copy(FSkinStream.begin(), FSkinStream.end(), property.begin() + 4);
    return property;
}

void TSkinData::SetSkinFile(const std::string& path) {
    FSkinFile = path;
    // Nothing changes unless the file holds a skin archive: a missing,
    // unreadable, oversized or damaged file leaves the skin as it was.
    std::optional<std::vector<uint8_t>> bytes = FHost.ReadFile(path, kLzhMaxLength);
    if (!bytes) return;
    TSkinReader archive;
    if (!OpenArchive(archive, *bytes)) return;
    FSkinStream = std::move(*bytes);
    LoadArchive(archive);
    if (FLoaded) FHost.SkinDataReloaded(*this);
}

void TSkinData::Loaded() {
    FLoaded = true;
    if (SkinFormtype == sfMainform) {
        if (FActive && FSkinEmpty) FActive = false;
        if (SkinControls.test(scMainMenu))
            SkinControls.reset(scMenuItem);
        else
            SkinControls.reset(scSystemMenu);
    }
    FHost.SkinDataLoaded(*this);
}

void TSkinData::ClearSkin() {
    SkinName.clear();
    Left = Right = Top = Bottom = TSkinFrameBorder();
    Colours = TSkinColours();
    IndexedColours.clear();
    std::fill(std::begin(CustomColours), std::end(CustomColours), 0);
    CaptionButtons.clear();
    Buttons = TSkinButtonElement();
    Title = TSkinTitleElement();
    Progress.reset();
    MenuBar.reset();
    GroupBox.reset();
    Tabs.reset();
    ComboButton.reset();
    UpDownHorz.reset();
    UpDownVert.reset();
    ComboxArrow.reset();
    Toolbar.reset();
    ComboButtonOriginal = PixelBuffer();
    FrameColour = 0;
    Elements.clear();
}

namespace {

ByteView Description(const TSkinReader& archive) {
    const TSkinReader::Entry* description = archive.FindContaining(".ini");
    return description ? archive.Data(*description) : ByteView();
}

}  // namespace

void TSkinData::LoadSkin() {
    FSkinEmpty = true;
    ClearSkin();
    TSkinReader archive;
    if (OpenArchive(archive, FSkinStream)) LoadArchive(archive);
}

bool TSkinData::OpenArchive(TSkinReader& archive, const std::vector<uint8_t>& stream) const {
    try {
        if (!archive.ReadStream(stream.data(), stream.size())) {
            FHost.ShowMessage(kSkinVersionMessage);
            return false;
        }
        return Description(archive).Size() <= kMaxDescriptionBytes;
    } catch (const std::exception&) {
        return false;  // damaged compression: no skin in these bytes
    }
}

void TSkinData::LoadArchive(const TSkinReader& archive) {
    FSkinEmpty = true;
    ClearSkin();
    try {
        ByteView text = Description(archive);
        ReadSkinDescription(*this, archive, TSkinIni({reinterpret_cast<const char*>(text.Data()), size_t(text.Size())}));
        PrepareSkin(*this);
        FSkinEmpty = false;
    } catch (const std::exception&) {
        // A damaged skin leaves the skin empty; the windows keep their own look.
        ClearSkin();
    }
}
