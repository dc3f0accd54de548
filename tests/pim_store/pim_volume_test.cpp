// The PIM volume file: every property type survives the file; a damaged or overrunning
// image is refused without harm; a writer killed before its rename leaves the volume whole.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/pim_volume.h"
#include "tests/pim_store/pim_store_test.h"

namespace {

constexpr CEPROPID kEveryType[] = {MAKELONG(CEVT_I2, 3),    MAKELONG(CEVT_UI2, 4),    MAKELONG(CEVT_I4, 5),
                                   MAKELONG(CEVT_UI4, 6),   MAKELONG(CEVT_BOOL, 7),   MAKELONG(CEVT_FILETIME, 8),
                                   MAKELONG(CEVT_RECID, 9), MAKELONG(CEVT_R8, 10),    MAKELONG(CEVT_LPWSTR, 11),
                                   MAKELONG(CEVT_BLOB, 12), MAKELONG(CEVT_STREAM, 13)};

PimVolume EveryTypeVolume() {
  PimVolume volume;
  volume.FindOrCreateDatabase(L"Empty");
  PimDatabase& database = volume.FindOrCreateDatabase(L"Every Type", 0x1234);
  PimRecord& record = volume.AddRecord(database, {MAKELONG(CEVT_AUTO_I4, 1), MAKELONG(CEVT_AUTO_I8, 2)});
  LONGLONG numbers[] = {-2, 65535, -5, 0xFFFFFFFF, 1, 0x01D9C0FFEE123456, 0x10005};
  for (int i = 0; i < 7; ++i) record.SetNumber(kEveryType[i], numbers[i]);
  record.SetReal(kEveryType[7], -1.5e300);
  record.SetText(kEveryType[8], std::wstring(L"Caf\u00e9 \u041f\u0443\u0442\0x", 9));
  for (CEPROPID propid : {kEveryType[9], kEveryType[10]}) {
    PimProperty bytes;
    bytes.propid = propid;
    bytes.bytes = {0, 1, 0xFF, 0x80};
    record.Set(bytes);
  }
  volume.AddRecord(database, {MAKELONG(CEVT_AUTO_I4, 1)}).SetText(MAKELONG(CEVT_LPWSTR, 2), L"");
  return volume;
}

void RestampChecksum(std::vector<BYTE>& image) {
  DWORD crc = 0xFFFFFFFF;
  for (size_t i = 0; i + 4 < image.size(); ++i) {
    crc ^= image[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? 0xEDB88320 ^ (crc >> 1) : crc >> 1;
  }
  crc ^= 0xFFFFFFFF;
  for (int i = 0; i < 4; ++i) image[image.size() - 4 + i] = static_cast<BYTE>(crc >> (8 * i));
}

TEST(PimVolumeFile, EveryPropertyTypeRoundTrips) {
  PimVolume original = EveryTypeVolume();
  std::vector<BYTE> image = original.Serialise();
  PimVolume parsed;
  ASSERT_TRUE(parsed.Parse(image.data(), image.size()));
  EXPECT_EQ(original.nextOid, parsed.nextOid);
  ASSERT_EQ(2u, parsed.databases.size());
  const PimDatabase& database = parsed.databases[1];
  EXPECT_EQ(L"Every Type", database.name);
  EXPECT_EQ(0x1234u, database.type);
  EXPECT_EQ(4, database.nextAutoNumber);
  EXPECT_EQ(&database, parsed.FindDatabase(L"EVERY type"));
  ASSERT_EQ(2u, database.records.size());
  const PimRecord& want = original.databases[1].records[0];
  const PimRecord& got = database.records[0];
  EXPECT_EQ(want.oid, got.oid);
  ASSERT_EQ(13u, got.properties.size());
  for (size_t i = 0; i < got.properties.size(); ++i) {
    const PimProperty &a = want.properties[i], &b = got.properties[i];
    EXPECT_TRUE(a.propid == b.propid && a.number == b.number && a.real == b.real && a.text == b.text &&
                a.bytes == b.bytes)
        << i;
  }
  EXPECT_EQ(1, got.Find(1)->number);
  EXPECT_EQ(3, database.records[1].Find(1)->number);
}

TEST(PimVolumeFile, RefusesDamagedAndOverrunningImages) {
  std::vector<BYTE> image = EveryTypeVolume().Serialise();
  PimVolume parsed;
  for (size_t size = 0; size < image.size(); ++size) EXPECT_FALSE(parsed.Parse(image.data(), size)) << size;
  for (size_t i = 0; i < image.size(); ++i) {
    std::vector<BYTE> damaged = image;
    damaged[i] ^= static_cast<BYTE>(1 << (i % 8));
    EXPECT_FALSE(parsed.Parse(damaged.data(), damaged.size())) << i;
  }
  // Past the checksum: counts and lengths that overrun, and a byte too many.
  std::vector<BYTE> overrun = image;
  overrun[12] = 0xFF;  // the database count
  RestampChecksum(overrun);
  EXPECT_FALSE(parsed.Parse(overrun.data(), overrun.size()));
  std::vector<BYTE> longer = image;
  longer.insert(longer.end() - 4, 0);
  RestampChecksum(longer);
  EXPECT_FALSE(parsed.Parse(longer.data(), longer.size()));
  EXPECT_TRUE(parsed.databases.empty());

  // Random damage behind a valid checksum: no crash, and whatever parses is canonical.
  std::mt19937 random(7);
  for (int round = 0; round < 3000; ++round) {
    std::vector<BYTE> mutated = image;
    for (int n = 1 + round % 4; n > 0; --n) mutated[random() % (mutated.size() - 4)] = static_cast<BYTE>(random());
    RestampChecksum(mutated);
    if (parsed.Parse(mutated.data(), mutated.size())) EXPECT_EQ(mutated, parsed.Serialise());
  }
}

TEST(PimVolumeFile, KilledWriterLeavesTheVolumeWhole) {
  std::wstring path = FreshVolumePath(L"writer");
  {
    PimVolumeWriter writer;
    EXPECT_FALSE(writer.Open(path.c_str(), false));
    ASSERT_TRUE(writer.Open(path.c_str()));
    writer.Volume().AddRecord(writer.Volume().FindOrCreateDatabase(L"Items"));
    ASSERT_TRUE(writer.Commit());
  }
  // Killed after writing half of "<path>.new", or between its changes and Commit.
  std::vector<BYTE> image = EveryTypeVolume().Serialise();
  WriteBytes(path + L".new", std::string(image.begin(), image.begin() + image.size() / 2));
  {
    PimVolumeWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str()));
    writer.Volume().AddRecord(writer.Volume().databases[0]);
  }
  PimVolume volume;
  ASSERT_TRUE(ReadPimVolume(path.c_str(), volume));
  EXPECT_EQ(1u, volume.databases[0].records.size());

  // Killed holding the lock (its thread ended): the lock is abandoned and the next writer
  // takes it; its Commit replaces the stale "<path>.new".
  auto killed = std::make_unique<PimVolumeWriter>();
  std::thread([&] { killed->Open(path.c_str()); }).join();
  {
    PimVolumeWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str()));
    writer.Volume().AddRecord(writer.Volume().databases[0]);
    ASSERT_TRUE(writer.Commit());
  }
  killed.reset();
  ASSERT_TRUE(ReadPimVolume(path.c_str(), volume));
  EXPECT_EQ(2u, volume.databases[0].records.size());
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((path + L".new").c_str()));

  // A damaged volume is neither read nor replaced.
  WriteBytes(path, std::string(image.begin(), image.end() - 1));
  EXPECT_FALSE(ReadPimVolume(path.c_str(), volume));
  PimVolumeWriter writer;
  EXPECT_FALSE(writer.Open(path.c_str()));
  EXPECT_FALSE(writer.Commit());
  DeleteFileW(path.c_str());
}

}  // namespace
