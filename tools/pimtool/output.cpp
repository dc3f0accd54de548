#include "tools/pimtool/pimtool.h"

namespace {

void WriteUtf8(DWORD stream, const std::wstring& text) {
  if (text.empty()) return;
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  if (size <= 0) return;
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  HANDLE handle = GetStdHandle(stream);
  DWORD written = 0;
  if (handle && handle != INVALID_HANDLE_VALUE)
    WriteFile(handle, bytes.data(), static_cast<DWORD>(size), &written, nullptr);
}

std::wstring Cell(std::wstring text) {
  for (wchar_t& c : text)
    if (c == L'\t' || c == L'\r' || c == L'\n') c = L' ';
  return text;
}

template <typename Cells>
void WriteCells(const Cells& cells) {
  std::wstring line;
  bool first = true;
  for (const std::wstring& cell : cells) {
    if (!first) line += L'\t';
    line += Cell(cell);
    first = false;
  }
  WriteOut(line + L"\n");
}

}  // namespace

void WriteOut(const std::wstring& text) { WriteUtf8(STD_OUTPUT_HANDLE, text); }

void WriteStandardError(const std::wstring& text) { WriteUtf8(STD_ERROR_HANDLE, text); }

void WriteError(const std::wstring& text) { WriteStandardError(L"pimtool: " + text + L"\n"); }

void WriteRow(std::initializer_list<std::wstring> cells) { WriteCells(cells); }

void WriteRow(const std::vector<std::wstring>& cells) { WriteCells(cells); }

bool IsPrintableName(const std::wstring& name) {
  if (name.empty()) return false;
  for (wchar_t c : name)
    if (c < L' ' || c == 0x7F) return false;
  return true;
}

bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
}
