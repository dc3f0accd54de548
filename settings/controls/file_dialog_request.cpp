#include <new>

#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/controls/file_dialog.h"

namespace {

void LoadLanguageText(UINT id, const wchar_t* english, WideString& out) {
  LoadText(Modules().languageLibrary, id, out);
  if (out.Empty()) out.Assign(english);
}

}  // namespace

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
  LoadLanguageText(1114, L"Cancel", request->cancelText);
  LoadLanguageText(1480, L"Select", request->selectText);
  LoadLanguageText(1481, L"File Name", request->fileNameLabel);
  LoadLanguageText(1482, L"Extension", request->extensionLabel);
  LoadLanguageText(1483, L"File name value is missing", request->missingNameText);
  LoadLanguageText(1484, L"File name include illegal characters", request->illegalCharactersText);
  LoadLanguageText(1485, L"File Name Error", request->errorCaption);
  return request;
}
