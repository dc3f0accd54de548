#include "settings/files/settings_text_lines.h"

#include <climits>
#include <cwctype>

namespace {

// wcstol over a view that need not be terminated.
LONG ToLong(std::wstring_view digits, int base) {
  std::size_t at = 0;
  while (at < digits.size() && std::iswspace(digits[at])) ++at;
  bool negative = false;
  if (at < digits.size() && (digits[at] == L'+' || digits[at] == L'-')) negative = digits[at++] == L'-';
  long long magnitude = 0;
  const long long limit = negative ? -static_cast<long long>(LONG_MIN) : LONG_MAX;
  for (; at < digits.size(); ++at) {
    const wchar_t c = digits[at];
    int digit = c >= L'0' && c <= L'9'   ? c - L'0'
                : c >= L'a' && c <= L'z' ? c - L'a' + 10
                : c >= L'A' && c <= L'Z' ? c - L'A' + 10
                                         : 99;
    if (digit >= base) break;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) magnitude = limit;
  }
  return static_cast<LONG>(negative ? -magnitude : magnitude);
}

}  // namespace

bool ParseSectionHeader(std::wstring_view line, std::wstring_view& name) {
  if (line.size() < 3 || line.front() != L'[' || line[line.size() - 2] != L']') return false;
  name = line.substr(1, line.size() - 3);
  return true;
}

bool ParseStringLine(std::wstring_view line, std::wstring_view& name, std::wstring_view& text) {
  if (line.size() <= 7 || line.front() != L'"' || line[line.size() - 2] != L'"') return false;
  const std::size_t separator = line.find(L"\"=\"");
  if (separator == std::wstring_view::npos) return false;
  const std::size_t textStart = separator + 3;
  const std::size_t textEnd = line.size() - 2;
  // The closing quote must come after the opening one: `"name"="` alone holds no text.
  if (separator < 1 || textStart > textEnd) return false;
  name = line.substr(1, separator - 1);
  text = line.substr(textStart, textEnd - textStart);
  return true;
}

bool ParseNumberLine(std::wstring_view line, int base, std::wstring_view& name, LONG& value) {
  const std::size_t marker = line.find(L"=dword");
  if (marker == std::wstring_view::npos || line.size() - marker < 8) return false;
  // The name runs from after the opening quote to the character before the first "=",
  // normally the closing quote.
  const std::size_t equals = line.find(L'=');
  name = equals >= 2 ? line.substr(1, equals - 2) : std::wstring_view();
  value = ToLong(line.substr(marker + 7), base);
  return true;
}
