#include "tests/bench/bench_settings.h"

#include "settings/store/catalogue.h"
#include "settings/store/font_setting.h"
#include "settings/store/setting_records.h"

// Gives every saved record a value other than its default; returns how many were set.
int SetEverySavedRecord(SettingsStore& store) {
  int set = 0;
  WideString text;
  for (const CatalogueRow& row : Catalogue()) {
    if (!row.saved) continue;
    RecordRef record = row.record(store);
    switch (row.kind) {
      case SettingKind::kNumber:
        record.number->Set(record.number->defaultValue + 1);
        ++set;
        break;
      case SettingKind::kText:
        text.Assign(record.text->defaultValue.c_str());
        text.Append(L"x");
        record.text->Set(text.c_str());
        ++set;
        break;
      case SettingKind::kFont: {
        LOGFONTW font = record.font->font;
        font.lfHeight += 1;
        font.lfWeight += 100;
        font.lfItalic ^= 1;
        font.lfUnderline ^= 1;
        font.lfStrikeOut ^= 1;
        record.font->SetFont(&font, 0x123456);
        set += 6;
        break;
      }
      case SettingKind::kBits:
        break;
    }
  }
  return set;
}

