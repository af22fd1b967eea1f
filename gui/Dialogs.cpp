#include "gui/Dialogs.h"

#include <commdlg.h>

#include "base/win32/Win32Text.h"

namespace {
// Room for long paths; the dialog reports a name that does not fit as a cancel.
const DWORD kFileNameCapacity = 4096;
}

int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags, HWND owner) {
    return MessageBoxW(owner, WidenLines(text).c_str(), Widen(caption).c_str(), flags);
}

bool TSaveDialog::Execute(HWND owner) {
    // Bars become the NULs between the filter's pieces, after widening, since
    // a GBK second byte can be a bar.
    std::wstring filter = Widen(FFilter) + L'|';
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    std::wstring fileName = Widen(FileName);
    fileName.resize(kFileNameCapacity, L'\0');

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName.data();
    dialog.nMaxFile = kFileNameCapacity;
    dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
    if (!GetSaveFileNameW(&dialog)) return false;
    FileName = Narrow(fileName.c_str());
    return true;
}
