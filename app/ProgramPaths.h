#pragma once
#include <string>

// The folder of the running program, with its trailing backslash (GBK).
std::string ProgramFolder();
// The location database and the help file in "zelkona" beside the program.
std::string DatabasePath();
std::string HelpFilePath();
// The program itself in double quotes, as the Run key holds it.
std::string QuotedProgramPath();
