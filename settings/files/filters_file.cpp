#include "settings/files/filters_file.h"

#include <cwchar>
#include <new>

#include "settings/files/settings_text_lines.h"

namespace {

std::wstring FormatLine(const wchar_t* pattern, ...) {
  va_list args;
  va_start(args, pattern);
  wchar_t buffer[64];
  const int length = _vsnwprintf(buffer, 63, pattern, args);
  va_end(args);
  return std::wstring(buffer, length < 0 ? 0 : static_cast<std::size_t>(length));
}

// A UTF-16 little-endian file begins with the low byte of "[" and a zero byte.
bool LooksLikeUtf16(std::string_view bytes) { return bytes.size() >= 2 && bytes[1] == '\0'; }

}  // namespace

std::wstring FormatFiltersFile(std::span<const std::unique_ptr<CategoryFilter>> filters) {
  std::wstring text;
  int block = 0;
  for (const std::unique_ptr<CategoryFilter>& filter : filters) {
    text += FormatLine(L"[FILTER%d]\r\n", block++);
    // The title goes in whole, however long.
    text += L"\"Title\"=\"";
    text += filter->name.c_str();
    text += L"\"\r\n";
    text += FormatLine(L"\"Sensitivity\"=dword:%d\r\n", static_cast<int>(filter->sensitivity));
    text += FormatLine(L"\"Visible\"=dword:%d\r\n", filter->visible ? 1 : 0);
    text += FormatLine(L"\"Uncategorized\"=dword:%d\r\n", filter->includeUncategorized ? 1 : 0);
  }
  return text;
}

std::vector<std::wstring> FiltersFileLines(std::string_view bytes) {
  std::vector<std::wstring> lines;
  std::wstring line;
  auto take = [&](wchar_t c) {
    if (c == L'\n') {
      lines.push_back(std::move(line));
      line.clear();
    } else if (c != L'\0') {
      line.push_back(c);
    }
  };
  if (LooksLikeUtf16(bytes)) {
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2)
      take(static_cast<wchar_t>(static_cast<BYTE>(bytes[at]) | static_cast<BYTE>(bytes[at + 1]) << 8));
  } else {
    for (char unit : bytes) take(static_cast<wchar_t>(static_cast<BYTE>(unit)));
  }
  return lines;
}

std::vector<std::unique_ptr<CategoryFilter>> ParseFilterBlocks(const std::vector<std::wstring>& lines) {
  std::vector<std::unique_ptr<CategoryFilter>> filters;
  LONG number = 0;  // a number line that does not parse leaves the last number read
  auto readNumber = [&](std::size_t at) {
    std::wstring_view name;
    LONG value = 0;
    if (at < lines.size() && ParseNumberLine(lines[at], 10, name, value)) number = value;
    return number;
  };
  int expected = 0;
  for (std::size_t at = 0; at < lines.size(); ++at) {
    wchar_t header[32];
    std::swprintf(header, 32, L"[FILTER%d]", expected);
    if (lines[at].find(header) == std::wstring::npos) continue;
    std::unique_ptr<CategoryFilter> filter(new (std::nothrow) CategoryFilter);
    if (!filter) break;
    filter->index = ++expected;
    std::wstring_view name, title;
    if (at + 1 < lines.size() && ParseStringLine(lines[at + 1], name, title))
      filter->name.Assign(title.data(), title.size());
    filter->sensitivity = static_cast<DWORD>(readNumber(at + 2));
    filter->visible = readNumber(at + 3) != 0;
    filter->includeUncategorized = readNumber(at + 4) != 0;
    filters.push_back(std::move(filter));
    at += 4;
  }
  return filters;
}
