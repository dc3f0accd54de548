#pragma once
// What the tests that drive one page of QMSettings from outside share: a message to a page's
// control, the page opened from its main-list row and closed with Done, and the check that a
// key holds exactly the values a test expects.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

class RunningProgram;

LRESULT SendTo(HWND page, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
inline void ClickOn(HWND page, int id) { SendTo(page, id, BM_CLICK); }

using NumberValues = std::vector<std::pair<const wchar_t*, DWORD>>;
using TextValues = std::vector<std::pair<const wchar_t*, std::wstring>>;
// Every value the current user's key holds is one of these, with this value.
void ExpectKeyHoldsExactly(const wchar_t* key, const NumberValues& numbers, const TextValues& texts = {});

class PageProgramTest : public ::testing::Test {
 protected:
  // Starts nothing: the program is the test's; the page of the main list's row, or null.
  HWND OpenPage(RunningProgram& program, int row, const wchar_t* pageClass);
  // The page's caption OK, then Done; fails the test unless the program ends.
  void CloseAndFinish(RunningProgram& program, HWND page);

  HWND main_ = nullptr;
};
