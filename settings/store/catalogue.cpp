#include "settings/store/catalogue.h"

#include <cwchar>

#include "settings/store/settings_store.h"

namespace {

constexpr bool kSaved = true;
constexpr bool kNotSaved = false;

constexpr SettingDefault Number(DWORD n) { return {DefaultRule::kNumber, n, 0, nullptr}; }
constexpr SettingDefault NoColour() { return Number(0xFFFFFFFF); }
constexpr SettingDefault ScaledX(DWORD n) { return {DefaultRule::kScaledX, n, 0, nullptr}; }
constexpr SettingDefault ScaledY(DWORD n) { return {DefaultRule::kScaledY, n, 0, nullptr}; }
constexpr SettingDefault FirstDayOfWeek() { return {DefaultRule::kFirstDayOfWeek, 0, 0, nullptr}; }
constexpr SettingDefault Text(const wchar_t* text) { return {DefaultRule::kText, 0, 0, text}; }
constexpr SettingDefault InstallFolderPlus(const wchar_t* suffix) {
  return {DefaultRule::kInstallFolderPlus, 0, 0, suffix};
}
constexpr SettingDefault WebisFolderPlus(const wchar_t* suffix) { return {DefaultRule::kWebisFolderPlus, 0, 0, suffix}; }
constexpr SettingDefault Bits(DWORD bitCount) { return {DefaultRule::kBits, bitCount, 0, nullptr}; }
constexpr SettingDefault Font(DWORD weight, DWORD strikeOut) { return {DefaultRule::kFont, weight, strikeOut, nullptr}; }

template <class Record>
constexpr SettingKind kKindOf = SettingKind::kNumber;
template <>
constexpr SettingKind kKindOf<StringSetting> = SettingKind::kText;
template <>
constexpr SettingKind kKindOf<BitSetSetting> = SettingKind::kBits;
template <>
constexpr SettingKind kKindOf<FontSetting> = SettingKind::kFont;

RecordRef RefTo(DwordSetting& record) { return {SettingKind::kNumber, &record, nullptr, nullptr, nullptr}; }
RecordRef RefTo(StringSetting& record) { return {SettingKind::kText, nullptr, &record, nullptr, nullptr}; }
RecordRef RefTo(BitSetSetting& record) { return {SettingKind::kBits, nullptr, nullptr, &record, nullptr}; }
RecordRef RefTo(FontSetting& record) { return {SettingKind::kFont, nullptr, nullptr, nullptr, &record}; }

#define QM_TABLE_ROW_AS(group, member, type, field, valueName, fallback, saved) \
  {group, valueName, kKindOf<type>, fallback, saved, [](SettingsStore& store) { return RefTo(store.member.field); }},
#define QM_TABLE_ROW(group, member, type, name, fallback, saved) \
  QM_TABLE_ROW_AS(group, member, type, name, L"" #name, fallback, saved)

#define QM_IN_TODAY_ITEM(...) QM_TABLE_ROW(kTodayItemGroup, todayItem, __VA_ARGS__)
#define QM_IN_POCKET_INFORMANT(...) QM_TABLE_ROW(kPocketInformantGroup, pocketInformant, __VA_ARGS__)
#define QM_IN_AGENDA_FUSION(...) QM_TABLE_ROW(kAgendaFusionGroup, agendaFusion, __VA_ARGS__)
#define QM_IN_AGENDA_FUSION_AS(...) QM_TABLE_ROW_AS(kAgendaFusionGroup, agendaFusion, __VA_ARGS__)
#define QM_IN_GENERAL(...) QM_TABLE_ROW(kGeneralGroup, general, __VA_ARGS__)
#define QM_IN_CALENDAR(...) QM_TABLE_ROW(kCalendarGroup, calendar, __VA_ARGS__)
#define QM_IN_TASKS(...) QM_TABLE_ROW(kTasksGroup, tasks, __VA_ARGS__)
#define QM_IN_NOTES(...) QM_TABLE_ROW(kNotesGroup, notes, __VA_ARGS__)
#define QM_IN_CONTACTS(...) QM_TABLE_ROW(kContactsGroup, contacts, __VA_ARGS__)
#define QM_IN_MESSAGES(...) QM_TABLE_ROW(kMessagesGroup, messages, __VA_ARGS__)
#define QM_IN_SPECIAL_EVENTS(...) QM_TABLE_ROW(kSpecialEventsGroup, specialEvents, __VA_ARGS__)
#define QM_IN_FONTS(...) QM_TABLE_ROW(kFontsGroup, fonts, __VA_ARGS__)
#define QM_IN_COLOURS(...) QM_TABLE_ROW(kColoursGroup, colours, __VA_ARGS__)
#define QM_IN_CUSTOM_PIM(...) QM_TABLE_ROW(kCustomPimGroup, customPim, __VA_ARGS__)
#define QM_IN_TAB_SETTINGS(...) QM_TABLE_ROW(kTabSettingsGroup, tabSettings, __VA_ARGS__)
#define QM_IN_CATEGORIES(...) QM_TABLE_ROW(kCategoriesGroup, categories, __VA_ARGS__)

const CatalogueRow kCatalogue[] = {
    QM_TODAY_ITEM_ROWS(QM_IN_TODAY_ITEM)
    QM_POCKET_INFORMANT_ROWS(QM_IN_POCKET_INFORMANT)
    QM_AGENDA_FUSION_ROWS(QM_IN_AGENDA_FUSION, QM_IN_AGENDA_FUSION_AS)
    QM_GENERAL_ROWS(QM_IN_GENERAL)
    QM_CALENDAR_ROWS(QM_IN_CALENDAR)
    QM_TASKS_ROWS(QM_IN_TASKS)
    QM_NOTES_ROWS(QM_IN_NOTES)
    QM_CONTACTS_ROWS(QM_IN_CONTACTS)
    QM_MESSAGES_ROWS(QM_IN_MESSAGES)
    QM_SPECIAL_EVENTS_ROWS(QM_IN_SPECIAL_EVENTS)
    QM_FONTS_ROWS(QM_IN_FONTS)
    QM_COLOURS_ROWS(QM_IN_COLOURS)
    QM_CUSTOM_PIM_ROWS(QM_IN_CUSTOM_PIM)
    QM_TAB_SETTINGS_ROWS(QM_IN_TAB_SETTINGS)
    QM_CATEGORIES_ROWS(QM_IN_CATEGORIES)
};

}  // namespace

std::span<const CatalogueRow> Catalogue() { return kCatalogue; }

const CatalogueRow* FindCatalogueRow(KeyGroup group, const wchar_t* name) {
  if (!name) return nullptr;
  for (const CatalogueRow& row : kCatalogue)
    if (row.group == group && std::wcscmp(row.name, name) == 0) return &row;
  return nullptr;
}
