// Save File: a typed file name in the chosen folder, with the request's extension added.
#include "settings/controls/file_browser_dialog.h"
#include "settings/controls/file_browser_rules.h"

namespace {

constexpr int kNameCapacity = 256;

class SaveFileDialog final : public FileBrowserDialog {
 public:
  using FileBrowserDialog::FileBrowserDialog;

 protected:
  void CreateControls(HWND window) override {
    CreateFileNameRow(window);
    CreateExtensionRow(window);
    CreatePathAndList(window, 0);
    if (HWND list = List()) {
      SetWindowLongPtrW(list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
      SetPreviousListProc(
          reinterpret_cast<WNDPROC>(SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc))));
    }
    SetFocus(FileNameBox());
  }
  const wchar_t* DefaultTitle() const override { return L"Save File"; }
  // The input panel button stays: the user types here.
  DWORD MenuBarFlags() const override { return SHCMBF_HMENU; }
  bool AcceptEntry(const wchar_t* name, bool isFolder) const override { return MatchesExtension(name, isFolder); }

  void OnSelect(HWND window) override {
    wchar_t name[kNameCapacity + 1] = L"";
    GetWindowTextW(FileNameBox(), name, kNameCapacity + 1);
    const FileDialogRequest& request = Request();
    switch (CheckFileName(name)) {
      case FileNameCheck::Missing: Refuse(window, request.missingNameText); return;
      case FileNameCheck::IllegalCharacters: Refuse(window, request.illegalCharactersText); return;
      case FileNameCheck::Ok: break;
    }
    WideString path;
    if (ComposeSavePath(CurrentFolder(), name, request.extension.c_str(), path)) EndWithChoice(window, path.c_str());
  }

 private:
  void Refuse(HWND window, const WideString& text) {
    MessageBoxW(window, text.c_str(), Request().errorCaption.c_str(), MB_OK | MB_ICONSTOP);
  }

  // The up arrow on the first entry leaves the list for the file name box above it.
  static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = reinterpret_cast<SaveFileDialog*>(GetWindowLongPtrW(list, GWLP_USERDATA));
    if (!dialog) return DefWindowProcW(list, message, wParam, lParam);
    WNDPROC previous = dialog->PreviousListProc();
    if (message == WM_KEYDOWN && wParam == VK_UP && ListView_GetNextItem(list, -1, LVNI_SELECTED) == 0) {
      SetFocus(dialog->FileNameBox());
      return 0;
    }
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
      SetWindowLongPtrW(list, GWLP_USERDATA, 0);
    }
    return CallWindowProcW(previous, list, message, wParam, lParam);
  }
};

}  // namespace

bool RunSaveFileDialog(FileDialogRequest& request) {
  request.resultPath.Assign(L"");
  SaveFileDialog dialog(request);
  return InlineDialog::Run(request.instance, dialog);
}
