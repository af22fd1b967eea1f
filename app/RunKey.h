#pragma once
#include <string>

// The start-with-Windows setting: the value "ip" under the machine's Run
// key, holding the quoted program path. It exists exactly when the setting
// is on. Writing needs administrator rights; each call says if it worked.
bool RunValueExists();
bool WriteRunValue(const std::wstring& data);
bool DeleteRunValue();
