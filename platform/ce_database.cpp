// The CE property database calls over the device's PIM volume file. A mount remembers the
// volume's path; an open database holds the records as they were at open time, as a reader
// that reads once needs nothing more.
#include "platform/pim_volume.h"
#include "platform/windbase.h"

#include <cstring>
#include <map>
#include <mutex>
#include <vector>

// Database handles are closed by the CE kernel's CloseHandle; here the stand-in owns them.
#undef CloseHandle

namespace {

constexpr DWORD kMountMark = 0x50494D56;  // "PIMV": a GUID that names one of our mounts

struct Mount {
  CEGUID guid;
  std::wstring path;
};

struct OpenDatabase {
  std::vector<PimRecord> records;
  size_t current = 0;  // records.size(): past the end
  bool autoIncrement = false;
};

// Each database handle is a real kernel object (an unnamed event) so that its value never
// collides with another handle of the process, and the real CloseHandle can release it.
struct DatabaseState {
  std::mutex lock;
  std::vector<Mount> mounts;
  DWORD mountCount = 0;
  std::map<HANDLE, OpenDatabase> open;
};

DatabaseState& State() {
  static DatabaseState state;
  return state;
}

bool SameGuid(const CEGUID& a, const CEGUID& b) { return memcmp(&a, &b, sizeof a) == 0; }

template <typename Result>
Result Fail(DWORD error, Result result) {
  SetLastError(error);
  return result;
}

std::wstring FullPath(const wchar_t* path) {
  wchar_t full[MAX_PATH];
  DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
  return length > 0 && length < MAX_PATH ? std::wstring(full, length) : std::wstring(path);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Brings the volume file to the state the creation disposition asks for.
bool PrepareVolume(const std::wstring& path, DWORD disposition) {
  switch (disposition) {
    case OPEN_EXISTING: {
      PimVolume volume;
      return ReadPimVolume(path.c_str(), volume);
    }
    case OPEN_ALWAYS:
    case CREATE_NEW: {
      // The writer holds the volume lock, so nobody creates the file between the look and the write.
      PimVolumeWriter writer;
      if (!writer.Open(path.c_str(), true)) return Exists(path) ? Fail(ERROR_FILE_CORRUPT, false) : false;
      if (Exists(path)) return disposition == OPEN_ALWAYS ? true : Fail(ERROR_FILE_EXISTS, false);
      return writer.Commit();
    }
    case CREATE_ALWAYS:
    case TRUNCATE_EXISTING: {
      PimVolumeWriter writer;
      if (!writer.Open(path.c_str(), disposition == CREATE_ALWAYS)) return false;
      writer.Volume() = PimVolume{};
      return writer.Commit();
    }
    default:
      return Fail(ERROR_INVALID_PARAMETER, false);
  }
}

std::wstring MountedPath(const CEGUID& guid) {
  DatabaseState& state = State();
  std::lock_guard<std::mutex> hold(state.lock);
  for (const Mount& mount : state.mounts)
    if (SameGuid(mount.guid, guid)) return mount.path;
  return {};
}

size_t AlignUp(size_t size) {
  constexpr size_t kAlign = alignof(CEPROPVAL);
  return (size + kAlign - 1) / kAlign * kAlign;
}

// The stored property that answers a requested propid: same id and same type.
const PimProperty* Answer(const PimRecord& record, CEPROPID propid) {
  const PimProperty* property = record.Find(HIWORD(propid));
  return property && property->propid == propid ? property : nullptr;
}

size_t VariableSize(const PimProperty& property) {
  switch (property.Type()) {
    case CEVT_I2:
    case CEVT_UI2:
    case CEVT_I4:
    case CEVT_UI4:
    case CEVT_BOOL:
    case CEVT_FILETIME:
    case CEVT_RECID:
    case CEVT_AUTO_I4:
    case CEVT_AUTO_I8:
    case CEVT_R8:
      return 0;
    case CEVT_LPWSTR:
      return AlignUp((property.text.size() + 1) * sizeof(wchar_t));
    default:
      return AlignUp(property.bytes.size());
  }
}

// One CEPROPVAL; texts and blobs are copied to `tail`, which moves past them.
CEPROPVAL MakeValue(CEPROPID propid, const PimProperty* property, BYTE*& tail) {
  CEPROPVAL value{};
  value.propid = propid;
  if (!property) {
    value.wFlags = CEDB_PROPNOTFOUND;
    return value;
  }
  ULONGLONG bits = static_cast<ULONGLONG>(property->number);
  switch (property->Type()) {
    case CEVT_I2:
      value.val.iVal = static_cast<short>(property->number);
      break;
    case CEVT_UI2:
      value.val.uiVal = static_cast<USHORT>(property->number);
      break;
    case CEVT_I4:
    case CEVT_AUTO_I4:
      value.val.lVal = static_cast<long>(property->number);
      break;
    case CEVT_UI4:
    case CEVT_RECID:
      value.val.ulVal = static_cast<ULONG>(property->number);
      break;
    case CEVT_BOOL:
      value.val.boolVal = static_cast<BOOL>(property->number);
      break;
    case CEVT_FILETIME:
    case CEVT_AUTO_I8:
      value.val.filetime.dwLowDateTime = static_cast<DWORD>(bits);
      value.val.filetime.dwHighDateTime = static_cast<DWORD>(bits >> 32);
      break;
    case CEVT_R8:
      value.val.dblVal = property->real;
      break;
    case CEVT_LPWSTR: {
      size_t bytes = (property->text.size() + 1) * sizeof(wchar_t);
      memcpy(tail, property->text.c_str(), bytes);
      value.val.lpwstr = reinterpret_cast<LPWSTR>(tail);
      tail += AlignUp(bytes);
      break;
    }
    default:
      value.val.blob.dwCount = static_cast<DWORD>(property->bytes.size());
      value.val.blob.lpb = property->bytes.empty() ? nullptr : tail;
      if (!property->bytes.empty()) memcpy(tail, property->bytes.data(), property->bytes.size());
      tail += AlignUp(property->bytes.size());
      break;
  }
  return value;
}

LPBYTE GrowBuffer(LPBYTE buffer, DWORD size, HANDLE heap) {
  if (heap) return static_cast<LPBYTE>(buffer ? HeapReAlloc(heap, 0, buffer, size) : HeapAlloc(heap, 0, size));
  return static_cast<LPBYTE>(buffer ? LocalReAlloc(buffer, size, LMEM_MOVEABLE) : LocalAlloc(LMEM_FIXED, size));
}

}  // namespace

BOOL CeMountDBVolEx(PCEGUID pguid, LPWSTR lpszVol, CEVOLUMEOPTIONS* /*pOptions*/, DWORD dwFlags) {
  if (!pguid || !lpszVol || !*lpszVol) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  std::wstring path = FullPath(lpszVol);
  if (!PrepareVolume(path, dwFlags)) return FALSE;
  DatabaseState& state = State();
  std::lock_guard<std::mutex> hold(state.lock);
  Mount mount{{++state.mountCount, GetCurrentProcessId(), kMountMark, 0}, path};
  state.mounts.push_back(mount);
  *pguid = mount.guid;
  return TRUE;
}

BOOL CeUnmountDBVol(PCEGUID pguid) {
  if (!pguid) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  DatabaseState& state = State();
  std::lock_guard<std::mutex> hold(state.lock);
  size_t before = state.mounts.size();
  std::erase_if(state.mounts, [pguid](const Mount& mount) { return SameGuid(mount.guid, *pguid); });
  return state.mounts.size() < before ? TRUE : Fail(ERROR_INVALID_PARAMETER, FALSE);
}

HANDLE CeOpenDatabaseInSession(HANDLE /*hSession*/, PCEGUID pguid, PCEOID poid, LPWSTR lpszName,
                               SORTORDERSPECEX* /*pSort*/, DWORD dwFlags, CENOTIFYREQUEST* /*pRequest*/) {
  if (!pguid || !poid || (!*poid && !lpszName)) return Fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
  std::wstring path = MountedPath(*pguid);
  if (path.empty()) return Fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
  PimVolume volume;
  if (!ReadPimVolume(path.c_str(), volume)) return INVALID_HANDLE_VALUE;
  PimDatabase* database = *poid ? volume.FindDatabase(*poid) : volume.FindDatabase(lpszName);
  if (!database) return Fail(ERROR_FILE_NOT_FOUND, INVALID_HANDLE_VALUE);
  HANDLE handle = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!handle) return INVALID_HANDLE_VALUE;
  OpenDatabase open;
  open.records = std::move(database->records);
  open.autoIncrement = (dwFlags & CEDB_AUTOINCREMENT) != 0;
  *poid = database->oid;
  DatabaseState& state = State();
  std::lock_guard<std::mutex> hold(state.lock);
  state.open[handle] = std::move(open);
  return handle;
}

CEOID CeSeekDatabaseEx(HANDLE hDatabase, DWORD dwSeekType, DWORD dwValue, WORD /*wNumVals*/, LPDWORD lpdwIndex) {
  DatabaseState& state = State();
  std::lock_guard<std::mutex> hold(state.lock);
  auto found = state.open.find(hDatabase);
  if (found == state.open.end()) return Fail(ERROR_INVALID_HANDLE, CEOID{0});
  OpenDatabase& database = found->second;
  LONGLONG count = static_cast<LONGLONG>(database.records.size());
  LONGLONG target = -1;
  switch (dwSeekType) {
    case CEDB_SEEK_BEGINNING:
      target = dwValue;
      break;
    case CEDB_SEEK_END:
      target = count - 1 - static_cast<LONGLONG>(dwValue);
      break;
    case CEDB_SEEK_CURRENT:
      target = static_cast<LONGLONG>(database.current) + static_cast<LONG>(dwValue);
      break;
    case CEDB_SEEK_CEOID:
      for (LONGLONG i = 0; i < count; ++i)
        if (database.records[static_cast<size_t>(i)].oid == dwValue) target = i;
      break;
    default:
      return Fail(ERROR_INVALID_PARAMETER, CEOID{0});
  }
  // A seek that finds nothing leaves the position where it was.
  if (target < 0 || target >= count) return Fail(ERROR_NO_MORE_ITEMS, CEOID{0});
  database.current = static_cast<size_t>(target);
  if (lpdwIndex) *lpdwIndex = static_cast<DWORD>(target);
  return database.records[database.current].oid;
}

CEOID CeReadRecordPropsEx(HANDLE hDbase, DWORD dwFlags, LPWORD lpcPropID, CEPROPID* rgPropID, LPBYTE* lplpBuffer,
                          LPDWORD lpcbBuffer, HANDLE hHeap) {
  if (!lpcPropID || !lplpBuffer || !lpcbBuffer) return Fail(ERROR_INVALID_PARAMETER, CEOID{0});
  DatabaseState& state = State();
  std::lock_guard<std::mutex> hold(state.lock);
  auto found = state.open.find(hDbase);
  if (found == state.open.end()) return Fail(ERROR_INVALID_HANDLE, CEOID{0});
  OpenDatabase& database = found->second;
  if (database.current >= database.records.size()) return Fail(ERROR_NO_MORE_ITEMS, CEOID{0});
  const PimRecord& record = database.records[database.current];

  std::vector<CEPROPID> wanted;
  if (rgPropID)
    wanted.assign(rgPropID, rgPropID + *lpcPropID);
  else
    for (const PimProperty& property : record.properties) wanted.push_back(property.propid);
  if (wanted.size() > 0xFFFF) return Fail(ERROR_INVALID_PARAMETER, CEOID{0});

  size_t needed = wanted.size() * sizeof(CEPROPVAL);
  for (CEPROPID propid : wanted)
    if (const PimProperty* property = Answer(record, propid)) needed += VariableSize(*property);
  if (needed > 0x7FFFFFFF) return Fail(ERROR_NOT_ENOUGH_MEMORY, CEOID{0});
  DWORD size = static_cast<DWORD>(needed ? needed : 1);
  if (!*lplpBuffer || *lpcbBuffer < size) {
    if (!(dwFlags & CEDB_ALLOWREALLOC)) {
      *lpcbBuffer = size;
      return Fail(ERROR_INSUFFICIENT_BUFFER, CEOID{0});
    }
    LPBYTE grown = GrowBuffer(*lplpBuffer, size, hHeap);
    if (!grown) return Fail(ERROR_NOT_ENOUGH_MEMORY, CEOID{0});
    *lplpBuffer = grown;
  }

  BYTE* tail = *lplpBuffer + wanted.size() * sizeof(CEPROPVAL);
  for (size_t i = 0; i < wanted.size(); ++i) {
    CEPROPVAL value = MakeValue(wanted[i], Answer(record, wanted[i]), tail);
    memcpy(*lplpBuffer + i * sizeof(CEPROPVAL), &value, sizeof value);
  }
  *lpcPropID = static_cast<WORD>(wanted.size());
  *lpcbBuffer = size;
  CEOID oid = record.oid;
  if (database.autoIncrement) ++database.current;
  return oid;
}

BOOL WINAPI CeStandInCloseHandle(HANDLE handle) {
  {
    DatabaseState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    state.open.erase(handle);
  }
  return CloseHandle(handle);
}
