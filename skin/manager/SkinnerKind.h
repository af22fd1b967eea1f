#pragma once

// The control skinners the dispatch can ask for, named after their classes;
// variants of one class that the factory builds differently have their own
// entry. None: the control keeps its native look.
enum class SkinnerKind {
    None,
    TSkinButton,
    TSkinCheckBox,
    TSkinRadioButton,
    TSkinGroupBox,
    TSkinBox,
    TSkinEdit,
    TSkinScrollbar,
    TSkinScrollbarSingle,    // a control that is itself one scroll bar
    TSkinScrollbarEmbedded,  // the bars of a child, attached for its container
    TSkinComBox,
    TSkinDateTime,
    TSkinListView,
    TSkinHeader,
    TSkinStatusBar,
    TSkinTrackBar,
    TSkinProgress,
    TSkinTab,
    TSkinTab31,
    TSkinTabSheet,  // a page of a page control, reached through its TSkinTab
    TSkinAdvPage,
    TSkinUpDown,
    TSkinMP,
    TSkinBitButton,
    TSkinBitButtonPng,  // glyph from the PngImage property
    TSkinMenuButton,
    TSkinSpeedButton,
    TSkinObjImageCheckBox,
    TSkinObjImageRadioButton,
    TSkinObjImageCxCheckBox,  // the check boxes of the cx family
    TSkinSizer,
    TSkinBoxH,
};

// When the children of a control or window go through the dispatch
// themselves, relative to the skinner of the control.
enum class ChildWalk {
    None,
    BeforeSkinner,
    AfterSkinner,
    OwnedComponentsAfterSkinner,  // an inner form: the components it owns, as a form's are walked
    // Its bare child windows (a list view's header), by the rules for the
    // children of a dialog box.
    ChildWindowsAfterSkinner,
};
