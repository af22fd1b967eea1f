#pragma once

// Whether the program was started with the switch (e.g. L"/noskin"),
// compared without regard to letter case.
bool HasCommandLineSwitch(const wchar_t* name);
