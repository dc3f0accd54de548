#pragma once
// Where the parts of the navigation bar go, from the bar's width, the screen's dpi and the
// clock text's width. Pure arithmetic, so that tests can check it without a window.
#include <windows.h>

struct NavBarLayout {
  RECT start;  // the Start flag, at the left
  RECT title;  // the followed window's title
  RECT clock;
  RECT ok;     // empty when the window has no caption OK
};

// Height of the bar: 26 pixels at 96 dpi, like the device's work area leaves free.
int NavBarHeight(int dpi);
// Pixels for a length given at 96 dpi.
int NavBarScale(int value, int dpi);

NavBarLayout LayOutNavBar(int width, int dpi, int clockTextWidth, bool showOk);
