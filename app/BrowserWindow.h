#pragma once
#include <windows.h>

#include <optional>
#include <string>

// What the watch needs of Internet Explorer: its frame window, and the text
// of its address bar.
bool IsInternetExplorer(HWND window);

// The address-bar text of a frame (at most 1023 characters): empty when the
// frame has its address box in none of the layouts the browser's
// generations use, none when the browser does not answer in time.
std::optional<std::wstring> ReadIEAddress(HWND frame);
