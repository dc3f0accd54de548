// The category database as the shell keeps it: "CategoryMainDB", one record per category
// with its id (auto-incremented), its name and a flag.
#include "tools/pimtool/category_commands.h"

#include <cwchar>
#include <string>

#include "platform/pim_volume.h"

namespace {

constexpr wchar_t kCategoryDatabase[] = L"CategoryMainDB";
constexpr CEPROPID kIdProperty = MAKELONG(CEVT_AUTO_I4, 1);
constexpr CEPROPID kNameProperty = MAKELONG(CEVT_LPWSTR, 2);
constexpr CEPROPID kFlagProperty = MAKELONG(CEVT_I4, 3);

std::wstring NameOf(const PimRecord& record) {
  const PimProperty* name = record.Find(HIWORD(kNameProperty));
  return name && name->propid == kNameProperty ? name->text : std::wstring();
}

std::wstring NumberOf(const PimRecord& record, CEPROPID propid) {
  const PimProperty* property = record.Find(HIWORD(propid));
  return property && property->propid == propid ? std::to_wstring(property->number) : std::wstring();
}

// The record whose name is exactly `name`, or null.
PimRecord* FindNamed(PimDatabase* database, const std::wstring& name) {
  if (!database) return nullptr;
  for (PimRecord& record : database->records)
    if (NameOf(record) == name) return &record;
  return nullptr;
}

// Another record whose name equals `name` ignoring case, or null.
const PimRecord* FindClash(const PimDatabase& database, const std::wstring& name, const PimRecord* except) {
  for (const PimRecord& record : database.records)
    if (&record != except && SameIgnoringCase(NameOf(record), name)) return &record;
  return nullptr;
}

bool OpenVolume(PimVolumeWriter& writer) {
  if (writer.Open(PimVolume::kDevicePath)) return true;
  WriteError(L"cannot open the PIM volume \\pim.vol (damaged, or held by another program)");
  return false;
}

int CommitVolume(PimVolumeWriter& writer) {
  if (writer.Commit()) return kPimSucceeded;
  WriteError(L"writing the PIM volume \\pim.vol failed (error " + std::to_wstring(GetLastError()) + L")");
  return kPimFailed;
}

bool AcceptableName(const std::wstring& name) {
  if (IsPrintableName(name)) return true;
  WriteError(L"\"" + name + L"\" is not a category name (empty, or with control characters)");
  return false;
}

}  // namespace

int ListCategories(const PimArguments& arguments) {
  if (!arguments.empty()) return kPimBadUsage;
  PimVolume volume;
  // A device without a volume has no categories yet.
  if (!ReadPimVolume(PimVolume::kDevicePath, volume) && GetLastError() != ERROR_FILE_NOT_FOUND) {
    WriteError(L"cannot read the PIM volume \\pim.vol (damaged, or held by another program)");
    return kPimFailed;
  }
  WriteRow({L"Id", L"Name", L"Flag"});
  if (const PimDatabase* database = volume.FindDatabase(kCategoryDatabase))
    for (const PimRecord& record : database->records)
      WriteRow({NumberOf(record, kIdProperty), NameOf(record), NumberOf(record, kFlagProperty)});
  return kPimSucceeded;
}

int AddCategories(const PimArguments& arguments) {
  if (arguments.empty()) return kPimBadUsage;
  PimVolumeWriter writer;
  if (!OpenVolume(writer)) return kPimFailed;
  PimDatabase& database = writer.Volume().FindOrCreateDatabase(kCategoryDatabase);
  bool refused = false;
  for (const std::wstring& name : arguments) {
    if (!AcceptableName(name)) {
      refused = true;
    } else if (const PimRecord* clash = FindClash(database, name, nullptr)) {
      WriteError(L"a category \"" + NameOf(*clash) + L"\" exists already; \"" + name + L"\" not added");
      refused = true;
    } else {
      PimRecord& record = writer.Volume().AddRecord(database, {kIdProperty});
      record.SetText(kNameProperty, name);
      record.SetNumber(kFlagProperty, 0);
    }
  }
  int written = CommitVolume(writer);
  return refused ? kPimFailed : written;
}

int RenameCategory(const PimArguments& arguments) {
  if (arguments.size() != 2) return kPimBadUsage;
  const std::wstring& oldName = arguments[0];
  const std::wstring& newName = arguments[1];
  if (!AcceptableName(newName)) return kPimFailed;
  PimVolumeWriter writer;
  if (!OpenVolume(writer)) return kPimFailed;
  PimDatabase* database = writer.Volume().FindDatabase(kCategoryDatabase);
  PimRecord* record = FindNamed(database, oldName);
  if (!record) {
    WriteError(L"no category \"" + oldName + L"\"");
    return kPimFailed;
  }
  if (const PimRecord* clash = FindClash(*database, newName, record)) {
    WriteError(L"a category \"" + NameOf(*clash) + L"\" exists already");
    return kPimFailed;
  }
  record->SetText(kNameProperty, newName);
  return CommitVolume(writer);
}

int RemoveCategory(const PimArguments& arguments) {
  if (arguments.size() != 1) return kPimBadUsage;
  PimVolumeWriter writer;
  if (!OpenVolume(writer)) return kPimFailed;
  PimRecord* record = FindNamed(writer.Volume().FindDatabase(kCategoryDatabase), arguments[0]);
  if (!record) {
    WriteError(L"no category \"" + arguments[0] + L"\"");
    return kPimFailed;
  }
  writer.Volume().DeleteRecord(record->oid);
  return CommitVolume(writer);
}
