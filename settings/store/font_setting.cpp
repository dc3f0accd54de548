#include "settings/store/font_setting.h"

#include <cwchar>

namespace {

constexpr BYTE kClearTypeQuality = 5;
constexpr DWORD kNoColour = 0xFFFFFFFF;

}  // namespace

FontSetting::FontSetting() : font{} {}

void FontSetting::Load(HKEY key, LONG defaultWeight, LONG defaultHeight, DWORD defaultStrikeOut,
                       const wchar_t* faceName, bool clearType, const wchar_t* prefix, KeyGroup keyGroup) {
  RegistryKey own;
  if (!key) {
    own = OpenKeyGroup(keyGroup);
    key = own.Get();
  }
  Fill(key, defaultWeight, defaultHeight, defaultStrikeOut, faceName, clearType, prefix, keyGroup);
}

void FontSetting::LoadDefault(LONG defaultWeight, LONG defaultHeight, DWORD defaultStrikeOut,
                              const wchar_t* faceName, bool clearType, const wchar_t* prefix, KeyGroup keyGroup) {
  Fill(nullptr, defaultWeight, defaultHeight, defaultStrikeOut, faceName, clearType, prefix, keyGroup);
}

void FontSetting::Fill(HKEY key, LONG defaultWeight, LONG defaultHeight, DWORD defaultStrikeOut,
                       const wchar_t* faceName, bool clearType, const wchar_t* prefix, KeyGroup keyGroup) {
  name.Assign(prefix);
  group = keyGroup;
  font = LOGFONTW{};
  font.lfQuality = clearType ? kClearTypeQuality : DEFAULT_QUALITY;
  if (faceName) wcsncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);

  WideString valueName;
  auto load = [&](DwordSetting& record, const wchar_t* suffix, DWORD fallback) {
    valueName.Assign(prefix);
    valueName.Append(suffix);
    if (key) return record.Load(key, fallback, valueName.c_str(), keyGroup);
    record.LoadDefault(fallback, valueName.c_str(), keyGroup);
    return record.value;
  };
  font.lfWeight = static_cast<LONG>(load(weight, L"lfWeight", static_cast<DWORD>(defaultWeight)));
  font.lfItalic = static_cast<BYTE>(load(italic, L"lfItalic", 0));
  font.lfUnderline = static_cast<BYTE>(load(underline, L"lfUnderline", 0));
  font.lfStrikeOut = static_cast<BYTE>(load(strikeOut, L"lfStrikeOut", defaultStrikeOut));
  font.lfHeight = static_cast<LONG>(load(height, L"lfHeight", static_cast<DWORD>(defaultHeight)));
  load(colour, L"lfColor", kNoColour);
}

void FontSetting::Save(HKEY key) {
  if (!Changed()) return;
  RegistryKey own;
  if (!key) {
    own = OpenKeyGroup(group);
    key = own.Get();
  }
  if (!key) return;
  weight.Save(key);
  italic.Save(key);
  underline.Save(key);
  strikeOut.Save(key);
  height.Save(key);
  colour.Save(key);
}

COLORREF FontSetting::SetFont(const LOGFONTW* description, COLORREF newColour) {
  if (description) {
    font.lfHeight = description->lfHeight;
    height.Set(static_cast<DWORD>(description->lfHeight));
    font.lfItalic = description->lfItalic;
    italic.Set(description->lfItalic);
    font.lfStrikeOut = description->lfStrikeOut;
    strikeOut.Set(description->lfStrikeOut);
    font.lfUnderline = description->lfUnderline;
    underline.Set(description->lfUnderline);
    font.lfWeight = description->lfWeight;
    weight.Set(static_cast<DWORD>(description->lfWeight));
  }
  return colour.Set(newColour);
}

bool FontSetting::Changed() const {
  return weight.changed || italic.changed || underline.changed || strikeOut.changed || height.changed ||
         colour.changed;
}
