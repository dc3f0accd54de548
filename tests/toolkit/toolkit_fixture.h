#pragma once
// A recording page opened over a stand-in main window, with the English texts loaded: the
// ground every toolkit test stands on.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/controls/gdi_guards.h"
#include "settings/toolkit/settings_page.h"
#include "tests/support/window_pixels.h"

// Records what the base class asks of the page, in order.
class RecordingPage : public SettingsPage {
 public:
  explicit RecordingPage(int tabs) : tabs_(tabs) {}
  std::vector<std::string> events;  // "create", "show 5 on tab 1", "destroy, strip 1"
  std::vector<std::pair<WPARAM, LPARAM>> markerClicks;
  std::vector<std::pair<WPARAM, LPARAM>> markerChoices;
  std::vector<int> commands;
  int sizes = 0;

 protected:
  int TabCount() override { return tabs_; }
  UINT TabCaptionId(int index) override;
  void OnCreate(HWND) override { events.push_back("create"); }
  void ShowTab(HWND window, int showCommand) override;
  void OnDestroy(HWND window) override;
  LRESULT OnMarkerChosen(HWND, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMarkerClicked(HWND, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCommand(HWND, WPARAM wParam, LPARAM) override;
  LRESULT OnSize(HWND) override;

 private:
  int tabs_;
};

inline constexpr wchar_t kTestPageClass[] = L"ToolkitTestSettingsWin";
inline constexpr int kMainWidth = 480;
inline constexpr int kMainHeight = 600;

class ToolkitTest : public ::testing::Test {
 protected:
  // Scale as at that resolution, the English language library, a main window.
  void Prepare(int dpi);
  HWND Open(int tabs);
  void TearDown() override;
  static int CloseRequests();  // WM_USER+1 received by the main window
  int S(int v) const { return v * dpi_ / 96; }  // exact at 96 and 192 dpi
  HWND Control(int id) const { return GetDlgItem(window_, id); }

  int dpi_ = 96;
  HWND main_ = nullptr;
  HWND window_ = nullptr;
  RecordingPage* page_ = nullptr;
  ScopedFont font_;
};

std::wstring English(UINT id);
// A control's rectangle in its parent's client coordinates: {x, y, width, height}.
std::vector<int> Place(HWND control);
bool HasStyle(HWND window, DWORD bits);
std::wstring Text(HWND window);

// A memory surface to paint into and read back.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas();
  HDC Dc() const { return dc_; }
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }
  // How many pixels of the rectangle differ from the colour.
  int CountOther(const RECT& rect, COLORREF colour) const;

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};
