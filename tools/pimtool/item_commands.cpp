// Appointments, tasks and contacts as pimtool lists and adds them. Each kind is a table of
// columns: the listing prints them in order, and `add` takes an option for each, named after
// the column in lower case (--subject, --start, --duedate, ...). Dates are
// "yyyy-mm-dd hh:mm" (or with a T), empty when unset; flags 0 or 1.
#include "tools/pimtool/item_commands.h"

#include <cwctype>
#include <span>

#include "platform/pim_dates.h"
#include "platform/pim_items.h"
#include "platform/pim_volume.h"
#include "platform/pimstore.h"

namespace {

enum class CellType { Oid, Text, Date, Flag, Number };

struct ItemColumn {
  const wchar_t* name;
  CEPROPID propid;
  CellType type;
};

constexpr ItemColumn kAppointmentColumns[] = {
    {L"Oid", 0, CellType::Oid},
    {L"Subject", PIMPR_SUBJECT, CellType::Text},
    {L"Start", PIMPR_START, CellType::Date},
    {L"End", PIMPR_END, CellType::Date},
    {L"IsRecurring", PIMPR_IS_RECURRING, CellType::Flag},
    {L"ReminderSet", PIMPR_REMINDER_SET, CellType::Flag},
    {L"ReminderMinutesBeforeStart", PIMPR_REMINDER_MINUTES_BEFORE_START, CellType::Number},
    {L"Categories", PIMPR_CATEGORIES, CellType::Text},
};

constexpr ItemColumn kTaskColumns[] = {
    {L"Oid", 0, CellType::Oid},
    {L"Subject", PIMPR_SUBJECT, CellType::Text},
    {L"StartDate", PIMPR_START_DATE, CellType::Date},
    {L"DueDate", PIMPR_DUE_DATE, CellType::Date},
    {L"ReminderSet", PIMPR_REMINDER_SET, CellType::Flag},
    {L"ReminderTime", PIMPR_REMINDER_TIME, CellType::Date},
    {L"Categories", PIMPR_CATEGORIES, CellType::Text},
};

// The contact's texts that QMLinker writes: the name (its placeholder) and the second text.
constexpr ItemColumn kContactColumns[] = {
    {L"Oid", 0, CellType::Oid},
    {L"FileAs", PIMPR_FILEAS, CellType::Text},
    {L"Body", PIMPR_BODY_TEXT, CellType::Text},
    {L"Categories", PIMPR_CATEGORIES, CellType::Text},
};

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring CellText(const PimRecord& record, const ItemColumn& column) {
  if (column.type == CellType::Oid) return std::to_wstring(record.oid);
  const PimProperty* property = record.Find(HIWORD(column.propid));
  if (property && property->propid != column.propid) property = nullptr;
  switch (column.type) {
    case CellType::Text: return property ? property->text : std::wstring();
    case CellType::Date: return property ? Widen(FormatDate(FileTimeToDate(property->number), false)) : std::wstring();
    case CellType::Flag: return property && property->number ? L"1" : L"0";
    case CellType::Number: return property ? std::to_wstring(property->number) : std::wstring();
    default: return {};
  }
}

int ListItems(const PimArguments& arguments, PimItemKind kind, std::span<const ItemColumn> columns) {
  if (!arguments.empty()) return kPimBadUsage;
  PimVolume volume;
  if (!ReadPimVolume(PimVolume::kDevicePath, volume) && GetLastError() != ERROR_FILE_NOT_FOUND) {
    WriteError(L"cannot read the PIM volume \\pim.vol (damaged, or held by another program)");
    return kPimFailed;
  }
  std::vector<std::wstring> names;
  for (const ItemColumn& column : columns) names.push_back(column.name);
  WriteRow(names);
  if (const PimDatabase* database = volume.FindDatabase(PimDatabaseName(kind))) {
    for (const PimRecord& record : database->records) {
      std::vector<std::wstring> cells;
      for (const ItemColumn& column : columns) cells.push_back(CellText(record, column));
      WriteRow(cells);
    }
  }
  return kPimSucceeded;
}

std::wstring OptionName(const ItemColumn& column) {
  std::wstring option = L"--";
  for (const wchar_t* at = column.name; *at; ++at) option += static_cast<wchar_t>(std::towlower(*at));
  return option;
}

bool ParseNumber(const std::wstring& text, LONGLONG& value) {
  wchar_t* end = nullptr;
  value = std::wcstoll(text.c_str(), &end, 10);
  return !text.empty() && end && *end == L'\0';
}

// Sets one column from its option's value; false, said on the standard error, when the
// value does not fit the column.
bool SetColumn(PimRecord& record, const ItemColumn& column, const std::wstring& value) {
  LONGLONG number = 0;
  switch (column.type) {
    case CellType::Text:
      if (!value.empty()) record.SetText(column.propid, value);
      return true;
    case CellType::Date: {
      DATE date = 0;
      LONGLONG fileTime = 0;
      if (value.empty()) return true;
      if (ParseDate(value.c_str(), date) && DateToFileTime(date, fileTime)) {
        record.SetNumber(column.propid, fileTime);
        return true;
      }
      break;
    }
    case CellType::Flag:
      if (value == L"0" || value == L"1") {
        record.SetNumber(column.propid, value == L"1");
        return true;
      }
      break;
    case CellType::Number:
      if (ParseNumber(value, number)) {
        record.SetNumber(column.propid, number);
        return true;
      }
      break;
    default:
      break;
  }
  WriteError(OptionName(column) + L" does not take \"" + value + L"\"");
  return false;
}

int AddItem(const PimArguments& arguments, PimItemKind kind, std::span<const ItemColumn> columns) {
  PimRecord values;
  for (size_t i = 0; i < arguments.size(); i += 2) {
    if (i + 1 >= arguments.size()) return kPimBadUsage;
    const std::wstring& option = arguments[i];
    const std::wstring& value = arguments[i + 1];
    LONGLONG occurrences = 0;
    if (kind == PimItemKind::Appointment && option == L"--daily") {
      if (!ParseNumber(value, occurrences) || occurrences < 1) {
        WriteError(L"--daily takes a number of occurrences, 1 or more");
        return kPimBadUsage;
      }
      values.SetNumber(PIMPR_IS_RECURRING, 1);
      values.SetNumber(PIMPR_RECURRING_TYPE, olRecursDaily);
      values.SetNumber(PIMPR_RECURRING_INTERVAL, 1);
      values.SetNumber(PIMPR_RECURRING_OCCURRENCES, occurrences);
      continue;
    }
    const ItemColumn* match = nullptr;
    for (const ItemColumn& column : columns)
      if (column.type != CellType::Oid && OptionName(column) == option) match = &column;
    if (!match) return kPimBadUsage;
    if (!SetColumn(values, *match, value)) return kPimBadUsage;
  }

  PimVolumeWriter writer;
  if (!writer.Open(PimVolume::kDevicePath)) {
    WriteError(L"cannot open the PIM volume \\pim.vol (damaged, or held by another program)");
    return kPimFailed;
  }
  PimVolume& volume = writer.Volume();
  PimRecord& record = volume.AddRecord(volume.FindOrCreateDatabase(PimDatabaseName(kind)));
  record.properties = values.properties;
  const CEOID oid = record.oid;
  if (!writer.Commit()) {
    WriteError(L"writing the PIM volume \\pim.vol failed (error " + std::to_wstring(GetLastError()) + L")");
    return kPimFailed;
  }
  WriteOut(std::to_wstring(oid) + L"\n");
  return kPimSucceeded;
}

}  // namespace

int ListAppointments(const PimArguments& arguments) {
  return ListItems(arguments, PimItemKind::Appointment, kAppointmentColumns);
}

int ListTasks(const PimArguments& arguments) { return ListItems(arguments, PimItemKind::Task, kTaskColumns); }

int ListContacts(const PimArguments& arguments) {
  return ListItems(arguments, PimItemKind::Contact, kContactColumns);
}

int AddAppointment(const PimArguments& arguments) {
  return AddItem(arguments, PimItemKind::Appointment, kAppointmentColumns);
}

int AddTask(const PimArguments& arguments) { return AddItem(arguments, PimItemKind::Task, kTaskColumns); }

int AddContact(const PimArguments& arguments) { return AddItem(arguments, PimItemKind::Contact, kContactColumns); }

int RemoveItem(const PimArguments& arguments) {
  LONGLONG oid = 0;
  if (arguments.size() != 1 || !ParseNumber(arguments[0], oid)) return kPimBadUsage;
  PimVolumeWriter writer;
  if (!writer.Open(PimVolume::kDevicePath, false)) {
    WriteError(L"cannot open the PIM volume \\pim.vol");
    return kPimFailed;
  }
  PimDatabase* database = nullptr;
  PimItemKind kind;
  // Items only: the category database has its own command.
  if (!writer.Volume().FindRecord(static_cast<CEOID>(oid), &database) || !database ||
      !PimKindOfDatabase(database->name.c_str(), kind)) {
    WriteError(L"no appointment, task or contact has the identifier " + arguments[0]);
    return kPimFailed;
  }
  writer.Volume().DeleteRecord(static_cast<CEOID>(oid));
  if (!writer.Commit()) {
    WriteError(L"writing the PIM volume \\pim.vol failed (error " + std::to_wstring(GetLastError()) + L")");
    return kPimFailed;
  }
  return kPimSucceeded;
}
