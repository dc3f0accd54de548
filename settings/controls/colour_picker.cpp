#include "settings/controls/colour_picker.h"

#include <new>

#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/controls/colour_picker_dialog.h"

namespace {

void LoadLanguageText(UINT id, const wchar_t* english, WideString& out) {
  LoadText(Modules().languageLibrary, id, out);
  if (out.Empty()) out.Assign(english);
}

}  // namespace

std::unique_ptr<ColourPickerRequest> MakeColourPickerRequest(COLORREF initial) {
  std::unique_ptr<ColourPickerRequest> request(new (std::nothrow) ColourPickerRequest);
  if (!request) return request;
  request->instance = Modules().instance ? Modules().instance : GetModuleHandleW(nullptr);
  request->resolutionLibrary = Modules().resolutionLibrary;
  LoadLanguageText(1261, L"Select Color", request->title);
  LoadLanguageText(1114, L"Cancel", request->cancelText);
  LoadLanguageText(1480, L"Select", request->selectText);
  LoadLanguageText(1128, L"Red", request->redLabel);
  LoadLanguageText(1129, L"Green", request->greenLabel);
  LoadLanguageText(1130, L"Blue", request->blueLabel);
  LoadLanguageText(1262, L"RGB Values", request->rgbViewText);
  LoadLanguageText(1263, L"Picker", request->paletteViewText);
  LoadLanguageText(915, L"Default", request->defaultText);
  LoadLanguageText(1122, L"Valid values are between 0-255", request->rangeText);
  LoadLanguageText(1123, L"Invalid value", request->rangeCaption);
  LoadLanguageText(1127, L"Selected color", request->bandLabel);
  request->initialView = kPaletteView;
  request->offerDefault = true;
  request->colour = initial;
  return request;
}

bool RunColourPicker(ColourPickerRequest& request) {
  ColourPicker picker(request);
  if (InlineDialog::Run(request.instance, picker)) return true;
  request.colour = kCancelledColour;
  return false;
}

COLORREF ChooseColour(COLORREF initial) {
  std::unique_ptr<ColourPickerRequest> request = MakeColourPickerRequest(initial);
  if (!request) return kCancelledColour;
  return RunColourPicker(*request) ? request->colour : kCancelledColour;
}
