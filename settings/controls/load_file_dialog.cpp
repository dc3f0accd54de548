// Load File: choose an existing file, optionally of one extension.
#include "settings/controls/file_browser_dialog.h"

namespace {

class LoadFileDialog final : public FileBrowserDialog {
 public:
  using FileBrowserDialog::FileBrowserDialog;

 protected:
  void CreateControls(HWND window) override {
    CreateExtensionRow(window);
    CreatePathAndList(window, 0);
    SetFocus(List());
  }
  const wchar_t* DefaultTitle() const override { return L"Load File"; }
  DWORD MenuBarFlags() const override { return SHCMBF_HMENU | SHCMBF_HIDESIPBUTTON; }
  bool AcceptEntry(const wchar_t* name, bool isFolder) const override { return MatchesExtension(name, isFolder); }

  // Only a file is a choice; with a folder or nothing selected the dialog stays.
  void OnSelect(HWND window) override {
    WideString name;
    bool isFolder = false;
    if (!SelectedEntry(name, isFolder) || isFolder) return;
    WideString path(CurrentFolder());
    path.Append(name.c_str());
    EndWithChoice(window, path.c_str());
  }
};

}  // namespace

bool RunLoadFileDialog(FileDialogRequest& request) {
  request.resultPath.Assign(L"");
  LoadFileDialog dialog(request);
  return InlineDialog::Run(request.instance, dialog);
}
