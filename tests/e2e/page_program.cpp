#include "tests/e2e/page_program.h"

#include <algorithm>

#include "tests/e2e/main_window_driver.h"
#include "tests/support/registry_probe.h"

LRESULT SendTo(HWND page, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(GetDlgItem(page, id), message, wParam, lParam);
}

void ExpectKeyHoldsExactly(const wchar_t* key, const NumberValues& numbers, const TextValues& texts) {
  std::vector<std::wstring> expected;
  for (const auto& [name, value] : numbers) {
    EXPECT_EQ(value, ReadDword(HKEY_CURRENT_USER, key, name)) << name;
    expected.emplace_back(name);
  }
  for (const auto& [name, value] : texts) {
    EXPECT_EQ(value, ReadString(HKEY_CURRENT_USER, key, name)) << name;
    expected.emplace_back(name);
  }
  std::vector<std::wstring> written = ValueNames(HKEY_CURRENT_USER, key);
  std::sort(written.begin(), written.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(expected, written) << "nothing else is written in " << testing::PrintToString(std::wstring(key));
}

HWND PageProgramTest::OpenPage(RunningProgram& program, int row, const wchar_t* pageClass) {
  return OpenPageFromList(program, row, pageClass, &main_);
}

void PageProgramTest::CloseAndFinish(RunningProgram& program, HWND page) {
  ASSERT_TRUE(ClosePageAndDone(program, main_, page));
}
