#pragma once
// What a kinetic scroller shows: a content that paints itself at a scroll offset and reacts
// to presses. The scroller knows nothing else about it.
#include <windows.h>

class ScrollContent {
 public:
  virtual ~ScrollContent() = default;

  // Paints the visible window (width x height) of the content, content row 0 at `offset`,
  // into `dc` at (0, 0); returns the content's full height. `spare` is always 0.
  virtual int Paint(void* cookie, HDC dc, int spare, int offset, int width, int height) = 0;
  // The pointer rests on (x, y) in content coordinates; true asks for a repaint.
  virtual bool Press(void* cookie, int x, int y) = 0;
  // The press turned into a drag: drop whatever Press highlighted.
  virtual void CancelPress(void* cookie) = 0;
  // A tap released at (x, y) in content coordinates.
  virtual void Click(void* cookie, int x, int y) = 0;
};
