#include "gui/CommonControls.h"

#include "base/Exception.h"

void UseCommonControls(DWORD classes) {
    static DWORD registered = 0;
    if ((registered & classes) == classes) return;
    INITCOMMONCONTROLSEX controls = {sizeof controls, classes};
    if (!InitCommonControlsEx(&controls)) throw Exception("cannot register the common controls");
    registered |= classes;
}
