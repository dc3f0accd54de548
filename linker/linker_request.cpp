#include "linker/linker_request.h"

#include <cwchar>

std::wstring RequestText(const wchar_t (&field)[kRequestTextLength]) {
  return std::wstring(field, wcsnlen(field, kRequestTextLength));
}
