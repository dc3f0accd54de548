#pragma once
// The base of the Load File, Save File and Select Folder dialogs: the current folder as a
// list of folders and files with their shell icons, walking into folders and back up, the
// two soft keys Select and Cancel. The dialogs differ in their title, menu bar, controls,
// which entries they show and what Select does.
#include <windows.h>
#include <commctrl.h>

#include "settings/base/wide_string.h"
#include "settings/controls/file_dialog.h"
#include "settings/controls/inline_dialog.h"

// Control ids of the browser dialogs.
enum FileBrowserControl {
  kFileNameLabelId = 100,
  kFileNameBoxId,
  kExtensionLabelId,
  kExtensionBoxId,
  kPathBoxId,
  kFileListId,
};

// Soft-key commands: Select (also the navigation bar's OK) and Cancel.
inline constexpr int kSelectCommand = 1;
inline constexpr int kCancelCommand = 2;

// Sets the folder the next dialog starts in (a dialog ending with a choice does so).
void SetRememberedFolder(const wchar_t* folder);

class FileBrowserDialog : public InlineDialog {
 public:
  explicit FileBrowserDialog(FileDialogRequest& request);

  const wchar_t* CurrentFolder() const { return currentFolder_.c_str(); }

 protected:
  INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateMenuBar(HWND window) override;
  const wchar_t* DialogTitle() override;
  void OnPaint(HWND window) override;
  void OnSize(HWND window) override;
  bool OnInitDialog(HWND window) override;

  // What sets the three dialogs apart.
  virtual const wchar_t* DefaultTitle() const = 0;
  virtual DWORD MenuBarFlags() const = 0;
  virtual bool AcceptEntry(const wchar_t* name, bool isFolder) const = 0;
  virtual void OnSelect(HWND window) = 0;

  // Building blocks for CreateControls, top to bottom.
  void CreateFileNameRow(HWND window);
  void CreateExtensionRow(HWND window);
  // The path box and the list; extraListStyle is added to the list's style.
  void CreatePathAndList(HWND window, DWORD extraListStyle);

  // Load and Save: every folder, and the files whose name ends with the extension.
  bool MatchesExtension(const wchar_t* name, bool isFolder) const;
  // The selected entry's name and whether it is a folder; false when nothing is selected.
  bool SelectedEntry(WideString& name, bool& isFolder) const;
  // Ends the dialog with a choice: the result path, and the folder remembered for the next.
  void EndWithChoice(HWND window, const wchar_t* resultPath);

  FileDialogRequest& Request() { return request_; }
  const FileDialogRequest& Request() const { return request_; }
  HWND FileNameBox() const { return fileNameBox_; }
  HWND List() const { return list_; }
  WNDPROC PreviousListProc() const { return previousListProc_; }
  void SetPreviousListProc(WNDPROC proc) { previousListProc_ = proc; }

 private:
  void PaintContent(HWND window, HDC dc);
  void FillList();
  void SelectEntry(int index);
  void OpenSelectedEntry(HWND window);
  void GoUp(HWND window);

  WideString currentFolder_;  // always ends in "\"
  RECT upFolderRect_{};
  HWND fileNameLabel_ = nullptr;
  HWND fileNameBox_ = nullptr;
  HWND extensionLabel_ = nullptr;
  HWND extensionBox_ = nullptr;
  HWND pathBox_ = nullptr;
  HWND list_ = nullptr;
  // Handed to the list, which destroys it with itself.
  HIMAGELIST imageList_ = nullptr;
  WNDPROC previousListProc_ = nullptr;  // Save File's list subclass
  FileDialogRequest& request_;
  ScopedBitmap upFolderBitmap_;
};
