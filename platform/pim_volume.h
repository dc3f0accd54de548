#pragma once
// The device's PIM volume ("\pim.vol"): named databases of records, each record an object
// identifier and a set of typed properties keyed by CE property id (id in the high word,
// CEVT_* type in the low word). The category database of the shell and the Pocket Outlook
// items live side by side in it; the CE database calls (windbase.h) and the Pocket Outlook
// stand-in are its two readers and writers, and pimtool edits it from scripts.
//
// The volume is one file, read whole and rewritten whole: a writer holds the device-wide
// volume lock, writes "<path>.new", flushes it and renames it over the volume, so a process
// killed at any point leaves either the old volume or the new one, never a mixture.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/windbase.h"

struct PimProperty {
  CEPROPID propid = 0;
  // I2, UI2, I4, UI4, BOOL, AUTO_I4 and AUTO_I8 values, and FILETIME as its 64-bit count.
  LONGLONG number = 0;
  double real = 0;            // R8
  std::wstring text;          // LPWSTR
  std::vector<BYTE> bytes;    // BLOB

  WORD Id() const { return HIWORD(propid); }
  WORD Type() const { return LOWORD(propid); }
};

struct PimRecord {
  CEOID oid = 0;
  std::vector<PimProperty> properties;

  // The property with that id (any type), or null.
  const PimProperty* Find(WORD id) const;
  PimProperty* Find(WORD id);
  // Replaces the property with the same id, or adds it.
  void Set(PimProperty property);
  void SetNumber(CEPROPID propid, LONGLONG value);
  void SetText(CEPROPID propid, const std::wstring& text);
  void SetReal(CEPROPID propid, double value);
  void Remove(WORD id);
};

struct PimDatabase {
  CEOID oid = 0;
  std::wstring name;
  DWORD type = 0;
  LONGLONG nextAutoNumber = 1;  // the next value of the database's auto-increment properties
  std::vector<PimRecord> records;

  PimRecord* FindRecord(CEOID oid);
  const PimRecord* FindRecord(CEOID oid) const;
};

class PimVolume {
 public:
  // Where the device keeps it: a rooted CE path, on the drive programs run from.
  static constexpr const wchar_t* kDevicePath = L"\\pim.vol";

  // The database with that name (exact, as CE compares database names without regard to
  // case: case-insensitively), or null.
  PimDatabase* FindDatabase(const wchar_t* name);
  const PimDatabase* FindDatabase(const wchar_t* name) const;
  PimDatabase* FindDatabase(CEOID oid);
  PimDatabase& FindOrCreateDatabase(const wchar_t* name, DWORD type = 0);

  // A record of any database by its identifier, with the database that holds it.
  PimRecord* FindRecord(CEOID oid, PimDatabase** owner = nullptr);
  // Adds an empty record with a fresh identifier; the volume's identifiers are never reused.
  // Auto-increment properties (CEVT_AUTO_I4/I8) listed in `autoProperties` get the
  // database's next numbers.
  PimRecord& AddRecord(PimDatabase& database, const std::vector<CEPROPID>& autoProperties = {});
  bool DeleteRecord(CEOID oid);

  // The file image and back. Parse refuses anything that is not a whole, intact volume
  // (wrong magic or version, a checksum that does not match, counts that overrun the data).
  std::vector<BYTE> Serialise() const;
  bool Parse(const BYTE* data, size_t size);

  std::vector<PimDatabase> databases;
  CEOID nextOid = 0x10001;
};

// Reads the volume at a path (a CE path such as "\pim.vol" or a full one). False when the
// file is missing or not an intact volume; `out` is then empty, and GetLastError tells
// ERROR_FILE_NOT_FOUND (missing) from ERROR_FILE_CORRUPT (damaged or unreadable) and
// ERROR_TIMEOUT (the volume lock stayed taken).
bool ReadPimVolume(const wchar_t* path, PimVolume& out);

// A read-modify-write of the volume under the device-wide volume lock, held from Open to
// destruction. Open reads the current volume (an empty one when the file is missing and
// `createIfMissing`); Commit writes it back atomically. Destroying without Commit changes
// nothing on disk.
class PimVolumeWriter {
 public:
  PimVolumeWriter() = default;
  PimVolumeWriter(const PimVolumeWriter&) = delete;
  PimVolumeWriter& operator=(const PimVolumeWriter&) = delete;
  ~PimVolumeWriter();

  bool Open(const wchar_t* path = PimVolume::kDevicePath, bool createIfMissing = true);
  PimVolume& Volume() { return volume_; }
  bool Commit();

 private:
  HANDLE lock_ = nullptr;
  std::wstring path_;
  PimVolume volume_;
};
