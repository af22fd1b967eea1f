#include <windows.h>

#include "app/Unit1.h"
#include "base/Exception.h"
#include "base/win32/Handles.h"
#include "forms/Sockets.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "forms/Unit4.h"
#include "forms/Unit5.h"
#include "gui/Application.h"
#include "gui/Dialogs.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Winsock 1.1 for the whole run; the local information window counts on it.
    TWinsockUse winsock(MAKEWORD(1, 1));
    if (!winsock.Started()) {
        ShowMessageBox("WSAStartup", "Quorvik", MB_OK | MB_ICONERROR);
        return 1;
    }
    // One instance only: a second start ends here, silently.
    TKernelHandle instanceMutex(CreateMutexW(nullptr, TRUE, L"irgendwaseinmaligesquorvikonlyoncerun"));
    if (GetLastError() == ERROR_ALREADY_EXISTS) return 0;

    try {
        Application.Initialize();
        Application.SetTitle("Quorvik");
        Form1 = Application.CreateForm<TForm1>();
        Form2 = Application.CreateForm<TForm2>(*Form1);
        Form3 = Application.CreateForm<TForm3>(*Form1);
        Form4 = Application.CreateForm<TForm4>(*Form1);
        Form5 = Application.CreateForm<TForm5>(*Form1, Form1->DataUpdate());
    } catch (const Exception& error) {
        // Without its windows the program cannot run; the system's reason is all there is to say.
        ShowMessageBox(error.Message(), "Quorvik", MB_OK | MB_ICONERROR);
        return 1;
    }
    Application.Run();
    return 0;
}
