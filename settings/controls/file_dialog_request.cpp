#include <new>

#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/controls/file_dialog.h"

std::unique_ptr<FileDialogRequest> MakeFileDialogRequest(const wchar_t* title, const wchar_t* extension,
                                                         const wchar_t* filterDescription,
                                                         const wchar_t* proposedName) {
  std::unique_ptr<FileDialogRequest> request(new (std::nothrow) FileDialogRequest);
  if (!request) return request;
  request->instance = Modules().instance ? Modules().instance : GetModuleHandleW(nullptr);
  request->resolutionLibrary = Modules().resolutionLibrary;
  request->title.Assign(title);
  request->extension.Assign(extension);
  request->filterDescription.Assign(filterDescription);
  request->proposedName.Assign(proposedName);
  request->cancelText = LanguageText(1114, L"Cancel");
  request->selectText = LanguageText(1480, L"Select");
  request->fileNameLabel = LanguageText(1481, L"File Name");
  request->extensionLabel = LanguageText(1482, L"Extension");
  request->missingNameText = LanguageText(1483, L"File name value is missing");
  request->illegalCharactersText = LanguageText(1484, L"File name include illegal characters");
  request->errorCaption = LanguageText(1485, L"File Name Error");
  return request;
}
