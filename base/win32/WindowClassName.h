#pragma once
#include <windows.h>

#include <string>

// The name of a window's class in GBK, as the program compares class names.
std::string WindowClassName(HWND window);
