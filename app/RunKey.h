#pragma once
#include <optional>
#include <string>

// The start-with-Windows setting: the value "ip", holding the quoted program
// path, under a Run key. It is written under the user's key, which Windows
// runs at that user's logon and which needs no rights; a value under the
// machine's key, where older versions wrote it, counts too and goes when
// switched off.
bool RunValueExists();
// Each gives back what to tell the user when the registry refused.
std::optional<std::string> WriteRunValue(const std::wstring& quotedPath);
std::optional<std::string> DeleteRunValues();
