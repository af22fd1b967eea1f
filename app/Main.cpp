#include <windows.h>

#include "app/Unit1.h"
#include "gui/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // One instance only: a second start ends here, silently.
    HANDLE instanceMutex = CreateMutexW(nullptr, TRUE, L"irgendwaseinmaligesquorvikonlyoncerun");
    if (GetLastError() == ERROR_ALREADY_EXISTS) return 0;

    Application.Initialize();
    Application.SetTitle("Quorvik");
    Form1 = Application.CreateForm<TForm1>();
    Application.Run();

    CloseHandle(instanceMutex);
    return 0;
}
