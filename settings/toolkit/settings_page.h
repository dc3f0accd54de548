#pragma once
// The base of every settings page: a full-screen window over the main window, an empty
// soft-key bar, an optional tab strip along the bottom, controls built from the setting
// records when the window is created and written back when it is destroyed.
#include <windows.h>
#include <commctrl.h>

#include "platform/aygshell.h"
#include "settings/base/wide_string.h"

class SettingsPage {
 public:
  SettingsPage() = default;
  SettingsPage(const SettingsPage&) = delete;
  SettingsPage& operator=(const SettingsPage&) = delete;
  // Unregisters the page's window class.
  virtual ~SettingsPage();

  // Registers the class, creates the window over the parent's window rectangle (less the
  // soft-key bar), shows it. Returns the window, or null when it could not be created.
  HWND Create(HWND parent, const wchar_t* className, HINSTANCE instance, HFONT font, HFONT boldFont);

  HWND Window() const { return window_; }
  HWND MenuBar() const { return menuBar_; }
  HWND TabStrip() const { return tabStrip_; }
  HINSTANCE Instance() const { return instance_; }
  HFONT Font() const { return font_; }
  HFONT BoldFont() const { return boldFont_; }
  const wchar_t* ClassName() const { return className_.c_str(); }
  // The tab the strip selects (TCM_GETCURSEL); 0 without a strip.
  int CurrentTab() const;

  // The page owns one image list, destroyed with its window.
  void SetImageList(HIMAGELIST list);
  HIMAGELIST ImageList() const { return imageList_; }
  // The cached header band bitmap (see DrawHeaderBand), deleted with the window.
  HBITMAP HeaderBitmap() const { return headerBitmap_; }
  void SetHeaderBitmap(HBITMAP bitmap);

 protected:
  virtual int TabCount() = 0;
  virtual UINT TabCaptionId(int index) = 0;
  virtual void OnCreate(HWND window) = 0;
  // Shows (SW_SHOW) or hides (SW_HIDE) the controls of the tab the strip selects.
  virtual void ShowTab(HWND window, int showCommand) = 0;
  // Copies every control into its setting record and frees page-local data.
  virtual void OnDestroy(HWND window) = 0;
  virtual void OnPaint(HWND window);
  virtual LRESULT OnLButtonDown(HWND window, WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnDrawItem(HWND window, WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnMeasureItem(HWND window, WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnMarkerChosen(HWND window, WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnMarkerClicked(HWND window, WPARAM wParam, LPARAM lParam);
  // Every command but the caption OK (id 1).
  virtual LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam);
  // After the tab strip has been moved.
  virtual LRESULT OnSize(HWND window);
  // Every notification but the tab strip's selection changes.
  virtual LRESULT OnNotify(HWND window, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT ControlBackground(HWND window, WPARAM wParam, LPARAM lParam);
  LRESULT HandleCreate(HWND window);
  void HandleDestroy(HWND window);
  LRESULT HandleNcDestroy(HWND window, WPARAM wParam, LPARAM lParam);
  LRESULT HandleSize(HWND window);
  LRESULT HandleCommand(HWND window, WPARAM wParam, LPARAM lParam);
  LRESULT HandleNotify(HWND window, WPARAM wParam, LPARAM lParam);
  void FreeWindowResources();
  void BuildTabStrip(HWND window);
  void PlaceTabStrip(HWND window);

  HWND window_ = nullptr;
  HWND menuBar_ = nullptr;
  HIMAGELIST imageList_ = nullptr;
  WideString className_;
  HBITMAP headerBitmap_ = nullptr;
  SHACTIVATEINFO activation_{};
  HWND tabStrip_ = nullptr;
  HFONT font_ = nullptr;
  HFONT boldFont_ = nullptr;
  HINSTANCE instance_ = nullptr;
};

// What a page's caption OK sends to the window that owns the page, which then closes it.
inline constexpr UINT kClosePageMessage = WM_USER + 1;

// Messages of the icon markers to their page.
inline constexpr UINT kMarkerClickedMessage = 0x6FC;
inline constexpr UINT kMarkerChosenMessage = 0x6FD;
