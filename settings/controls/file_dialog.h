#pragma once
// The program's own file and folder dialogs: Load File, Save File and Select Folder.
#include <windows.h>

#include <memory>

#include "settings/base/wide_string.h"

struct FileDialogRequest {
  HINSTANCE instance = nullptr;
  HMODULE resolutionLibrary = nullptr;
  UINT menuBarId = 1568;
  UINT reserved = 158;
  DWORD flag = 1;  // full screen, with the navigation bar's OK acting as Select
  WideString title;
  WideString cancelText;
  WideString selectText;
  UINT upFolderBitmapId = 171;
  WideString extension;  // without the dot; empty accepts every file
  WideString filterDescription;
  WideString proposedName;
  WideString fileNameLabel;
  WideString extensionLabel;
  WideString missingNameText;
  WideString illegalCharactersText;
  WideString errorCaption;
  WideString resultPath;  // the choice, once a dialog ended with one
};

// A request with the program's instance, the resolution library and the language texts
// (English defaults where the language library has none). Null texts count as empty.
std::unique_ptr<FileDialogRequest> MakeFileDialogRequest(const wchar_t* title, const wchar_t* extension,
                                                         const wchar_t* filterDescription,
                                                         const wchar_t* proposedName);

// Each runs its dialog modally; true when it ended with a choice, which is then in
// request.resultPath.
bool RunLoadFileDialog(FileDialogRequest& request);
bool RunSaveFileDialog(FileDialogRequest& request);
bool RunSelectFolderDialog(FileDialogRequest& request);

// The folder where the last dialog ended with a choice ("\" at program start).
const wchar_t* RememberedFolder();
