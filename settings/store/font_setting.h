#pragma once
// A font of the plug-in: six number records in the registry, mirrored into a LOGFONTW for
// drawing. The records are the stored truth.
#include <windows.h>

#include "settings/base/wide_string.h"
#include "settings/store/key_group.h"
#include "settings/store/setting_records.h"

class FontSetting {
 public:
  FontSetting();
  FontSetting(const FontSetting&) = delete;
  FontSetting& operator=(const FontSetting&) = delete;

  // Loads prefix + "lfWeight", "lfItalic", "lfUnderline", "lfStrikeOut", "lfHeight",
  // "lfColor" in that order and mirrors them into `font`, whose face is `faceName` (cut to
  // 31 characters) and quality ClearType when `clearType` is set.
  void Load(HKEY key, LONG defaultWeight, LONG defaultHeight, DWORD defaultStrikeOut, const wchar_t* faceName,
            bool clearType, const wchar_t* prefix, KeyGroup keyGroup);
  // Binds the six records and takes the defaults without touching the registry.
  void LoadDefault(LONG defaultWeight, LONG defaultHeight, DWORD defaultStrikeOut, const wchar_t* faceName,
                   bool clearType, const wchar_t* prefix, KeyGroup keyGroup);
  // Saves the six records in load order, each by the change rule of its record.
  void Save(HKEY key);
  // Takes height, italic, strike-out, underline and weight of `description` (when given;
  // its other fields are ignored), then the colour. Returns the previous colour.
  COLORREF SetFont(const LOGFONTW* description, COLORREF colour);

  bool Changed() const;
  COLORREF Colour() const { return colour.value; }

  LOGFONTW font;
  WideString name;  // the prefix of the six value names
  KeyGroup group = kNoKeyGroup;
  DwordSetting weight;
  DwordSetting italic;
  DwordSetting underline;
  DwordSetting strikeOut;
  DwordSetting height;
  DwordSetting colour;

 private:
  // Loads through `key`, or takes the defaults when there is none.
  void Fill(HKEY key, LONG defaultWeight, LONG defaultHeight, DWORD defaultStrikeOut, const wchar_t* faceName,
            bool clearType, const wchar_t* prefix, KeyGroup keyGroup);
};
