#pragma once

// While the About or the local information window is open, a main window
// that stays on top is let down from the topmost band so that it cannot
// cover them, and the application's deactivation leaves it there; closing
// them raises it again. Both do nothing while stay-on-top is off.
void LowerMainWindow();
void RaiseMainWindow();
