#include "tests/e2e/main_window_driver.h"

#include <commctrl.h>

#include "settings/base/scale.h"
#include "tests/support/program_driver.h"

POINT BarSlot(HWND window, int slot, int dpi) {
  RECT client;
  GetClientRect(window, &client);
  int barHeight = ScaleValue(40, dpi, false, true);
  int width = client.right / 5;
  return POINT{width / 2 + slot * width, client.bottom - barHeight / 2};
}

POINT ListRow(HWND window, int row, int dpi) {
  RECT client;
  GetClientRect(window, &client);
  int height = ScaleValue(42, dpi, false, false);
  return POINT{client.right / 2, row * height + height / 2};
}

void TapBar(HWND window, int slot, int dpi) {
  POINT at = BarSlot(window, slot, dpi);
  Tap(window, at.x, at.y);
}

void TapRow(HWND window, int row, int dpi) {
  POINT at = ListRow(window, row, dpi);
  Tap(window, at.x, at.y);
}

namespace {

constexpr DWORD kWait = 20000;

}  // namespace

HWND OpenPageFromList(RunningProgram& program, int row, const wchar_t* pageClass, HWND* mainWindow) {
  *mainWindow = nullptr;
  if (!program.Start(kSettingsExe, L"")) return nullptr;
  *mainWindow = WaitForWindow(program.Id(), L"QM_OPTIONS", nullptr, kWait);
  if (!*mainWindow) return nullptr;
  TapRow(*mainWindow, row);
  return WaitForWindow(program.Id(), pageClass, nullptr, kWait);
}

bool ClosePageAndDone(RunningProgram& program, HWND mainWindow, HWND page) {
  PostMessageW(page, WM_COMMAND, IDOK, 0);
  if (!WaitUntil([page] { return !IsWindow(page); }, kWait)) return false;
  PostMessageW(mainWindow, WM_COMMAND, IDOK, 0);
  return program.WaitExit(kWait);
}

bool NextTab(HWND page) {
  HWND strip = FindWindowExW(page, nullptr, WC_TABCONTROLW, nullptr);
  const LRESULT before = SendMessageW(strip, TCM_GETCURSEL, 0, 0);
  SendMessageW(strip, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(strip, WM_KEYUP, VK_RIGHT, 0xC0000001);
  return SendMessageW(strip, TCM_GETCURSEL, 0, 0) == before + 1;
}

void ChooseItem(HWND page, int id, int index) {
  HWND box = GetDlgItem(page, id);
  SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}
