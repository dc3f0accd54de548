#include "settings/shell/shell_fonts.h"

#include <cwchar>

#include "settings/base/scale.h"

ScopedFont CreateShellFont(bool bold) {
  LOGFONTW font{};
  font.lfHeight = ScaleX(12);
  if (bold) font.lfWeight = FW_BOLD;
  wcscpy(font.lfFaceName, L"Tahoma");
  return ScopedFont(CreateFontIndirectW(&font));
}
