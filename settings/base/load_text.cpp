#include "settings/base/load_text.h"

#include "settings/base/program_modules.h"

int LoadText(HMODULE module, UINT id, WideString& out) {
  wchar_t buffer[1024];
  int length = module ? LoadStringW(module, id, buffer, 1024) : 0;
  if (length <= 0) {
    out.Assign(L"");
    return length < 0 ? 0 : length;
  }
  out.Assign(buffer, static_cast<std::size_t>(length));
  return length;
}

WideString LanguageText(UINT id, const wchar_t* english) {
  WideString text;
  LoadText(Modules().languageLibrary, id, text);
  if (text.Empty()) text.Assign(english);
  return text;
}

int ShowLanguageMessage(HWND owner, UINT textId, UINT captionId, UINT buttons, const wchar_t* englishText,
                        const wchar_t* englishCaption) {
  return MessageBoxW(owner, LanguageText(textId, englishText).c_str(), LanguageText(captionId, englishCaption).c_str(),
                     buttons);
}
