// Whether a window manager looks after the program's top-level windows. Under
// one, the main window starts maximized through it, as desktop programs do;
// a bare X server has nobody to act on that state, so there the window takes
// the screen's area itself.
#pragma once

namespace cs {

// True when the application runs on X11 and a window manager of the desktop
// conventions announces itself on the root window (_NET_SUPPORTING_WM_CHECK
// naming a live check window); false on every other platform.
bool WindowManagerRunning();

}  // namespace cs
