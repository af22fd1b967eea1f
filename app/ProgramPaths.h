#pragma once
#include <string>

// The folder of the running program, with its trailing backslash (GBK).
std::string ProgramFolder();
// The location database in "zelkona" beside the program.
std::string DatabasePath();
