#include "settings/toolkit/search_bar_box.h"

#include <memory>
#include <new>

#include "settings/base/load_text.h"
#include "settings/files/alphabets_dialog.h"
#include "settings/files/contact_alphabets.h"
#include "settings/store/setting_records.h"

namespace {

struct BuiltInBar {
  DWORD kind;
  UINT textId;
  DWORD languageBit;
};
constexpr BuiltInBar kBuiltInBars[] = {{1, 1409, 1}, {2, 1410, 2}, {3, 1411, 4}, {4, 1412, 8}};
constexpr DWORD kNoLetters = 0;
constexpr UINT kNoLettersText = 1408;
constexpr UINT kAllAlphabetsText = 1413;
constexpr UINT kChooseAlphabetsText = 1440;
constexpr int kCustomNameChars = 255;

int AddEntry(HWND box, UINT textId, DWORD kind) {
  const WideString text = LanguageText(textId);
  const LRESULT index = SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index >= 0) SendMessageW(box, CB_SETITEMDATA, static_cast<WPARAM>(index), kind);
  return static_cast<int>(index);
}

LRESULT ChosenKind(HWND box, LRESULT index) {
  return SendMessageW(box, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

}  // namespace

void FillSearchBarBox(HWND box, const SearchBarRecords& records) {
  if (!box) return;
  SendMessageW(box, CB_RESETCONTENT, 0, 0);
  const DWORD stored = records.kind.value;
  const DWORD languages = records.languages.value;
  int selected = AddEntry(box, kNoLettersText, kNoLetters);
  for (const BuiltInBar& bar : kBuiltInBars) {
    if (!(languages & bar.languageBit)) continue;
    const int index = AddEntry(box, bar.textId, bar.kind);
    if (bar.kind == stored) selected = index;
  }
  AddActiveAlphabets(box, stored, records.customName.value.c_str());
  if (languages != 0) {
    const int index = AddEntry(box, kAllAlphabetsText, kSearchBarAllAlphabets);
    if (stored == kSearchBarAllAlphabets) selected = index;
  }
  AddEntry(box, kChooseAlphabetsText, kSearchBarChooseAlphabets);
  // A custom alphabet selects itself as it is added.
  if (stored != kCustomSearchBarKind || SendMessageW(box, CB_GETCURSEL, 0, 0) < 0)
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void OnSearchBarChanged(HWND box, HINSTANCE instance, HFONT font, const SearchBarRecords& records) {
  const LRESULT index = SendMessageW(box, CB_GETCURSEL, 0, 0);
  if (index < 0 || ChosenKind(box, index) != static_cast<LRESULT>(kSearchBarChooseAlphabets)) return;
  const int result = ChooseAlphabets(instance, font, records.languages.value);
  if (result != -1) {
    records.languages.Set(static_cast<DWORD>(result));
    FillSearchBarBox(box, records);
  }
  SendMessageW(box, CB_SETCURSEL, 0, 0);
}

void WriteSearchBarBox(HWND box, const SearchBarRecords& records) {
  const LRESULT index = SendMessageW(box, CB_GETCURSEL, 0, 0);
  if (index < 0) return;
  const auto kind = static_cast<DWORD>(ChosenKind(box, index));
  if (kind == kSearchBarChooseAlphabets) return;
  records.kind.Set(kind);
  if (kind != kCustomSearchBarKind) return;
  const LRESULT length = SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return;
  std::unique_ptr<wchar_t[]> text(new (std::nothrow) wchar_t[static_cast<std::size_t>(length) + 1]);
  if (!text) return;
  SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.get()));
  if (length > kCustomNameChars) text[kCustomNameChars] = L'\0';
  records.customName.Set(text.get());
}
