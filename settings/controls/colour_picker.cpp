#include "settings/controls/colour_picker.h"

#include <new>

#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/controls/colour_picker_dialog.h"

std::unique_ptr<ColourPickerRequest> MakeColourPickerRequest(COLORREF initial) {
  std::unique_ptr<ColourPickerRequest> request(new (std::nothrow) ColourPickerRequest);
  if (!request) return request;
  request->instance = Modules().instance ? Modules().instance : GetModuleHandleW(nullptr);
  request->resolutionLibrary = Modules().resolutionLibrary;
  request->title = LanguageText(1261, L"Select Color");
  request->cancelText = LanguageText(1114, L"Cancel");
  request->selectText = LanguageText(1480, L"Select");
  request->redLabel = LanguageText(1128, L"Red");
  request->greenLabel = LanguageText(1129, L"Green");
  request->blueLabel = LanguageText(1130, L"Blue");
  request->rgbViewText = LanguageText(1262, L"RGB Values");
  request->paletteViewText = LanguageText(1263, L"Picker");
  request->defaultText = LanguageText(915, L"Default");
  request->rangeText = LanguageText(1122, L"Valid values are between 0-255");
  request->rangeCaption = LanguageText(1123, L"Invalid value");
  request->bandLabel = LanguageText(1127, L"Selected color");
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
