// The icon library over a folder tree of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/files/icon_library.h"
#include "settings/store/settings_store.h"
#include "tests/icon_sets/icon_test_files.h"
#include "tests/support/registry_reset.h"

namespace {

std::wstring Icon(const std::wstring& relative) { return WriteTestFile(relative, SolidBmp(4, 4, 0xFF0000, 0xFF0000)); }

std::vector<std::wstring> Paths(const IconLibrary& library) {
  std::vector<std::wstring> paths;
  for (int index = 0; index < library.Count(); ++index) paths.emplace_back(library.Path(index));
  return paths;
}

TEST(IconLibrary, OrderIgnoresCaseAndEveryIconFolderIsScanned) {
  RemoveTree(kTestRoot);
  const std::wstring lib = kTestRoot + L"lib\\";
  for (const wchar_t* name : {L"lib\\B.bmp", L"lib\\a.bmp", L"lib\\Sub\\c.BMP", L"lib\\Sub\\deeper\\d.bmp"}) Icon(name);
  WriteTestFile(L"lib\\broken.bmp", {'n', 'o'});
  WriteTestFile(L"lib\\readme.txt", {'x'});
  CreateDirectoryW((lib + L"folder.bmp").c_str(), nullptr);
  IconLibrary library;
  ScanIconFolder(library, (kTestRoot + L"lib").c_str());  // no closing backslash: given one
  EXPECT_EQ((std::vector<std::wstring>{lib + L"a.bmp", lib + L"B.bmp", lib + L"broken.bmp", lib + L"Sub\\c.BMP",
                                       lib + L"Sub\\deeper\\d.bmp"}),
            Paths(library));
  EXPECT_NE(nullptr, library.Bitmap(0));
  EXPECT_EQ(nullptr, library.Bitmap(2)) << "a broken file gives no bitmap";
  library.Add((lib + L"A.BMP").c_str());  // equal to the head but for case: after it
  library.Add((lib + L"0.bmp").c_str());
  EXPECT_EQ(lib + L"a.bmp", Paths(library)[1]);
  EXPECT_EQ(lib + L"A.BMP", Paths(library)[2]);

  // Built from the Icons folder, AdditionalIconsFolder and the IconSet paths that can be read.
  Icon(L"pf\\Tessaly\\Quillmere\\Icons\\one.bmp");
  Icon(L"more\\two.bmp");
  Icon(L"set24\\three.bmp");
  ResetProductRegistry();
  HMODULE language = nullptr;
  Store().LoadAll(language);
  Store().todayItem.ProgramFiles.value.Assign((kTestRoot + L"pf").c_str());
  Store().categories.AdditionalIconsFolder.value.Assign((kTestRoot + L"more").c_str());
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\IconSet", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &key, nullptr);
  auto put = [key](const wchar_t* name, const std::wstring& folder) {
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
  };
  put(L"InstallPath24", kTestRoot + L"set24\\");
  put(L"InstallPath18", kTestRoot + L"missing\\");
  put(L"InstallPath12", std::wstring(300, L'x'));  // longer than the 512-byte value buffer
  RegCloseKey(key);
  IconLibrary built;
  BuildIconLibrary(built);
  EXPECT_EQ((std::vector<std::wstring>{kTestRoot + L"more\\two.bmp", kTestRoot + L"pf\\Tessaly\\Quillmere\\Icons\\one.bmp",
                                       kTestRoot + L"set24\\three.bmp"}),
            Paths(built));
  Icon(L"more\\four.bmp");
  BuildIconLibrary(built);
  EXPECT_EQ(3, built.Count()) << "built once per run";
  ResetProductRegistry();
  Store().LoadAll(language);
  RemoveTree(kTestRoot);
}

}  // namespace
