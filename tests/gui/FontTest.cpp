#include "gui/Font.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct ChosenFont {
    std::wstring face;
    BYTE charset;
    LONG height;
};

ChosenFont Choose(const TFont& font) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font.Handle());
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, face);
    TEXTMETRICW metrics;
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return {face, metrics.tmCharSet, metrics.tmHeight - metrics.tmInternalLeading};
}
}  // namespace

TEST(TFont, MissingFaceFallsBackToAChineseFaceOfTheSameHeight) {
    ChosenFont chosen = Choose({.Name = "No Such Face Anywhere", .Height = -29});
    EXPECT_FALSE(chosen.face.empty());
    EXPECT_EQ(chosen.charset, GB2312_CHARSET);
    EXPECT_NEAR(chosen.height, 29, 1);
}

TEST(TFont, InstalledFaceIsKept) {
    ChosenFont chosen = Choose({.Name = "Tahoma", .Height = -11});
    EXPECT_EQ(chosen.face, L"Tahoma");
}
