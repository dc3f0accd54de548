#include "platform/pim_volume.h"

#include <algorithm>
#include <cstring>
#include <utility>

// The file, little-endian throughout:
//   "PIMV", version, next oid, database count,
//   per database: oid, name (count of UTF-16 units, units), type, next auto number (64 bits),
//     record count, per record: oid, property count,
//       per property: propid, value (by type: 64-bit number, 64-bit real, counted text,
//       counted bytes),
//   CRC-32 of everything before it.
namespace {

constexpr BYTE kMagic[4] = {'P', 'I', 'M', 'V'};
constexpr DWORD kVersion = 1;
constexpr wchar_t kLockName[] = L"CePimVolumeLock";
constexpr DWORD kLockTimeout = 10000;
constexpr LONGLONG kLargestFile = 256LL << 20;

enum class ValueKind { Number, Real, Text, Bytes };

ValueKind KindOf(WORD type) {
  switch (type) {
    case CEVT_I2:
    case CEVT_UI2:
    case CEVT_I4:
    case CEVT_UI4:
    case CEVT_BOOL:
    case CEVT_FILETIME:
    case CEVT_RECID:
    case CEVT_AUTO_I4:
    case CEVT_AUTO_I8:
      return ValueKind::Number;
    case CEVT_R8:
      return ValueKind::Real;
    case CEVT_LPWSTR:
      return ValueKind::Text;
    default:  // BLOB, STREAM and types this volume does not interpret keep their bytes
      return ValueKind::Bytes;
  }
}

struct Crc32Table {
  DWORD entries[256];
  constexpr Crc32Table() : entries() {
    for (DWORD i = 0; i < 256; ++i) {
      DWORD c = i;
      for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entries[i] = c;
    }
  }
};
constexpr Crc32Table kCrcTable;

DWORD Crc32(const BYTE* data, size_t size) {
  DWORD crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) crc = kCrcTable.entries[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

class Writer {
 public:
  void U32(DWORD value) {
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<BYTE>(value >> (8 * i)));
  }
  void U64(ULONGLONG value) {
    for (int i = 0; i < 8; ++i) out_.push_back(static_cast<BYTE>(value >> (8 * i)));
  }
  void Text(const std::wstring& text) {
    U32(static_cast<DWORD>(text.size()));
    for (wchar_t unit : text) {
      out_.push_back(static_cast<BYTE>(unit));
      out_.push_back(static_cast<BYTE>(unit >> 8));
    }
  }
  void Bytes(const std::vector<BYTE>& bytes) {
    U32(static_cast<DWORD>(bytes.size()));
    out_.insert(out_.end(), bytes.begin(), bytes.end());
  }
  void Raw(const BYTE* data, size_t size) { out_.insert(out_.end(), data, data + size); }
  std::vector<BYTE>& Out() { return out_; }

 private:
  std::vector<BYTE> out_;
};

// Reads within a bounded image; every read checks what is left, and the first failure
// sticks, so a parse can run on and test once.
class Reader {
 public:
  Reader(const BYTE* data, size_t size) : data_(data), left_(size) {}

  bool Ok() const { return ok_; }
  size_t Left() const { return left_; }
  DWORD U32() {
    ULONGLONG value = Little(4);
    return static_cast<DWORD>(value);
  }
  ULONGLONG U64() { return Little(8); }
  // A count of items of at least `itemSize` bytes each, refused when they cannot fit.
  DWORD Count(size_t itemSize) {
    DWORD count = U32();
    if (ok_ && count > left_ / itemSize) ok_ = false;
    return ok_ ? count : 0;
  }
  std::wstring Text() {
    DWORD length = Count(2);
    std::wstring text(length, L'\0');
    for (DWORD i = 0; i < length; ++i) text[i] = static_cast<wchar_t>(Little(2));
    return text;
  }
  std::vector<BYTE> Bytes() {
    DWORD length = Count(1);
    std::vector<BYTE> bytes(data_, data_ + length);
    data_ += length;
    left_ -= length;
    return bytes;
  }
  bool Expect(const BYTE* expected, size_t size) {
    if (!ok_ || left_ < size || memcmp(data_, expected, size) != 0) return ok_ = false;
    data_ += size;
    left_ -= size;
    return true;
  }

 private:
  ULONGLONG Little(size_t size) {
    if (!ok_ || left_ < size) {
      ok_ = false;
      return 0;
    }
    ULONGLONG value = 0;
    for (size_t i = 0; i < size; ++i) value |= static_cast<ULONGLONG>(data_[i]) << (8 * i);
    data_ += size;
    left_ -= size;
    return value;
  }

  const BYTE* data_;
  size_t left_;
  bool ok_ = true;
};

bool SameName(const std::wstring& a, const wchar_t* b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b, -1, TRUE) == CSTR_EQUAL;
}

class KernelHandle {
 public:
  explicit KernelHandle(HANDLE handle) : handle_(handle) {}
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  ~KernelHandle() {
    if (Valid()) CloseHandle(handle_);
  }
  bool Valid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

// The device-wide volume lock. A holder killed mid-write leaves it abandoned; the volume is
// still whole then (the rename never half-happens), so an abandoned lock is simply taken.
HANDLE AcquireVolumeLock() {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, kLockName);
  if (!mutex) return nullptr;
  DWORD waited = WaitForSingleObject(mutex, kLockTimeout);
  if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) return mutex;
  CloseHandle(mutex);
  SetLastError(ERROR_TIMEOUT);
  return nullptr;
}

void ReleaseVolumeLock(HANDLE mutex) {
  if (!mutex) return;
  ReleaseMutex(mutex);
  CloseHandle(mutex);
}

enum class FileRead { Read, Missing, Failed };

FileRead ReadWholeFile(const std::wstring& path, std::vector<BYTE>& bytes) {
  KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileRead::Missing : FileRead::Failed;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > kLargestFile) return FileRead::Failed;
  bytes.resize(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr) || !got)
      return FileRead::Failed;
    done += got;
  }
  return FileRead::Read;
}

std::wstring FullPath(const wchar_t* path) {
  wchar_t full[MAX_PATH];
  DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
  return length > 0 && length < MAX_PATH ? std::wstring(full, length) : std::wstring(path);
}

// Reads and parses under the lock the caller holds.
FileRead LoadVolume(const std::wstring& path, PimVolume& volume) {
  std::vector<BYTE> bytes;
  FileRead read = ReadWholeFile(path, bytes);
  if (read == FileRead::Read && !volume.Parse(bytes.data(), bytes.size())) read = FileRead::Failed;
  if (read != FileRead::Read) volume = PimVolume{};
  return read;
}

}  // namespace

const PimProperty* PimRecord::Find(WORD id) const {
  for (const PimProperty& property : properties)
    if (property.Id() == id) return &property;
  return nullptr;
}

PimProperty* PimRecord::Find(WORD id) { return const_cast<PimProperty*>(std::as_const(*this).Find(id)); }

void PimRecord::Set(PimProperty property) {
  if (PimProperty* existing = Find(property.Id()))
    *existing = std::move(property);
  else
    properties.push_back(std::move(property));
}

void PimRecord::SetNumber(CEPROPID propid, LONGLONG value) {
  PimProperty property;
  property.propid = propid;
  property.number = value;
  Set(std::move(property));
}

void PimRecord::SetText(CEPROPID propid, const std::wstring& text) {
  PimProperty property;
  property.propid = propid;
  property.text = text;
  Set(std::move(property));
}

void PimRecord::SetReal(CEPROPID propid, double value) {
  PimProperty property;
  property.propid = propid;
  property.real = value;
  Set(std::move(property));
}

void PimRecord::Remove(WORD id) {
  std::erase_if(properties, [id](const PimProperty& property) { return property.Id() == id; });
}

PimRecord* PimDatabase::FindRecord(CEOID recordOid) {
  return const_cast<PimRecord*>(std::as_const(*this).FindRecord(recordOid));
}

const PimRecord* PimDatabase::FindRecord(CEOID recordOid) const {
  for (const PimRecord& record : records)
    if (record.oid == recordOid) return &record;
  return nullptr;
}

PimDatabase* PimVolume::FindDatabase(const wchar_t* name) {
  return const_cast<PimDatabase*>(std::as_const(*this).FindDatabase(name));
}

const PimDatabase* PimVolume::FindDatabase(const wchar_t* name) const {
  if (!name) return nullptr;
  for (const PimDatabase& database : databases)
    if (SameName(database.name, name)) return &database;
  return nullptr;
}

PimDatabase* PimVolume::FindDatabase(CEOID oid) {
  for (PimDatabase& database : databases)
    if (database.oid == oid) return &database;
  return nullptr;
}

PimDatabase& PimVolume::FindOrCreateDatabase(const wchar_t* name, DWORD type) {
  if (PimDatabase* existing = FindDatabase(name)) return *existing;
  PimDatabase database;
  database.oid = nextOid++;
  database.name = name;
  database.type = type;
  databases.push_back(std::move(database));
  return databases.back();
}

PimRecord* PimVolume::FindRecord(CEOID oid, PimDatabase** owner) {
  for (PimDatabase& database : databases) {
    if (PimRecord* record = database.FindRecord(oid)) {
      if (owner) *owner = &database;
      return record;
    }
  }
  return nullptr;
}

PimRecord& PimVolume::AddRecord(PimDatabase& database, const std::vector<CEPROPID>& autoProperties) {
  PimRecord record;
  record.oid = nextOid++;
  for (CEPROPID propid : autoProperties) record.SetNumber(propid, database.nextAutoNumber++);
  database.records.push_back(std::move(record));
  return database.records.back();
}

bool PimVolume::DeleteRecord(CEOID oid) {
  for (PimDatabase& database : databases) {
    auto found = std::find_if(database.records.begin(), database.records.end(),
                              [oid](const PimRecord& record) { return record.oid == oid; });
    if (found != database.records.end()) {
      database.records.erase(found);
      return true;
    }
  }
  return false;
}

std::vector<BYTE> PimVolume::Serialise() const {
  Writer out;
  out.Raw(kMagic, sizeof kMagic);
  out.U32(kVersion);
  out.U32(nextOid);
  out.U32(static_cast<DWORD>(databases.size()));
  for (const PimDatabase& database : databases) {
    out.U32(database.oid);
    out.Text(database.name);
    out.U32(database.type);
    out.U64(static_cast<ULONGLONG>(database.nextAutoNumber));
    out.U32(static_cast<DWORD>(database.records.size()));
    for (const PimRecord& record : database.records) {
      out.U32(record.oid);
      out.U32(static_cast<DWORD>(record.properties.size()));
      for (const PimProperty& property : record.properties) {
        out.U32(property.propid);
        switch (KindOf(property.Type())) {
          case ValueKind::Number:
            out.U64(static_cast<ULONGLONG>(property.number));
            break;
          case ValueKind::Real: {
            ULONGLONG bits;
            memcpy(&bits, &property.real, sizeof bits);
            out.U64(bits);
            break;
          }
          case ValueKind::Text:
            out.Text(property.text);
            break;
          case ValueKind::Bytes:
            out.Bytes(property.bytes);
            break;
        }
      }
    }
  }
  out.U32(Crc32(out.Out().data(), out.Out().size()));
  return std::move(out.Out());
}

bool PimVolume::Parse(const BYTE* data, size_t size) {
  *this = PimVolume{};
  if (!data || size < sizeof kMagic + 4) return false;
  size_t body = size - 4;
  DWORD stored = static_cast<DWORD>(data[body]) | static_cast<DWORD>(data[body + 1]) << 8 |
                 static_cast<DWORD>(data[body + 2]) << 16 | static_cast<DWORD>(data[body + 3]) << 24;
  if (Crc32(data, body) != stored) return false;

  // Smallest encodings, which bound every count by the bytes left.
  constexpr size_t kDatabaseSize = 4 + 4 + 4 + 8 + 4, kRecordSize = 4 + 4, kPropertySize = 4 + 4;
  Reader in(data, body);
  PimVolume volume;
  in.Expect(kMagic, sizeof kMagic);
  if (in.U32() != kVersion) return false;
  volume.nextOid = in.U32();
  std::vector<CEOID> oids;
  DWORD databaseCount = in.Count(kDatabaseSize);
  for (DWORD d = 0; d < databaseCount && in.Ok(); ++d) {
    PimDatabase database;
    database.oid = in.U32();
    database.name = in.Text();
    database.type = in.U32();
    database.nextAutoNumber = static_cast<LONGLONG>(in.U64());
    if (volume.FindDatabase(database.name.c_str())) return false;
    oids.push_back(database.oid);
    DWORD recordCount = in.Count(kRecordSize);
    database.records.reserve(recordCount);
    for (DWORD r = 0; r < recordCount && in.Ok(); ++r) {
      PimRecord record;
      record.oid = in.U32();
      oids.push_back(record.oid);
      DWORD propertyCount = in.Count(kPropertySize);
      record.properties.reserve(propertyCount);
      for (DWORD p = 0; p < propertyCount && in.Ok(); ++p) {
        PimProperty property;
        property.propid = in.U32();
        if (record.Find(property.Id())) return false;
        switch (KindOf(property.Type())) {
          case ValueKind::Number:
            property.number = static_cast<LONGLONG>(in.U64());
            break;
          case ValueKind::Real: {
            ULONGLONG bits = in.U64();
            memcpy(&property.real, &bits, sizeof bits);
            break;
          }
          case ValueKind::Text:
            property.text = in.Text();
            break;
          case ValueKind::Bytes:
            property.bytes = in.Bytes();
            break;
        }
        record.properties.push_back(std::move(property));
      }
      database.records.push_back(std::move(record));
    }
    volume.databases.push_back(std::move(database));
  }
  if (!in.Ok() || in.Left() != 0) return false;
  // Identifiers are unique, never 0, and below the next one to be given out.
  std::sort(oids.begin(), oids.end());
  if (std::adjacent_find(oids.begin(), oids.end()) != oids.end()) return false;
  if (!oids.empty() && (oids.front() == 0 || oids.back() >= volume.nextOid)) return false;
  *this = std::move(volume);
  return true;
}

bool ReadPimVolume(const wchar_t* path, PimVolume& out) {
  out = PimVolume{};
  if (!path) return false;
  HANDLE lock = AcquireVolumeLock();
  if (!lock) return false;
  FileRead read = LoadVolume(FullPath(path), out);
  ReleaseVolumeLock(lock);
  SetLastError(read == FileRead::Read      ? ERROR_SUCCESS
               : read == FileRead::Missing ? ERROR_FILE_NOT_FOUND
                                           : ERROR_FILE_CORRUPT);
  return read == FileRead::Read;
}

PimVolumeWriter::~PimVolumeWriter() { ReleaseVolumeLock(lock_); }

bool PimVolumeWriter::Open(const wchar_t* path, bool createIfMissing) {
  ReleaseVolumeLock(lock_);
  lock_ = nullptr;
  volume_ = PimVolume{};
  if (!path) return false;
  HANDLE lock = AcquireVolumeLock();
  if (!lock) return false;
  std::wstring full = FullPath(path);
  FileRead read = LoadVolume(full, volume_);
  if (read == FileRead::Read || (read == FileRead::Missing && createIfMissing)) {
    lock_ = lock;
    path_ = std::move(full);
    return true;
  }
  // A damaged volume is left for someone to look at rather than replaced by an empty one.
  ReleaseVolumeLock(lock);
  SetLastError(read == FileRead::Missing ? ERROR_FILE_NOT_FOUND : ERROR_FILE_CORRUPT);
  return false;
}

bool PimVolumeWriter::Commit() {
  if (!lock_) return false;
  std::vector<BYTE> image = volume_.Serialise();
  std::wstring staged = path_ + L".new";
  bool written = false;
  {
    KernelHandle file(
        CreateFileW(staged.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Valid()) {
      DWORD done = 0;
      written = WriteFile(file.Get(), image.data(), static_cast<DWORD>(image.size()), &done, nullptr) &&
                done == image.size() && FlushFileBuffers(file.Get());
    }
  }
  if (written && MoveFileExW(staged.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DWORD error = GetLastError();
  DeleteFileW(staged.c_str());
  SetLastError(error);
  return false;
}
