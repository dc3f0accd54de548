// The device's selection colours and the detection of installed PIM programs.
#include "settings/store/pim_detection.h"
#include "settings/store/settings_store.h"
#include "settings/store/theme_colours.h"
#include "tests/store/store_test_support.h"
#include "tests/support/registry_reset.h"

namespace {

using ThemeColours = StoreTest;
using PimDetection = StoreTest;

// An SHColor table of `entries` colours, entry i being 0x00i0i0i0 plus a top byte.
void PutShColor(int entries) {
  std::vector<BYTE> table(4 * static_cast<size_t>(entries));
  for (int i = 0; i < entries; ++i) {
    table[4 * i] = static_cast<BYTE>(i);
    table[4 * i + 1] = static_cast<BYTE>(i + 1);
    table[4 * i + 2] = static_cast<BYTE>(i + 2);
    table[4 * i + 3] = 0xEE;
  }
  PutRaw(HKEY_LOCAL_MACHINE, kColourSchemeKey, L"SHColor", REG_BINARY, table.data(),
         static_cast<DWORD>(table.size()));
}

TEST_F(ThemeColours, WithoutSchemeTheFallbackLosesItsTopByte) {
  EXPECT_EQ(0x00ABCDEFu, ReadSystemColor(34, 0xFFABCDEF));
  PutDword(HKEY_LOCAL_MACHINE, kColourSchemeKey, L"7", 1);
  EXPECT_EQ(0x00ABCDEFu, ReadSystemColor(34, 0xFFABCDEF));
}

TEST_F(ThemeColours, NumberedValueComesBeforeTheTable) {
  PutShColor(40);
  PutDword(HKEY_LOCAL_MACHINE, kColourSchemeKey, L"34", 0xFF112233);
  EXPECT_EQ(0x00112233u, ReadSystemColor(34, 0));
  EXPECT_EQ(RGB(35, 36, 37), ReadSystemColor(35, 0));
  EXPECT_EQ(RGB(0, 1, 2), ReadSystemColor(0, 0x123456));
}

TEST_F(ThemeColours, TooShortTableGivesTheFallback) {
  // Entry 34 needs more than 4 * 34 + 4 bytes.
  PutShColor(35);
  EXPECT_EQ(0x00654321u, ReadSystemColor(34, 0x654321));
  PutShColor(36);
  EXPECT_EQ(RGB(34, 35, 36), ReadSystemColor(34, 0x654321));
}

TEST_F(ThemeColours, SelectionColoursAreFixedOnOldDevices) {
  PutDword(HKEY_LOCAL_MACHINE, kColourSchemeKey, L"34", RGB(1, 2, 3));
  PutDword(HKEY_LOCAL_MACHINE, kColourSchemeKey, L"35", RGB(4, 5, 6));
  LoadAll();
  EXPECT_EQ(RGB(1, 2, 3), Store().SelectionBackground());
  EXPECT_EQ(RGB(4, 5, 6), Store().SelectionText());
  {
    OsVersionOverride ce420(4, 20);
    LoadAll();
    EXPECT_EQ(0x9C4D2Cu, Store().SelectionBackground());
    EXPECT_EQ(0xFFFFFFu, Store().SelectionText());
  }
  {
    OsVersionOverride ce421(4, 21);
    LoadAll();
    EXPECT_EQ(RGB(1, 2, 3), Store().SelectionBackground());
  }
  {
    OsVersionOverride ce3(3, 0);
    LoadAll();
    EXPECT_EQ(0x9C4D2Cu, Store().SelectionBackground());
  }
  DeleteKeyTree(HKEY_LOCAL_MACHINE, kColourSchemeKey);
  LoadAll();
  EXPECT_EQ(0x9C4D2Cu, Store().SelectionBackground());
  EXPECT_EQ(0xFFFFFFu, Store().SelectionText());
}

TEST_F(PimDetection, OnlyThePresenceOfTheValueCounts) {
  LoadAll();  // creates the Pocket Informant and Agenda Fusion keys
  EXPECT_FALSE(DetectPocketInformant());
  EXPECT_FALSE(DetectAgendaFusion());
  EXPECT_FALSE(DetectOwnCalendar());
  EXPECT_FALSE(DetectAgendaOne());

  PutDword(KeyGroupRoot(kPocketInformantGroup), KeyGroupPath(kPocketInformantGroup), L"version", 0);
  PutDword(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Developer One, Inc.\\Agenda Fusion", L"VerMajor", 4);
  PutString(HKEY_CURRENT_USER, L"SOFTWARE\\Tessaly Calendar", L"ExecutablePath", L"");
  PutString(HKEY_CURRENT_USER, L"SOFTWARE\\Developer One\\Agenda One", L"InstallPath", L"\\Program Files\\A1");
  EXPECT_TRUE(DetectPocketInformant());
  EXPECT_TRUE(DetectAgendaFusion());
  EXPECT_TRUE(DetectOwnCalendar());
  EXPECT_TRUE(DetectAgendaOne());

  PutDword(HKEY_CURRENT_USER, L"SOFTWARE\\Developer One\\Agenda One", L"Version", 1);
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Developer One\\Agenda One", L"InstallPath");
  EXPECT_FALSE(DetectAgendaOne());
}

}  // namespace
