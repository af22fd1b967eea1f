#pragma once
#include <windows.h>

// The one tooltip window of the program. Controls that show hints are its
// tools; it asks them for their text each time it shows.
class THintWindow {
public:
    static THintWindow& Instance();

    void AddTool(HWND control);
    // Asks again for the text of control's hint, should its tooltip be up:
    // the hint changed while the pointer moved over it.
    void Refresh(HWND control);
    // Delay before a hint shows, in milliseconds (0: at once).
    void SetPause(int milliseconds);

private:
    THintWindow();
    void SendAboutTool(UINT message, HWND control);
    HWND FHandle;
};
