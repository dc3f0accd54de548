#include "settings/pages/category_icon_file.h"

#include <cwchar>
#include <utility>

#include "platform/aygshell.h"
#include "settings/controls/gdi_guards.h"
#include "settings/files/category_items.h"
#include "settings/store/settings_store.h"

namespace {

// No file there: also when the category's name cannot be a file name.
bool Missing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME;
}

}  // namespace

WideString CategoryIconPath(const Category& category) {
  WideString path(Store().CategoryIconsFolder());
  path.Append(L"\\");
  path.Append(category.name.c_str());
  path.Append(L".bmp");
  return path;
}

IconChange ChangeCategoryIcon(Category& category, const wchar_t* chosen) {
  const WideString icon = CategoryIconPath(category);
  if (!chosen) chosen = L"";
  // The device's file names ignore case: the same file under other letters is still P.
  if (_wcsicmp(chosen, icon.c_str()) == 0) return IconChange::kUnchanged;

  if (!chosen[0]) {
    if (!DeleteFileW(icon.c_str()) && !Missing(GetLastError())) return IconChange::kKeptFile;
    category.icon.Reset();
    return IconChange::kRemoved;
  }

  WideString staged(icon);
  staged.Append(L".new");
  CreateDirectoryW(Store().CategoryIconsFolder(), nullptr);  // usually there already
  if (!CopyFileW(chosen, staged.c_str(), FALSE)) {
    DeleteFileW(staged.c_str());
    return IconChange::kCopyFailed;
  }
  ScopedBitmap bitmap(SHLoadDIBitmap(staged.c_str()));
  if (!bitmap) {
    DeleteFileW(staged.c_str());
    return IconChange::kNotABitmap;
  }
  if (!MoveFileExW(staged.c_str(), icon.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(staged.c_str());
    return IconChange::kCopyFailed;
  }
  category.icon = std::move(bitmap);
  return IconChange::kReplaced;
}
