// CE drawing calls that desktop GDI spells differently.
#include <windows.h>

#include "platform/ce_platform.h"

BOOL WINAPI TransparentImage(HDC destination, LONG x, LONG y, LONG width, LONG height, HANDLE source, LONG sourceX,
                             LONG sourceY, LONG sourceWidth, LONG sourceHeight, COLORREF transparent) {
  if (GetObjectType(source) != OBJ_BITMAP)
    return TransparentBlt(destination, x, y, width, height, static_cast<HDC>(source), sourceX, sourceY, sourceWidth,
                          sourceHeight, transparent);
  HDC memory = CreateCompatibleDC(destination);
  if (!memory) return FALSE;
  HGDIOBJ previous = SelectObject(memory, source);
  BOOL ok = TransparentBlt(destination, x, y, width, height, memory, sourceX, sourceY, sourceWidth, sourceHeight,
                           transparent);
  SelectObject(memory, previous);
  DeleteDC(memory);
  return ok;
}
