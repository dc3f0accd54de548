// The registry primitives and the three record kinds, one value at a time.
#include "settings/store/registry_values.h"

#include <cstring>

#include "settings/store/setting_records.h"
#include "tests/store/store_test_support.h"
#include "tests/support/registry_reset.h"

namespace {

class RegistryValues : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    key_ = OpenKeyGroup(kGeneralGroup);
    ASSERT_TRUE(key_);
  }
  void TearDown() override {
    key_.Close();
    StoreTest::TearDown();
  }
  void Put(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    PutRaw(HKEY_CURRENT_USER, KeyGroupPath(kGeneralGroup), name, type, data, size);
  }
  std::wstring ReadText(const wchar_t* name) {
    WideString out(L"old");
    EXPECT_TRUE(ReadStringValue(name, &out, L"dflt", key_.Get())) << name;
    return out.c_str();
  }

  RegistryKey key_;
};

TEST_F(RegistryValues, DwordReadsUpToFourBytesOfAnyType) {
  const BYTE two[] = {0x34, 0x12};
  const BYTE eight[8] = {1};
  Put(L"Short", REG_BINARY, two, sizeof two);
  Put(L"Wide", REG_QWORD, eight, sizeof eight);
  PutString(kGeneralGroup, L"FourByteText", L"A");  // one character and its null
  PutString(kGeneralGroup, L"LongerText", L"AB");
  EXPECT_EQ(0x1234u, ReadDwordValue(L"Short", 77, key_.Get()));
  EXPECT_EQ(0x41u, ReadDwordValue(L"FourByteText", 77, key_.Get()));
  for (const wchar_t* name : {L"LongerText", L"Wide", L"Absent"}) EXPECT_EQ(77u, ReadDwordValue(name, 77, key_.Get()));
  EXPECT_EQ(77u, ReadDwordValue(L"Short", 77, nullptr));
}

TEST_F(RegistryValues, StringsEndAtTheirFirstNullOrTheEndOfTheirData) {
  const wchar_t noNull[] = {L'a', L'b', L'c'};
  const BYTE odd[] = {'x', 0, 'y', 0, 'z'};  // a half character at the end
  const BYTE one[] = {'q'};
  const wchar_t embedded[] = L"one\0two";
  Put(L"NoNull", REG_SZ, noNull, sizeof noNull);
  Put(L"Odd", REG_SZ, odd, sizeof odd);
  Put(L"OneByte", REG_BINARY, one, sizeof one);
  Put(L"Embedded", REG_MULTI_SZ, embedded, sizeof embedded);
  Put(L"Empty", REG_SZ, nullptr, 0);
  EXPECT_EQ(L"abc", ReadText(L"NoNull"));
  EXPECT_EQ(L"xy", ReadText(L"Odd"));
  EXPECT_EQ(L"", ReadText(L"OneByte"));
  EXPECT_EQ(L"one", ReadText(L"Embedded"));
  EXPECT_EQ(L"", ReadText(L"Empty"));
}

TEST_F(RegistryValues, AbsentStringGivesDefaultAndPresenceCanBeAskedAlone) {
  WideString out(L"old");
  EXPECT_FALSE(ReadStringValue(L"Absent", &out, L"dflt", key_.Get()));
  EXPECT_STREQ(L"dflt", out.c_str());
  EXPECT_FALSE(ReadStringValue(L"Absent", &out, L"other", nullptr));
  EXPECT_STREQ(L"other", out.c_str());
  PutDword(kGeneralGroup, L"Number", 5);
  EXPECT_TRUE(ReadStringValue(L"Number", nullptr, L"", key_.Get()));
  EXPECT_FALSE(ReadStringValue(L"Absent", nullptr, L"", key_.Get()));
}

TEST_F(RegistryValues, WritersDeleteDefaultsAndWriteTheirType) {
  PutDword(kGeneralGroup, L"Number", 9);
  WriteDwordValue(key_.Get(), L"Number", 3, 3);
  EXPECT_FALSE(GetRaw(kGeneralGroup, L"Number"));
  WriteDwordValue(key_.Get(), L"Number", 0xFFFFFFFF, 3);
  EXPECT_EQ(0xFFFFFFFFu, GetDword(kGeneralGroup, L"Number"));

  EXPECT_EQ(ERROR_SUCCESS, WriteStringValue(key_.Get(), L"Text", L"Tahoma", L"tahoma"));
  std::optional<RawValue> raw = GetRaw(kGeneralGroup, L"Text");
  ASSERT_TRUE(raw);
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), raw->type);
  ASSERT_EQ(sizeof L"Tahoma", raw->data.size());
  EXPECT_EQ(0, memcmp(L"Tahoma", raw->data.data(), sizeof L"Tahoma"));
  WriteStringValue(key_.Get(), L"Text", L"Tahoma", L"Tahoma");
  EXPECT_FALSE(GetRaw(kGeneralGroup, L"Text"));
}

TEST_F(RegistryValues, BitSetReadsOnlyBinaryOfExactLength) {
  BitSetSetting bits;
  bits.Load(key_.Get(), true, L"Fold", 41, kGeneralGroup);
  ASSERT_EQ(6u, bits.byteCount);
  EXPECT_EQ(0xFF, bits.buffer[5]);

  const BYTE sixteen[16] = {0xA5, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0x80};
  for (auto [type, size] : {std::pair<DWORD, DWORD>{REG_BINARY, 15}, {REG_SZ, 16}}) {
    Put(L"Fold", type, sixteen, size);
    bits.Load(key_.Get(), false, L"Fold", 125, kGeneralGroup);
    ASSERT_EQ(16u, bits.byteCount);
    EXPECT_EQ(0, bits.buffer[0]) << type << " " << size;
  }
  Put(L"Fold", REG_BINARY, sixteen, sizeof sixteen);
  bits.Load(key_.Get(), true, L"Fold", 125, kGeneralGroup);
  EXPECT_EQ(0, memcmp(sixteen, bits.buffer.get(), 16));
}

TEST_F(RegistryValues, OnlySetRecordsAreSavedAndEverySetCounts) {
  DwordSetting number;
  number.Set(99);
  EXPECT_EQ(12u, number.Load(key_.Get(), 12, L"Days", kGeneralGroup));
  EXPECT_EQ(0u, number.changed);
  // Unset records are not saved, whatever the registry holds meanwhile.
  PutDword(kGeneralGroup, L"Days", 40);
  number.Save(key_.Get());
  EXPECT_EQ(40u, GetDword(kGeneralGroup, L"Days"));

  number.Load(key_.Get(), 7, L"Days", kGeneralGroup);
  EXPECT_EQ(40u, number.Set(40));  // the same value still marks the record changed
  RegDeleteValueW(key_.Get(), L"Days");
  number.Save(key_.Get());
  EXPECT_EQ(40u, GetDword(kGeneralGroup, L"Days"));
  number.Set(7);
  number.Save(key_.Get());
  EXPECT_FALSE(GetRaw(kGeneralGroup, L"Days"));
  EXPECT_EQ(1u, number.changed);
}

TEST_F(RegistryValues, EmptyTextDeletesOnlyWhenTheDefaultIsEmpty) {
  PutString(kGeneralGroup, L"Skin", L"\\skins\\blue");
  PutString(kGeneralGroup, L"Folder", L"\\elsewhere");
  StringSetting skin, folder;
  EXPECT_STREQ(L"\\skins\\blue", skin.Load(key_.Get(), L"", L"Skin", kGeneralGroup));
  folder.Load(key_.Get(), L"\\Program Files", L"Folder", kGeneralGroup);
  skin.Set(L"");
  folder.Set(L"");
  skin.Save(key_.Get());
  folder.Save(key_.Get());
  EXPECT_FALSE(GetRaw(kGeneralGroup, L"Skin"));
  EXPECT_EQ((RawValue{REG_SZ, {0, 0}}), GetRaw(kGeneralGroup, L"Folder"));
}

TEST_F(RegistryValues, RecordWithoutKeyOpensItsOwnGroup) {
  key_.Close();
  ResetProductRegistry();
  PutDword(kCalendarGroup, L"dNumOfDays", 14);
  DwordSetting days;
  EXPECT_EQ(14u, days.Load(nullptr, 7, L"dNumOfDays", kCalendarGroup));
  days.Set(21);
  days.Save(nullptr);
  EXPECT_EQ(21u, GetDword(kCalendarGroup, L"dNumOfDays"));
  // As the shell reads MyVgaMode before anything else: the key is created on the way.
  DwordSetting vga;
  EXPECT_EQ(3u, vga.Load(nullptr, 3, L"MyVgaMode", kGeneralGroup));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, KeyGroupPath(kGeneralGroup)));
  // A group without a key yields the default.
  StringSetting lost;
  EXPECT_STREQ(L"d", lost.Load(nullptr, L"d", L"dNumOfDays", 15));
}

}  // namespace
