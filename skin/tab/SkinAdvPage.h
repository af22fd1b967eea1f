#pragma once
#include "skin/tab/SkinTab.h"

// Page controls of the "advpagecontrol" kind: drawn as a tab control, with
// pages of that family's own page class.
class TSkinAdvPage : public TSkinTab {
public:
    using TSkinTab::TSkinTab;

protected:
    SkinnerKind Kind() const override { return SkinnerKind::TSkinAdvPage; }
};
