#include "settings/store/theme_colours.h"

#include "platform/ce_platform.h"

#include <cwchar>
#include <memory>
#include <new>

#include "settings/store/key_group.h"

namespace {

COLORREF Rgb(const BYTE* bytes) { return RGB(bytes[0], bytes[1], bytes[2]); }

}  // namespace

COLORREF ReadSystemColor(int index, COLORREF fallback) {
  COLORREF colour = fallback & 0x00FFFFFF;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Color", 0, KEY_READ, &opened) != ERROR_SUCCESS)
    return colour;
  RegistryKey key(opened, RegistryKey::OnClose::kPlainClose);

  wchar_t valueName[16];
  swprintf(valueName, 16, L"%d", index);
  BYTE bytes[4] = {0, 0, 0, 0};
  DWORD size = sizeof bytes;
  if (RegQueryValueExW(key.Get(), valueName, nullptr, nullptr, bytes, &size) == ERROR_SUCCESS) return Rgb(bytes);

  if (index < 0) return colour;
  const DWORD offset = 4 * static_cast<DWORD>(index);
  size = 0;
  if (RegQueryValueExW(key.Get(), L"SHColor", nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS ||
      size <= offset + 4)
    return colour;
  std::unique_ptr<BYTE[]> table(new (std::nothrow) BYTE[size]);
  DWORD read = size;
  if (table && RegQueryValueExW(key.Get(), L"SHColor", nullptr, nullptr, table.get(), &read) == ERROR_SUCCESS &&
      read > offset + 2)
    colour = Rgb(table.get() + offset);
  return colour;
}

SelectionColours ReadSelectionColours() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  const bool known = GetVersionExW(&version) != FALSE;
  if (known && (version.dwMajorVersion == 3 || (version.dwMajorVersion == 4 && version.dwMinorVersion == 20)))
    return {kDefaultSelectionBackground, kDefaultSelectionText};
  return {ReadSystemColor(kSelectionBackgroundIndex, kDefaultSelectionBackground),
          ReadSystemColor(kSelectionTextIndex, kDefaultSelectionText)};
}
