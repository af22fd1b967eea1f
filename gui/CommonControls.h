#pragma once
#include <windows.h>
#include <commctrl.h>

// Registers the common control classes named (ICC_* flags) before a control
// of one of them is made; asking again costs nothing.
void UseCommonControls(DWORD classes);
