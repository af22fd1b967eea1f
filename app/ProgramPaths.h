#pragma once
#include <string>

// Paths from the program's own location, in UTF-16 all the way from
// GetModuleFileNameW to the call that uses them: a folder such as
// "C:\Program Files\Zoë ☃" has no GBK spelling.
// The folder of the running program, with its trailing backslash.
std::wstring ProgramFolder();
// "zelkona" beside the program, with its trailing backslash: the location
// databases (IPv4 and IPv6) that came with it, their data-version.txt, and
// the help file.
std::wstring BundledDataFolder();
std::wstring HelpFilePath();
// Where database updates go, with its trailing backslash: the user's local
// application data folder, "Quorvik\zelkona\" in it, since the program's
// own folder may not be writable. The temporary folder stands in for a user
// without one.
std::wstring UpdatedDataFolder();
// The program itself in double quotes, as the Run key holds it.
std::wstring QuotedProgramPath();
