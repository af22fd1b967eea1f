#pragma once
#include <windows.h>

#include <string>

// A message box; the text may break lines with a lone carriage return.
// Returns the button pressed (IDYES, IDNO, IDOK...).
int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags, HWND owner = nullptr);

// The file-save dialog. It does not ask before overwriting: its caller does.
class TSaveDialog {
public:
    struct Args {
        std::string FileName;  // initial file name, GBK
        std::string Filter;    // "description|pattern|description|pattern..."
    };
    explicit TSaveDialog(Args args) : FileName(std::move(args.FileName)), FFilter(std::move(args.Filter)) {}

    // Runs the dialog modally over owner; false when the user cancels.
    bool Execute(HWND owner);

    std::string FileName;  // the chosen path after Execute

private:
    std::string FFilter;
};
