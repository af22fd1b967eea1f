#pragma once
#include "skin/control/SkinControl.h"

// Group boxes: the skin's button face, a rounded frame in its button
// shadow colour starting half a text height below the top, and the caption
// on the face. A framework group box gives its whole painting over. A bare
// one (of a dialog) paints itself first; the skin then covers its frame and
// caption only, as the sibling controls inside it are not its children.
class TSkinGroupBox : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

protected:
    void Draw(TOffscreen& canvas) override;

private:
    COLORREF CaptionColor() const;
};
