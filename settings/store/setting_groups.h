#pragma once
// The records of each key group, as members named like their registry values (see
// catalogue_rows.h). Names are unique within a group; some repeat across groups.
#include "settings/store/catalogue_rows.h"
#include "settings/store/font_setting.h"
#include "settings/store/setting_records.h"

#define QM_RECORD_MEMBER(type, member, fallback, saved) type member;
#define QM_RECORD_MEMBER_AS(type, member, valueName, fallback, saved) type member;

struct TodayItemSettings { QM_TODAY_ITEM_ROWS(QM_RECORD_MEMBER) };                           // 0
struct PocketInformantSettings { QM_POCKET_INFORMANT_ROWS(QM_RECORD_MEMBER) };               // 1
struct AgendaFusionSettings { QM_AGENDA_FUSION_ROWS(QM_RECORD_MEMBER, QM_RECORD_MEMBER_AS) };  // 2
struct GeneralSettings { QM_GENERAL_ROWS(QM_RECORD_MEMBER) };                                // 3
struct CalendarSettings { QM_CALENDAR_ROWS(QM_RECORD_MEMBER) };                              // 4
struct TaskSettings { QM_TASKS_ROWS(QM_RECORD_MEMBER) };                                     // 5
struct NoteSettings { QM_NOTES_ROWS(QM_RECORD_MEMBER) };                                     // 6
struct ContactSettings { QM_CONTACTS_ROWS(QM_RECORD_MEMBER) };                               // 7
struct MessageSettings { QM_MESSAGES_ROWS(QM_RECORD_MEMBER) };                               // 8
struct SpecialEventSettings { QM_SPECIAL_EVENTS_ROWS(QM_RECORD_MEMBER) };                    // 9
struct FontSettings { QM_FONTS_ROWS(QM_RECORD_MEMBER) };                                     // 10
struct ColourSettings { QM_COLOURS_ROWS(QM_RECORD_MEMBER) };                                 // 11
struct CustomPimSettings { QM_CUSTOM_PIM_ROWS(QM_RECORD_MEMBER) };                           // 12
struct TabSettings { QM_TAB_SETTINGS_ROWS(QM_RECORD_MEMBER) };                               // 13
struct CategorySettings { QM_CATEGORIES_ROWS(QM_RECORD_MEMBER) };                            // 14

#undef QM_RECORD_MEMBER
#undef QM_RECORD_MEMBER_AS
