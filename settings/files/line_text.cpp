// The texts of an item line: shadowed when asked, never with prefix processing, single
// lines cut with an ellipsis where they would pass the right edge.
#include <span>

#include "settings/files/preview_painter.h"

namespace {

constexpr COLORREF kDefaultShadow = 0x282828;
constexpr COLORREF kNoColour = 0xFFFFFFFF;

// One-pixel offsets of the shadow copies for each UseShadowColor value.
struct Offset {
  int dx;
  int dy;
};
constexpr Offset kRight[] = {{1, 0}};
constexpr Offset kRightDown[] = {{1, 1}};
constexpr Offset kDown[] = {{0, 1}};
constexpr Offset kAround[] = {{0, -1}, {-1, 0}, {0, 1}, {1, 0}};

std::span<const Offset> ShadowOffsets(DWORD useShadow) {
  switch (useShadow) {
    case 1: return kRight;
    case 2: return kRightDown;
    case 3: return kDown;
    case 4: return kAround;
    default: return {};
  }
}

void DrawWithShadow(HDC dc, const wchar_t* text, RECT rect, UINT format, const PainterSettings& settings,
                    bool selected) {
  std::span<const Offset> offsets = selected ? std::span<const Offset>() : ShadowOffsets(settings.useShadow);
  if (!offsets.empty()) {
    const COLORREF shadow = settings.shadowColour == kNoColour ? kDefaultShadow : settings.shadowColour;
    const COLORREF previous = SetTextColor(dc, shadow);
    for (const Offset& offset : offsets) {
      RECT moved = rect;
      OffsetRect(&moved, offset.dx, offset.dy);
      DrawTextW(dc, text, -1, &moved, format);
    }
    SetTextColor(dc, previous);
  }
  DrawTextW(dc, text, -1, &rect, format);
}

}  // namespace

void DrawLineText(HDC dc, const wchar_t* text, const RECT& rect, UINT format, const PainterSettings& settings,
                  bool selected, bool measureOnly, RECT* measured) {
  format |= DT_NOPREFIX;
  RECT extent = rect;
  DrawTextW(dc, text, -1, &extent, format | DT_CALCRECT);
  UINT drawFormat = format;
  if (format & DT_SINGLELINE) {
    if (extent.right > rect.right) {
      extent.right = rect.right;
      drawFormat |= DT_END_ELLIPSIS;
    }
  } else if (extent.right > rect.right) {
    extent.right = rect.right;  // a word longer than the line is cut at the edge
  }
  if (measured) *measured = extent;
  if (!measureOnly) DrawWithShadow(dc, text, extent, drawFormat, settings, selected);
}
