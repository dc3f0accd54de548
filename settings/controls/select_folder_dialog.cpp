// Select Folder: the folder the user has walked into is the choice.
#include "settings/controls/file_browser_dialog.h"

namespace {

class SelectFolderDialog final : public FileBrowserDialog {
 public:
  using FileBrowserDialog::FileBrowserDialog;

 protected:
  void CreateControls(HWND window) override {
    CreatePathAndList(window, LVS_SORTASCENDING);
    SetFocus(List());
  }
  const wchar_t* DefaultTitle() const override { return L"Select Folder"; }
  DWORD MenuBarFlags() const override { return SHCMBF_HMENU | SHCMBF_HIDESIPBUTTON; }
  bool AcceptEntry(const wchar_t*, bool isFolder) const override { return isFolder; }
  void OnSelect(HWND window) override { EndWithChoice(window, CurrentFolder()); }
};

}  // namespace

bool RunSelectFolderDialog(FileDialogRequest& request) {
  request.resultPath.Assign(L"");
  SelectFolderDialog dialog(request);
  return InlineDialog::Run(request.instance, dialog);
}
