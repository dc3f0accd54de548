#pragma once
// The device's call journal: every call that reaches the Pocket Outlook or the Pocket
// Informant stand-in appends one UTF-8 line to "\pim-journal.txt", so that tests and people
// see exactly what a program asked of them:
//   ITask.put_Subject("No subject")
//   PITools.D_Task(65538, 4, 0, 0)
// The interface or library, a dot, the method or export, the arguments in parentheses
// separated by ", ". Numbers and OIDs in decimal (OIDs unsigned), flags 0 or 1, dates as
// "yyyy-mm-dd hh:mm:ss" (a date outside 1601 to 9999 as its number), texts in double quotes
// with \ " and control characters escaped, windows as 0 (none) or hwnd.
#include <windows.h>

#include <string>

inline constexpr wchar_t kPimJournalPath[] = L"\\pim-journal.txt";

class JournalLine {
 public:
  JournalLine(const char* owner, const char* method);
  JournalLine(const JournalLine&) = delete;
  JournalLine& operator=(const JournalLine&) = delete;

  JournalLine& Number(long long value);
  JournalLine& Oid(unsigned long oid);
  JournalLine& Flag(bool value);
  JournalLine& Date(DATE date);
  // A null text is written as an empty one, as COM treats a null BSTR.
  JournalLine& Text(const wchar_t* text);
  JournalLine& Window(HWND window);

  // Appends the line; a journal that cannot be written is skipped.
  void Write();

 private:
  void Separate();

  std::string line_;
  bool first_ = true;
};
