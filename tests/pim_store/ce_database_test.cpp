// The CE database calls over a volume made here: read as the settings program reads the
// category database, then the corners of seeking, buffers and failures.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/pim_volume.h"
#include "platform/windbase.h"
#include "tests/pim_store/pim_store_test.h"

namespace {

constexpr CEPROPID kId = MAKELONG(CEVT_AUTO_I4, 1);
constexpr CEPROPID kName = MAKELONG(CEVT_LPWSTR, 2);
constexpr CEPROPID kFlag = MAKELONG(CEVT_I4, 3);
constexpr CEPROPID kIcon = MAKELONG(CEVT_BLOB, 4);
wchar_t kCategories[] = L"CategoryMainDB";

// Three categories, mounted: a whole one with an icon blob, one whose name is a number and
// that has no flag, and one with flag 1.
class CeDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    PimVolumeWriter writer;
    ASSERT_TRUE(writer.Open(path_.c_str()));
    PimVolume& volume = writer.Volume();
    volume.FindOrCreateDatabase(L"Other");
    PimDatabase& database = volume.FindOrCreateDatabase(kCategories);
    PimRecord& whole = volume.AddRecord(database, {kId});
    whole.SetText(kName, L"Caf\u00e9");
    whole.SetNumber(kFlag, 0);
    PimProperty icon;
    icon.propid = kIcon;
    icon.bytes = {1, 2, 3};
    whole.Set(icon);
    volume.AddRecord(database, {kId}).SetNumber(MAKELONG(CEVT_I4, 2), 7);
    volume.AddRecord(database, {kId}).SetText(kName, L"Travel");
    database.records.back().SetNumber(kFlag, 1);
    for (size_t i = 0; i < 3; ++i) oids_[i] = database.records[i].oid;
    ASSERT_TRUE(writer.Commit());
    ASSERT_TRUE(CeMountDBVolEx(&guid_, path_.data(), nullptr, OPEN_EXISTING));
  }
  void TearDown() override {
    EXPECT_TRUE(CeUnmountDBVol(&guid_));
    DeleteFileW(path_.c_str());
  }

  std::wstring path_ = FreshVolumePath(L"ce");
  CEGUID guid_{};
  CEOID oids_[3]{};
};

bool Inside(const void* pointer, const BYTE* buffer, DWORD size) {
  return pointer >= buffer && pointer < buffer + size;
}

TEST_F(CeDatabase, ReadsCategoriesAsTheSettingsProgramDoes) {
  CEOID database = 0;
  HANDLE handle = CeOpenDatabaseInSession(nullptr, &guid_, &database, const_cast<LPWSTR>(L"categorymaindb"), nullptr,
                                          CEDB_AUTOINCREMENT, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, handle);
  EXPECT_NE(0u, database);
  EXPECT_EQ(oids_[0], CeSeekDatabaseEx(handle, CEDB_SEEK_BEGINNING, 0, 0, nullptr));
  CEPROPID wanted[] = {kId, kName, kFlag, kIcon};
  for (int i = 0; i < 3; ++i) {
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    WORD count = 4;
    ASSERT_EQ(oids_[i], CeReadRecordPropsEx(handle, CEDB_ALLOWREALLOC, &count, wanted, &buffer, &size, nullptr));
    EXPECT_GE(LocalSize(buffer), size);
    auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
    for (int p = 0; p < 4; ++p) EXPECT_EQ(wanted[p], values[p].propid);
    EXPECT_EQ(i + 1, values[0].val.lVal);
    EXPECT_EQ(i == 1 ? CEDB_PROPNOTFOUND : 0, values[1].wFlags);  // a number where a text was asked
    EXPECT_EQ(i == 1 ? CEDB_PROPNOTFOUND : 0, values[2].wFlags);
    EXPECT_EQ(i == 0 ? 0 : CEDB_PROPNOTFOUND, values[3].wFlags);
    if (i == 0) {
      EXPECT_TRUE(Inside(values[1].val.lpwstr, buffer + 4 * sizeof(CEPROPVAL), size));
      EXPECT_STREQ(L"Caf\u00e9", values[1].val.lpwstr);
      ASSERT_EQ(3u, values[3].val.blob.dwCount);
      EXPECT_TRUE(Inside(values[3].val.blob.lpb + 2, buffer, size));
      EXPECT_EQ(0, memcmp("\1\2\3", values[3].val.blob.lpb, 3));
    }
    if (i == 2) EXPECT_EQ(1, values[2].val.lVal);
    LocalFree(buffer);
  }
  LPBYTE buffer = nullptr;
  DWORD size = 0;
  WORD count = 3;
  EXPECT_EQ(0u, CeReadRecordPropsEx(handle, CEDB_ALLOWREALLOC, &count, wanted, &buffer, &size, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_ITEMS), GetLastError());
  EXPECT_TRUE(CloseHandle(handle));
  EXPECT_EQ(0u, CeSeekDatabaseEx(handle, CEDB_SEEK_BEGINNING, 0, 0, nullptr));  // closed
  EXPECT_TRUE(CloseHandle(CreateEventW(nullptr, FALSE, FALSE, nullptr)));       // other handles as ever
}

TEST_F(CeDatabase, SeeksAndGrowsBuffers) {
  CEOID database = 0;
  CloseHandle(CeOpenDatabaseInSession(nullptr, &guid_, &database, kCategories, nullptr, 0, nullptr));
  HANDLE handle = CeOpenDatabaseInSession(nullptr, &guid_, &database, nullptr, nullptr, 0, nullptr);  // by oid
  ASSERT_NE(INVALID_HANDLE_VALUE, handle);
  DWORD index = 0;
  EXPECT_EQ(oids_[2], CeSeekDatabaseEx(handle, CEDB_SEEK_END, 0, 0, &index));
  EXPECT_EQ(2u, index);
  EXPECT_EQ(oids_[1], CeSeekDatabaseEx(handle, CEDB_SEEK_CURRENT, static_cast<DWORD>(-1), 0, &index));
  EXPECT_EQ(0u, CeSeekDatabaseEx(handle, CEDB_SEEK_CURRENT, 5, 0, &index));  // nothing there: no move
  EXPECT_EQ(oids_[2], CeSeekDatabaseEx(handle, CEDB_SEEK_CURRENT, 1, 0, &index));
  EXPECT_EQ(oids_[0], CeSeekDatabaseEx(handle, CEDB_SEEK_END, 2, 0, nullptr));
  EXPECT_EQ(oids_[2], CeSeekDatabaseEx(handle, CEDB_SEEK_CEOID, oids_[2], 0, nullptr));
  EXPECT_EQ(0u, CeSeekDatabaseEx(handle, CEDB_SEEK_CEOID, 12345, 0, nullptr));
  EXPECT_EQ(0u, CeSeekDatabaseEx(handle, CEDB_SEEK_BEGINNING, 3, 0, nullptr));
  EXPECT_EQ(oids_[0], CeSeekDatabaseEx(handle, CEDB_SEEK_BEGINNING, 0, 0, &index));
  EXPECT_EQ(0u, index);

  // Too small without leave to grow; grown with it (the position stays without
  // auto-increment); every property when none are named; from the caller's heap.
  BYTE small[8];
  LPBYTE buffer = small;
  DWORD size = sizeof small;
  WORD count = 0;
  EXPECT_EQ(0u, CeReadRecordPropsEx(handle, 0, &count, nullptr, &buffer, &size, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_GT(size, 4 * sizeof(CEPROPVAL));
  buffer = static_cast<LPBYTE>(LocalAlloc(LMEM_FIXED, 8));
  size = 8;
  for (int read = 0; read < 2; ++read) {
    ASSERT_EQ(oids_[0], CeReadRecordPropsEx(handle, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr));
    EXPECT_EQ(4, count);
    EXPECT_GE(LocalSize(buffer), size);
    EXPECT_STREQ(L"Caf\u00e9", reinterpret_cast<CEPROPVAL*>(buffer)[1].val.lpwstr);
  }
  LocalFree(buffer);
  HANDLE heap = HeapCreate(0, 0, 0);
  buffer = nullptr;
  EXPECT_EQ(oids_[0], CeReadRecordPropsEx(handle, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, heap));
  EXPECT_GE(HeapSize(heap, 0, buffer), size);
  HeapDestroy(heap);
  CloseHandle(handle);
}

TEST_F(CeDatabase, MissingOrDamagedVolumesAndDatabases) {
  CEOID oid = 0;
  EXPECT_EQ(INVALID_HANDLE_VALUE,
            CeOpenDatabaseInSession(nullptr, &guid_, &oid, const_cast<LPWSTR>(L"NoSuchDB"), nullptr, 0, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  CEGUID other;
  EXPECT_FALSE(CeMountDBVolEx(&other, path_.data(), nullptr, CREATE_NEW));
  std::wstring missing = FreshVolumePath(L"ce_missing");
  EXPECT_FALSE(CeMountDBVolEx(&other, missing.data(), nullptr, OPEN_EXISTING));
  ASSERT_TRUE(CeMountDBVolEx(&other, missing.data(), nullptr, CREATE_NEW));
  EXPECT_TRUE(CeUnmountDBVol(&other));
  EXPECT_FALSE(CeUnmountDBVol(&other));
  EXPECT_EQ(INVALID_HANDLE_VALUE, CeOpenDatabaseInSession(nullptr, &other, &oid, kCategories, nullptr, 0, nullptr));
  WriteBytes(missing, std::string("PIMV\1\0\0\0", 8));
  EXPECT_FALSE(CeMountDBVolEx(&other, missing.data(), nullptr, OPEN_EXISTING));
  EXPECT_FALSE(CeMountDBVolEx(&other, missing.data(), nullptr, OPEN_ALWAYS));
  EXPECT_EQ(8u, ReadBytes(missing).size());  // left as it was
  DeleteFileW(missing.c_str());
}

}  // namespace
