#pragma once
#include <windows.h>

// The one tooltip window of the program. Controls that show hints are its
// tools; it asks them for their text each time it shows.
class THintWindow {
public:
    static THintWindow& Instance();

    void AddTool(HWND control);
    // Delay before a hint shows, in milliseconds (0: at once).
    void SetPause(int milliseconds);

private:
    THintWindow();
    HWND FHandle;
};
