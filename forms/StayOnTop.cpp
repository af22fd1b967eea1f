#include "forms/StayOnTop.h"

#include "app/Unit1.h"

void LowerMainWindow() {
    if (!Form1->N3.Checked()) return;
    Form1->SuspendTopMost = true;
    Form1->StayOnTop(false);
}

void RaiseMainWindow() {
    if (!Form1->N3.Checked()) return;
    Form1->SuspendTopMost = false;
    Form1->StayOnTop(true);
}
