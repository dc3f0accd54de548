// The CE behaviour that the device's stand-ins add to desktop Windows.
#include <windows.h>
#include <commctrl.h>
#include <wincodec.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/aygshell.h"
#include "platform/ce_platform.h"
#include "platform/device_facts.h"
#include "tests/support/modal_answerer.h"

namespace {

constexpr wchar_t kHostClass[] = L"StandInTestHost";

struct Received {
  std::vector<UINT> commands;
  std::vector<LPARAM> hotkeys;
};
Received g_received;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) g_received.commands.push_back(LOWORD(wParam));
  if (message == WM_HOTKEY) g_received.hotkeys.push_back(lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateHost() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = HostProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kHostClass;
  RegisterClassW(&windowClass);
  HWND host = CreateWindowExW(0, kHostClass, L"host", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  CreateWindowExW(0, L"edit", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, host, reinterpret_cast<HMENU>(7), nullptr,
                  nullptr);
  g_received = Received{};
  return host;
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

HWND Toolbar(HWND bar) { return FindWindowExW(bar, nullptr, TOOLBARCLASSNAMEW, nullptr); }

void ClickButton(HWND bar, int index) {
  HWND toolbar = Toolbar(bar);
  RECT button;
  SendMessageW(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
  LPARAM point = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  SendMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(toolbar, WM_LBUTTONUP, 0, point);
  Pump();
}

TEST(CeVersion, ComesFromTheDeviceFacts) {
  DeviceOsVersion saved = ReadDeviceOsVersion();
  ASSERT_TRUE(WriteDeviceOsVersion({4, 20}));
  OSVERSIONINFOW info{sizeof info};
  ASSERT_TRUE(GetVersionExW(&info));
  EXPECT_EQ(4u, info.dwMajorVersion);
  EXPECT_EQ(20u, info.dwMinorVersion);
  EXPECT_EQ(3u, info.dwPlatformId);
  WriteDeviceOsVersion(saved);
  OSVERSIONINFOW tooSmall{sizeof tooSmall - 4};
  EXPECT_FALSE(GetVersionExW(&tooSmall));
}

TEST(CeWindows, TopLevelDefaultSizeFillsTheWorkAreaWithoutFrame) {
  HWND host = CreateHost();
  RECT rect;
  GetWindowRect(host, &rect);
  RECT area = DeviceWorkArea();
  EXPECT_EQ(area.left, rect.left);
  EXPECT_EQ(area.top, rect.top);
  EXPECT_EQ(area.right, rect.right);
  EXPECT_EQ(area.bottom, rect.bottom);
  EXPECT_EQ(26, area.top) << "the navigation bar at 96 dpi";
  EXPECT_FALSE(GetWindowLongPtrW(host, GWL_STYLE) & WS_CAPTION);
  DestroyWindow(host);
}

TEST(CeWindows, ForegroundWithLowBitBringsTheOwnedPopupToo) {
  HWND host = CreateHost();
  HWND popup = CreateWindowExW(0, kHostClass, L"popup", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, host, nullptr,
                               nullptr, nullptr);
  SetForegroundWindow(host);
  SetActiveWindow(popup);
  HWND other = CreateWindowExW(0, kHostClass, L"other", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                               nullptr, nullptr);
  SetForegroundWindow(other);
  EXPECT_TRUE(SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(host) | 1)));
  EXPECT_EQ(popup, GetForegroundWindow());
  DestroyWindow(other);
  DestroyWindow(host);
}

TEST(MenuBar, EmptyBarLiesAlongTheScreenBottom) {
  HWND host = CreateHost();
  SHMENUBARINFO info{};
  info.cbSize = sizeof info;
  info.hwndParent = host;
  info.dwFlags = SHCMBF_EMPTYBAR;
  ASSERT_TRUE(SHCreateMenuBar(&info));
  ASSERT_NE(nullptr, info.hwndMB);
  EXPECT_EQ(info.hwndMB, SHFindMenuBar(host));
  RECT rect;
  GetWindowRect(info.hwndMB, &rect);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), rect.bottom);
  EXPECT_EQ(26, rect.bottom - rect.top);
  EXPECT_EQ(0, SendMessageW(info.hwndMB, TB_BUTTONCOUNT, 0, 0));
  DestroyWindow(host);
  EXPECT_FALSE(IsWindow(info.hwndMB)) << "the bar goes with its owner";
}

TEST(MenuBar, RejectsWrongSizeAndMissingMenu) {
  HWND host = CreateHost();
  SHMENUBARINFO info{};
  info.cbSize = 36;
  info.hwndParent = host;
  info.dwFlags = SHCMBF_EMPTYBAR;
  if (sizeof info != 36) EXPECT_FALSE(SHCreateMenuBar(&info));
  info.cbSize = sizeof info;
  info.dwFlags = SHCMBF_HMENU;
  info.nToolBarId = 999;
  info.hInstRes = GetModuleHandleW(nullptr);
  EXPECT_FALSE(SHCreateMenuBar(&info));
  EXPECT_EQ(nullptr, info.hwndMB);
  DestroyWindow(host);
}

TEST(MenuBar, SoftKeysFromAMenuSendTheirCommandsAndTakeNewOnes) {
  HWND host = CreateHost();
  SHMENUBARINFO info{};
  info.cbSize = sizeof info;
  info.hwndParent = host;
  info.dwFlags = SHCMBF_HMENU | SHCMBF_HIDESIPBUTTON;
  info.nToolBarId = 500;
  info.hInstRes = GetModuleHandleW(nullptr);
  ASSERT_TRUE(SHCreateMenuBar(&info));
  ASSERT_EQ(2, SendMessageW(info.hwndMB, TB_BUTTONCOUNT, 0, 0));
  ClickButton(info.hwndMB, 1);
  EXPECT_EQ(std::vector<UINT>{1610}, g_received.commands);

  // The way a dialog relabels its keys: by index, new command and text.
  wchar_t text[] = L"Select";
  TBBUTTONINFOW button{};
  button.cbSize = sizeof button;
  button.dwMask = TBIF_BYINDEX | TBIF_COMMAND | TBIF_TEXT;
  button.idCommand = 1;
  button.pszText = text;
  ASSERT_TRUE(SendMessageW(info.hwndMB, TB_SETBUTTONINFOW, 0, reinterpret_cast<LPARAM>(&button)));
  ClickButton(info.hwndMB, 0);
  EXPECT_EQ((std::vector<UINT>{1610, 1}), g_received.commands);
  wchar_t read[32] = L"";
  TBBUTTONINFOW query{};
  query.cbSize = sizeof query;
  query.dwMask = TBIF_BYINDEX | TBIF_TEXT;
  query.pszText = read;
  query.cchText = 32;
  SendMessageW(info.hwndMB, TB_GETBUTTONINFOW, 0, reinterpret_cast<LPARAM>(&query));
  EXPECT_STREQ(L"Select", read);
  EXPECT_NE(nullptr, reinterpret_cast<HMENU>(SendMessageW(info.hwndMB, SHCMBM_GETMENU, 0, 0)));
  DestroyWindow(host);
}

TEST(MenuBar, OverriddenBackKeyReachesTheOwnerAsHotKey) {
  HWND host = CreateHost();
  SHMENUBARINFO info{};
  info.cbSize = sizeof info;
  info.hwndParent = host;
  info.dwFlags = SHCMBF_EMPTYBAR;
  ASSERT_TRUE(SHCreateMenuBar(&info));
  HWND edit = GetDlgItem(host, 7);
  PostMessageW(edit, WM_KEYUP, VK_ESCAPE, 0);
  Pump();
  EXPECT_TRUE(g_received.hotkeys.empty()) << "not overridden yet";

  SendMessageW(info.hwndMB, SHCMBM_OVERRIDEKEY, VK_TBACK,
               MAKELPARAM(SHMBOF_NODEFAULT | SHMBOF_NOTIFY, SHMBOF_NODEFAULT | SHMBOF_NOTIFY));
  PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageW(edit, WM_KEYUP, VK_ESCAPE, 0);
  PostMessageW(edit, WM_KEYUP, 'A', 0);
  Pump();
  ASSERT_EQ(2u, g_received.hotkeys.size());
  EXPECT_EQ(MAKELPARAM(0, VK_ESCAPE), g_received.hotkeys[0]);
  EXPECT_EQ(MAKELPARAM(MOD_KEYUP, VK_ESCAPE), g_received.hotkeys[1]);
  DestroyWindow(host);
}

INT_PTR CALLBACK InitDialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  SHINITDLGINFO info{SHIDIM_FLAGS, dialog, static_cast<DWORD>(lParam)};
  SetWindowLongPtrW(dialog, DWLP_USER, SHInitDialog(&info));
  return TRUE;
}

struct DialogLook {
  RECT rect;
  LONG_PTR style;
  LONG_PTR exStyle;
};

DialogLook RunDialog(DWORD flags) {
  struct alignas(4) {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
  } dialogTemplate{};
  dialogTemplate.header.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
  dialogTemplate.header.cx = 50;
  dialogTemplate.header.cy = 30;
  DialogLook look{};
  ModalAnswerer answerer;
  answerer.Then([&look](HWND dialog) {
    GetWindowRect(dialog, &look.rect);
    look.style = GetWindowLongPtrW(dialog, GWL_STYLE);
    look.exStyle = GetWindowLongPtrW(dialog, GWL_EXSTYLE);
    EndDialog(dialog, 1);
  });
  DialogBoxIndirectParamW(nullptr, &dialogTemplate.header, nullptr, InitDialogProc, flags);
  EXPECT_EQ(1, answerer.Answered());
  return look;
}

TEST(InitDialog, FullScreenDoneDialogHasNoFrameAndTheOkButton) {
  DialogLook look = RunDialog(SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN);
  RECT area = DeviceWorkArea();
  EXPECT_EQ(area.top, look.rect.top);
  EXPECT_EQ(area.bottom, look.rect.bottom);
  EXPECT_EQ(area.right - area.left, look.rect.right - look.rect.left);
  EXPECT_FALSE(look.style & WS_CAPTION);
  EXPECT_TRUE(static_cast<DWORD>(look.exStyle) & WS_EX_CAPTIONOKBTN);

  look = RunDialog(SHIDIF_SIPDOWN);
  EXPECT_FALSE(static_cast<DWORD>(look.exStyle) & WS_EX_CAPTIONOKBTN);
  EXPECT_LT(look.rect.right - look.rect.left, area.right - area.left) << "not sized without the flag";
}

TEST(ShellState, FullScreenFlagsCancelEachOther) {
  HWND host = CreateHost();
  EXPECT_TRUE(SHFullScreen(host, SHFS_HIDESIPBUTTON));
  EXPECT_EQ(static_cast<DWORD>(SHFS_HIDESIPBUTTON), SHFullScreenState(host));
  SHFullScreen(host, SHFS_SHOWSIPBUTTON | SHFS_HIDETASKBAR);
  EXPECT_EQ(static_cast<DWORD>(SHFS_SHOWSIPBUTTON | SHFS_HIDETASKBAR), SHFullScreenState(host));
  EXPECT_FALSE(SHFullScreen(nullptr, SHFS_HIDESIPBUTTON));
  SHACTIVATEINFO activation{};
  activation.cbSize = sizeof activation;
  EXPECT_TRUE(SHHandleWMActivate(host, WA_ACTIVE, 0, &activation, 0));
  EXPECT_EQ(1u, activation.fActive);
  activation.cbSize = 12 + 1;
  EXPECT_FALSE(SHHandleWMActivate(host, WA_ACTIVE, 0, &activation, 0));
  DestroyWindow(host);
}

// A 3x2 GIF written with the desktop's own encoder.
std::wstring WriteGif() {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  std::wstring path = std::wstring(folder) + L"stand-in.gif";
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                   reinterpret_cast<void**>(&factory));
  factory->CreateStream(&stream);
  stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
  factory->CreateEncoder(GUID_ContainerFormatGif, nullptr, &encoder);
  encoder->Initialize(stream, WICBitmapEncoderNoCache);
  encoder->CreateNewFrame(&frame, nullptr);
  frame->Initialize(nullptr);
  frame->SetSize(3, 2);
  WICPixelFormatGUID format = GUID_WICPixelFormat8bppIndexed;
  frame->SetPixelFormat(&format);
  IWICPalette* palette = nullptr;
  factory->CreatePalette(&palette);
  WICColor colours[2] = {0xFFFF0000, 0xFF0000FF};
  palette->InitializeCustom(colours, 2);
  frame->SetPalette(palette);
  BYTE pixels[6] = {0, 1, 0, 1, 0, 1};
  frame->WritePixels(2, 3, sizeof pixels, pixels);
  frame->Commit();
  encoder->Commit();
  palette->Release();
  frame->Release();
  encoder->Release();
  stream->Release();
  factory->Release();
  return path;
}

TEST(ShellImages, LoadsAGifIntoABitmapAndRefusesWhatIsNoImage) {
  std::wstring path = WriteGif();
  HBITMAP bitmap = SHLoadImageFile(path.c_str());
  ASSERT_NE(nullptr, bitmap);
  BITMAP info;
  GetObjectW(bitmap, sizeof info, &info);
  EXPECT_EQ(3, info.bmWidth);
  EXPECT_EQ(2, info.bmHeight);
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, bitmap);
  EXPECT_EQ(RGB(255, 0, 0), GetPixel(memory, 0, 0));
  EXPECT_EQ(RGB(0, 0, 255), GetPixel(memory, 1, 0));
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
  EXPECT_EQ(nullptr, SHLoadImageFile(L"C:\\no such file.gif"));
  EXPECT_EQ(nullptr, SHLoadImageFile(L""));
  EXPECT_EQ(nullptr, SHLoadDIBitmap(path.c_str())) << "a GIF is no BMP";
  DeleteFileW(path.c_str());
}

}  // namespace
