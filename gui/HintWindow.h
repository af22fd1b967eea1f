#pragma once
#include <windows.h>

#include <string>
#include <string_view>

// The one tooltip window of the program. Controls that show hints are its
// tools; it asks them for their text each time it shows.
class THintWindow {
public:
    static THintWindow& Instance();

    void AddTool(HWND control);
    // Delay before a hint shows, in milliseconds (0: at once).
    void SetPause(int milliseconds);

    // Hint texts break lines at a lone carriage return; tooltips want CR LF.
    static std::wstring DisplayText(std::string_view hint);

private:
    THintWindow();
    HWND handle_;
};
