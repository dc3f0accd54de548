#include "settings/base/load_text.h"

int LoadText(HMODULE module, UINT id, WideString& out) {
  wchar_t buffer[1024];
  int length = module ? LoadStringW(module, id, buffer, 1024) : 0;
  if (length <= 0) {
    out.Assign(L"");
    return length < 0 ? 0 : length;
  }
  out.Assign(buffer, static_cast<std::size_t>(length));
  return length;
}
