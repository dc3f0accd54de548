#pragma once
// Sizes are written in 96-dpi units and turned into pixels at the point of use.

// Reads the screen's resolution once per process; later calls do nothing.
void ScaleInit(bool doubleSize);
// v in 96-dpi units to pixels horizontally / vertically. keepSmall leaves v unchanged below 136 dpi.
int ScaleX(int v, bool keepSmall = false);
int ScaleY(int v, bool keepSmall = false);

// The arithmetic of both: (|v| * dpi + 48) / 96 with the sign of v; doubled in forced
// double-size mode.
int ScaleValue(int v, int dpi, bool doubleSize, bool keepSmall);

// Sets the scale state directly, as ScaleInit would on such a screen (tests and benches).
void ScaleSetForTest(bool doubleSize, int dpiX, int dpiY);
bool ScaleDoubled();
