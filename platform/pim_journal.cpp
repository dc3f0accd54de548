#include "platform/pim_journal.h"

#include <cstdio>
#include <cwchar>

#include "platform/pim_dates.h"

JournalLine::JournalLine(const char* owner, const char* method) {
  line_ = owner;
  line_ += '.';
  line_ += method;
  line_ += '(';
}

void JournalLine::Separate() {
  if (!first_) line_ += ", ";
  first_ = false;
}

JournalLine& JournalLine::Number(long long value) {
  Separate();
  line_ += std::to_string(value);
  return *this;
}

JournalLine& JournalLine::Oid(unsigned long oid) {
  Separate();
  line_ += std::to_string(oid);
  return *this;
}

JournalLine& JournalLine::Flag(bool value) {
  Separate();
  line_ += value ? '1' : '0';
  return *this;
}

JournalLine& JournalLine::Date(DATE date) {
  Separate();
  std::string text = FormatDate(date, true);
  if (text.empty()) {
    char number[40];
    std::snprintf(number, sizeof number, "%.17g", date);
    text = number;
  }
  line_ += text;
  return *this;
}

JournalLine& JournalLine::Text(const wchar_t* text) {
  Separate();
  line_ += '"';
  for (const wchar_t* at = text ? text : L""; *at; ++at) {
    const wchar_t c = *at;
    if (c == L'"' || c == L'\\') {
      line_ += '\\';
      line_ += static_cast<char>(c);
    } else if (c == L'\n') {
      line_ += "\\n";
    } else if (c == L'\r') {
      line_ += "\\r";
    } else if (c == L'\t') {
      line_ += "\\t";
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned>(c));
      line_ += escape;
    } else {
      // One code unit, or a surrogate pair, to UTF-8; a lone surrogate becomes U+FFFD.
      const int units = (IS_HIGH_SURROGATE(c) && IS_LOW_SURROGATE(at[1])) ? 2 : 1;
      char bytes[8];
      const int length = WideCharToMultiByte(CP_UTF8, 0, at, units, bytes, sizeof bytes, nullptr, nullptr);
      line_.append(bytes, length > 0 ? static_cast<size_t>(length) : 0);
      at += units - 1;
    }
  }
  line_ += '"';
  return *this;
}

JournalLine& JournalLine::Window(HWND window) {
  Separate();
  line_ += window ? "hwnd" : "0";
  return *this;
}

void JournalLine::Write() {
  line_ += ")\n";
  // Appending in one write keeps lines of several writers whole.
  HANDLE file = CreateFileW(kPimJournalPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line_.data(), static_cast<DWORD>(line_.size()), &written, nullptr);
  CloseHandle(file);
}
