#include "skin/frame/FrameWindow.h"

Size TFrameWindow::WindowSize() const {
    RECT bounds;
    GetWindowRect(Handle, &bounds);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

Point TFrameWindow::WindowPoint(POINT screen) const {
    RECT bounds;
    GetWindowRect(Handle, &bounds);
    return {int(screen.x - bounds.left), int(screen.y - bounds.top)};
}

std::wstring TFrameWindow::CaptionText() const {
    int length = GetWindowTextLengthW(Handle);
    std::wstring text(length + 1, L'\0');
    text.resize(GetWindowTextW(Handle, text.data(), length + 1));
    return text + L"  ";
}
