#pragma once

namespace velunto {

struct DisplayMode
{
    int width = 0;
    int height = 0;
    int depth = 0; // bits per pixel
};

// The primary screen; zeros when there is none.
DisplayMode primaryDisplayMode();

// The screen's logical pixels per inch, 96 when unknown.
int logicalDpi();

// True on a real screen; false on the offscreen and minimal platforms and when
// VELUNTO_NO_DISPLAY_CHECK is set (test screens of any size).
bool isRealDisplay();

} // namespace velunto
