#include "gui/UtilityWindow.h"

TUtilityWindow::TUtilityWindow() {
    CreateTopLevel(nullptr, {L"TPUtilWindow", nullptr, WS_POPUP, WS_EX_TOOLWINDOW, {}}, TFont());
}
