#pragma once
// Where the device's Pocket Outlook items live in the PIM volume (pim_volume.h): one
// database per kind, beside the shell's category database. A record's properties carry the
// PIMPR_* ids of pimstore.h; a property that is absent is unset (a date reads as DATE_NONE).
// Categories are one text, comma-separated, as Pocket Outlook keeps them. A daily series
// is an appointment with PIMPR_IS_RECURRING set, PIMPR_RECURRING_TYPE olRecursDaily and
// PIMPR_RECURRING_OCCURRENCES occurrences from its Start.
//
// The Pocket Outlook stand-in (CePoom.dll) reads and writes them; pimtool edits them from
// scripts.
#include <windows.h>

enum class PimItemKind { Appointment, Task, Contact };

inline constexpr wchar_t kAppointmentsDatabase[] = L"Appointments Database";
inline constexpr wchar_t kTasksDatabase[] = L"Tasks Database";
inline constexpr wchar_t kContactsDatabase[] = L"Contacts Database";

inline const wchar_t* PimDatabaseName(PimItemKind kind) {
  switch (kind) {
    case PimItemKind::Appointment: return kAppointmentsDatabase;
    case PimItemKind::Task: return kTasksDatabase;
    case PimItemKind::Contact: return kContactsDatabase;
  }
  return kAppointmentsDatabase;
}

// The kind whose database has that name (CE compares database names without case).
inline bool PimKindOfDatabase(const wchar_t* name, PimItemKind& kind) {
  for (PimItemKind candidate : {PimItemKind::Appointment, PimItemKind::Task, PimItemKind::Contact}) {
    if (lstrcmpiW(name, PimDatabaseName(candidate)) == 0) {
      kind = candidate;
      return true;
    }
  }
  return false;
}
