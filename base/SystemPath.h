#pragma once
#include <string>

// A file path as the system's own calls take it: UTF-16 on Windows, so a
// folder named in any language reaches its files, and bytes elsewhere.
// Paths stay in this form from where they are found to where they are used.
#ifdef _WIN32
using SystemPath = std::wstring;
#else
using SystemPath = std::string;
#endif
