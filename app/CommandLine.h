#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The program's command line as switches. Some stand alone ("/noskin");
// those named in CommandLine.cpp take the argument after them as their
// value ("/doh URL") and may be repeated. Names compare without regard to
// letter case; a switch that takes a value and stands last has none and
// counts as not given.
class TCommandLine {
public:
    // arguments: without the program's own path.
    explicit TCommandLine(const std::vector<std::wstring>& arguments);

    bool Has(std::wstring_view name) const;
    // The values given with the switch, in their order.
    std::vector<std::wstring> Values(std::wstring_view name) const;

private:
    std::vector<std::pair<std::wstring, std::wstring>> FSwitches;  // name, value
};

// Whether a URL given on the command line is one the program may use: an
// https URL on the loopback address, so that no test ever reaches a public
// address.
bool IsLoopbackHttpsUrl(const std::wstring& url);

// The command line the program was started with (Win32).
const TCommandLine& ProgramCommandLine();
