#pragma once
// Facts of the emulated device that desktop Windows cannot give: the CE version and the
// shell's navigation bar. They live in one registry key of the device,
//   HKEY_LOCAL_MACHINE\Software\EmulatedDevice
//     OsMajor, OsMinor (REG_DWORD): the CE version, 5.2 (Windows Mobile 6) when absent.
// `./qm device create --os` writes them; tests may rewrite them between runs.
// Screen size and dpi are real: the Wine desktop's size and HKCU\Control Panel\Desktop
// LogPixels. The user's clock and first day of the week are the real user locale.
#include <windows.h>

struct DeviceOsVersion {
  DWORD major;
  DWORD minor;
};

DeviceOsVersion ReadDeviceOsVersion();
bool WriteDeviceOsVersion(DeviceOsVersion version);

// Height of the CE navigation bar along the top of the screen (26 pixels at 96 dpi).
int NavigationBarHeight();
// The CE work area: the screen less the navigation bar.
RECT DeviceWorkArea();

inline constexpr wchar_t kDeviceFactsKey[] = L"Software\\EmulatedDevice";
