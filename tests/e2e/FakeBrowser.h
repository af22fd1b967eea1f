#pragma once
#include <windows.h>

// Sent to the fake browser's address bar: it stops answering for wParam ms.
const UINT kFakeBrowserHang = WM_APP + 1;
