#pragma once
#include <string>
#include <vector>

#include "app/CommandLine.h"

// The program's places on the web, stated once.

// The web site that "软件网站" opens.
extern const wchar_t kWebSite[];

// The feeds of fresh database files that an update asks, in order: the
// user's mirror, then the program's own. "/feed URL", repeatable, replaces
// the program's own; only URLs on the loopback address count. Each ends
// with "/", the folder of the feed's files.
std::vector<std::wstring> DataFeeds(const TCommandLine& commandLine, const std::wstring& mirror);

// Whether an address the user gives can be a feed's: an http or https URL.
bool IsFeedAddress(const std::wstring& address);
