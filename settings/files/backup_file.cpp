#include "settings/files/backup_file.h"

// The backup file format is not part of this build yet; the user is told so.
bool ExportSettings(HWND owner) {
  MessageBoxW(owner, L"Exporting settings is not available in this version.", L"Export Settings", MB_OK);
  return false;
}

bool ImportSettings(HWND owner) {
  MessageBoxW(owner, L"Importing settings is not available in this version.", L"Import Settings", MB_OK);
  return false;
}
