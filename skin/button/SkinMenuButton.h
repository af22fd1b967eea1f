#pragma once
#include "skin/button/SkinButton.h"

// Menu buttons (the "menubtn" kind, and drop-down buttons of the "bitbtn"
// kind): a push button as TSkinButton draws and clicks it, its caption
// (with "||" line breaks) beside the small arrow that tells it opens a menu.
class TSkinMenuButton : public TSkinButton {
public:
    using TSkinButton::TSkinButton;

protected:
    void DrawFace(TOffscreen& canvas, int frame, bool focused) override;
};
