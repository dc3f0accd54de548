#include "platform/device_facts.h"

#include "platform/ce_platform.h"

namespace {

DWORD ReadFact(HKEY key, const wchar_t* name, DWORD fallback) {
  DWORD value = 0;
  DWORD size = sizeof value;
  DWORD type = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value)
    return fallback;
  return value;
}

}  // namespace

DeviceOsVersion ReadDeviceOsVersion() {
  DeviceOsVersion version{5, 2};
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDeviceFactsKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    version.major = ReadFact(key, L"OsMajor", version.major);
    version.minor = ReadFact(key, L"OsMinor", version.minor);
    RegCloseKey(key);
  }
  return version;
}

bool WriteDeviceOsVersion(DeviceOsVersion version) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kDeviceFactsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  bool ok = RegSetValueExW(key, L"OsMajor", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&version.major),
                           sizeof version.major) == ERROR_SUCCESS &&
            RegSetValueExW(key, L"OsMinor", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&version.minor),
                           sizeof version.minor) == ERROR_SUCCESS;
  RegCloseKey(key);
  return ok;
}

int NavigationBarHeight() {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return MulDiv(26, dpi, 96);
}

RECT DeviceWorkArea() {
  return RECT{0, NavigationBarHeight(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

BOOL WINAPI CeStandInGetVersionExW(LPOSVERSIONINFOW info) {
  if (!info || info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOW)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  DWORD size = info->dwOSVersionInfoSize;
  ZeroMemory(info, sizeof(OSVERSIONINFOW));
  info->dwOSVersionInfoSize = size;
  DeviceOsVersion version = ReadDeviceOsVersion();
  info->dwMajorVersion = version.major;
  info->dwMinorVersion = version.minor;
  info->dwBuildNumber = 0;
  info->dwPlatformId = 3;  // VER_PLATFORM_WIN32_CE
  return TRUE;
}
