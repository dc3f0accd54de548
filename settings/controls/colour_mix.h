#pragma once
// Colour arithmetic shared by every painter: mix(a, b, t) weights a by t and b by 255 - t.
#include <windows.h>

#include <cstdint>

constexpr std::uint8_t MixChannel(int a, int b, int t) {
  int v = a * t + b * (255 - t) + 128;
  return static_cast<std::uint8_t>((v + (v >> 8)) >> 8);
}

constexpr COLORREF MixColour(COLORREF a, COLORREF b, int t) {
  return RGB(MixChannel(GetRValue(a), GetRValue(b), t), MixChannel(GetGValue(a), GetGValue(b), t),
             MixChannel(GetBValue(a), GetBValue(b), t));
}
