#pragma once
#include <windows.h>

#include "tests/e2e/FakeBrowser.h"

// The accessibility-tree stand-in for the browsers read through
// accessibility. Command line: shape, frame class, options, address, each
// separated by one blank (the address last, as it may hold blanks).
// Shapes: "Chromium" (the field among buttons in a toolbar), "FirefoxText"
// (editable text in the toolbar) and "FirefoxCombo" (the text inside a combo
// box). Options, joined by commas or "-" for none:
//   chinese   names in Chinese;       focused   the field has the focus;
//   bigpage   a page of 10,000 elements;  changing  the toolbar is made anew
//   whenever it is walked;          quiet     no value-change events;
//   hang      the first walk stops answering halfway for 4 s.
// The page always holds a search field of its own, ahead of the toolbar.
//
// Tests set the address with WM_SETTEXT on the frame (the stand-in raises
// EVENT_OBJECT_VALUECHANGE as browsers do), and can make the next walk stop
// answering halfway for wParam ms with kFakeBrowserHang.

// What the page's own search field holds: never the address.
inline const char kPageSearchAddress[] = "http://127.0.0.66/";
