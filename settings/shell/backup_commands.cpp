#include "settings/shell/backup_commands.h"

#include <string>

#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/controls/file_dialog.h"
#include "settings/files/backup_file.h"
#include "settings/files/category_manager.h"
#include "settings/shell/shell_state.h"
#include "settings/store/settings_store.h"

namespace {

constexpr wchar_t kExtension[] = L"qmsb";
constexpr wchar_t kFilterDescription[] = L"QM Settings Backup (qmsb)";

void ShowMessage(HWND owner, UINT textId, UINT captionId, const wchar_t* englishText, const wchar_t* englishCaption,
                 const wchar_t* path = nullptr) {
  WideString text = LanguageText(textId, englishText);
  if (path) {
    text.Append(L" \"");
    text.Append(path);
    text.Append(L"\"");
  }
  MessageBoxW(owner, text.c_str(), LanguageText(captionId, englishCaption).c_str(), MB_OK);
}

// "QM_Backup_" and today's date as yyyy_MM_dd.
WideString ProposedBackupName() {
  wchar_t date[32] = L"";
  GetDateFormatW(LOCALE_USER_DEFAULT, 0, nullptr, L"yyyy'_'MM'_'dd", date, 32);
  WideString name(L"QM_Backup_");
  name.Append(date);
  return name;
}

}  // namespace

void ExportSettings(HWND owner) {
  std::unique_ptr<FileDialogRequest> request =
      MakeFileDialogRequest(L"Export QM Settings", kExtension, kFilterDescription, ProposedBackupName().c_str());
  if (!request || !RunSaveFileDialog(*request)) return;
  std::wstring file;
  WriteBackup(file);
  if (WriteWideTextFile(request->resultPath.c_str(), file))
    ShowMessage(owner, 607, 608, L"Settings exported to", L"Export Settings", request->resultPath.c_str());
  else
    ShowMessage(owner, 615, 616, L"The settings could not be written to", L"Export Failed",
                request->resultPath.c_str());
}

void ImportSettings(HWND owner) {
  std::unique_ptr<FileDialogRequest> request =
      MakeFileDialogRequest(L"Import QM Settings", kExtension, kFilterDescription, nullptr);
  if (!request || !RunLoadFileDialog(*request)) return;
  std::wstring file;
  if (!ReadWideTextFile(request->resultPath.c_str(), file) || !RestoreBackup(file)) {
    ShowMessage(owner, 609, 610, L"The settings could not be imported.", L"Import Failed");
    return;
  }
  Store().LoadAll(Modules().languageLibrary);
  Categories().SaveCategories();
  Categories().WriteFiltersFile();
  ShowMessage(owner, 611, 612, L"The settings were imported. Settings will close now.", L"Import Settings");
  PostMessageW(HWND_BROADCAST, SettingsChangedMessage(), 0, 0);
  DestroyWindow(owner);
}
