#pragma once
#include <string>

// Paths from the program's own location, in UTF-16 all the way from
// GetModuleFileNameW to the call that uses them: a folder such as
// "C:\Program Files\Zoë ☃" has no GBK spelling.
// The folder of the running program, with its trailing backslash.
std::wstring ProgramFolder();
// The location databases (IPv4 and IPv6) and the help file in "zelkona"
// beside the program.
std::wstring DatabasePath();
std::wstring Ipv6DatabasePath();
std::wstring HelpFilePath();
// The program itself in double quotes, as the Run key holds it.
std::wstring QuotedProgramPath();
