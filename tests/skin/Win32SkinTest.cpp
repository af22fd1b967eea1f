#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>

#include "base/win32/Win32Text.h"

#include "skin/data/ProgramResource.h"
#include "skin/data/SkinData.h"
#include "skin/data/Win32SkinHost.h"
#include "skin/draw/DibOutput.h"
#include "skin/draw/Offscreen.h"
#include "skin/stream/BitmapReader.h"

namespace {

// A 4x2 memory device painted grey, read back pixel by pixel.
class MemoryDevice : public ::testing::Test {
protected:
    void SetUp() override {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = 4;
        info.bmiHeader.biHeight = -2;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        dc = CreateCompatibleDC(nullptr);
        previous = SelectObject(dc, bitmap);
        std::fill(bits, bits + 8, Pixel(0x808080));
    }
    void TearDown() override {
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    std::vector<Pixel> Row(int y) {
        GdiFlush();
        return {bits + 4 * y, bits + 4 * y + 4};
    }

    HBITMAP bitmap = nullptr;
    Pixel* bits = nullptr;
    HDC dc = nullptr;
    HGDIOBJ previous = nullptr;
};

PixelBuffer Picture() {
    PixelBuffer picture(2, 2, 0x112233);
    picture.Set(1, 0, kMagenta);
    picture.Set(0, 1, 0x0000FF);
    return picture;
}

TEST_F(MemoryDevice, DrawPixelBuffer_CopiesEveryPixelTopDown) {
    DrawPixelBuffer(dc, 1, 0, Picture());
    EXPECT_EQ(Row(0), (std::vector<Pixel>{0x808080, 0x112233, kMagenta, 0x808080}));
    EXPECT_EQ(Row(1), (std::vector<Pixel>{0x808080, 0x0000FF, 0x112233, 0x808080}));
}

// The element's own flag decides: a transparent one keeps the canvas under
// its magenta, an opaque one paints magenta like any colour.
TEST(DrawElement, LeavesOutMagentaExactlyWhenTheElementIsTransparent) {
    PixelBuffer image = Picture();
    for (bool transparent : {true, false}) {
        TOffscreen canvas(3, 2);
        canvas.Fill(RGB(0x80, 0x80, 0x80));
        DrawElement(canvas, {1, 0, 2, 2}, {.Image = &image, .Transparent = transparent}, 1);
        PixelBuffer shown = canvas.Pixels();
        EXPECT_EQ(shown.At(2, 0), transparent ? Pixel(0x808080) : kMagenta);
        EXPECT_EQ(shown.At(1, 0), Pixel(0x112233));
        EXPECT_EQ(shown.At(0, 0), Pixel(0x808080));
        EXPECT_EQ(shown.At(1, 1), Pixel(0x0000FF));
    }
}

TEST(Win32SkinHost, AnswersWithTheSystemsColoursAndMetrics) {
    TWin32SkinHost host;
    EXPECT_EQ(host.SystemColor(SystemColour::ButtonFace), TColor(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(host.SystemColor(SystemColour::Highlight), TColor(GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_EQ(host.ScrollArrowWidth(), GetSystemMetrics(SM_CXVSCROLL));
}

TEST(Win32SkinHost, ProgramBitmaps_AreTheLinkedResources) {
    TWin32SkinHost host;
    for (const char* name : {"TRACK", "TRACKVERT", "TARNWYKMENU"}) {
        std::vector<uint8_t> dib = host.ProgramBitmap(name);
        ASSERT_FALSE(dib.empty()) << name;
        PixelBuffer image = ReadPackedBitmap(ByteView(dib.data(), dib.size(), kBitmapDamaged));
        EXPECT_GT(image.Width(), 0) << name;
    }
}

TEST(EmbeddedSkin, LoadsFromTheProgramsResource) {
    TSkinData skin(SystemSkinHost());
    ReadSkinStreamResource(skin);
    EXPECT_FALSE(skin.SkinEmpty());
    EXPECT_EQ(skin.SkinName, "Quorvik Classic");
    EXPECT_EQ(skin.Colours.ButtonFace, 226 | 228 << 8 | 232 << 16);
}

// A skin file in a folder whose name only code page 936 can spell: the path
// reaches the system in UTF-16, whatever the ANSI code page.
TEST(EmbeddedSkin, SkinFileAtAChinesePath_Loads) {
    std::vector<uint8_t> property = ProgramResource(kSkinStreamResource, RT_RCDATA);
    ASSERT_GT(property.size(), 4u);
    std::filesystem::path folder = std::filesystem::temp_directory_path() / L"quorvik-\u76AE\u80A4";
    std::filesystem::create_directories(folder);
    std::filesystem::path file = folder / L"\u7ECF\u5178.skn";
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(property.data() + 4), property.size() - 4);

    TSkinData skin(SystemSkinHost());
    skin.SetSkinFile(Narrow(file.wstring()));
    EXPECT_FALSE(skin.SkinEmpty());
    EXPECT_EQ(skin.SkinName, "Quorvik Classic");
    std::filesystem::remove_all(folder);
}

}  // namespace
