#pragma once
#include <windows.h>

#include "tests/e2e/FakeBrowser.h"

// The accessibility-tree stand-in for the browsers read through
// accessibility. Command line: shape, frame class, options, address, each
// separated by one blank (the address last, as it may hold blanks).
// Shapes, as the browsers' sources build their trees: "Chromium" (a pane
// for the browser view, in it a top container with the toolbar and its
// field in a grouping, then the tab strip), "ChromiumOlder" (a tab strip of
// 300 tabs before the toolbar) and "Firefox" (an application root, a tab
// toolbar, then the toolbar with a combo box holding a hidden scheme field
// and the field). Options, joined by commas or "-" for none:
//   chinese   names in Chinese;       focused   the field has the focus;
//   bigpage   a page of 10,000 elements;  changing  the toolbar is made anew
//   whenever it is walked;          quiet     no value-change events;
//   hang      the first walk stops answering halfway for 4 s;
//   findbar   only a focused find bar shows until 2 s after the first walk;
//   readonly  the field is read-only (an installed web app's window).
// The page always holds a search field of its own, ahead of the toolbar.
//
// Tests set the address with WM_SETTEXT on the frame (the stand-in raises
// EVENT_OBJECT_VALUECHANGE as browsers do), can make the next walk stop
// answering halfway for wParam ms with kFakeBrowserHang, and count the walks
// with kFakeBrowserWalks.

const UINT kFakeBrowserWalks = WM_APP + 2;

// What the page's own search field holds: never the address.
inline const char kPageSearchAddress[] = "http://127.0.0.66/";
