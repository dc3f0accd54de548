#pragma once
// The General page as the shell opens it: the store loaded from a reset registry, the
// language library and fonts of the shell, a stand-in main window as the parent. The
// product's installation folder is pointed (through ProgramFiles) at a folder of the test's
// own, so that its LangRes can be filled freely without touching the installed product.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/pages/general_page.h"

inline constexpr wchar_t kEnglishLibrary[] = L"C:\\Program Files\\Tessaly\\Quillmere\\LangRes\\QMEngRc.dll";
inline constexpr wchar_t kTestLibrary[] = L"C:\\DeviceTools\\TestLang\\QMTestRc.dll";
// A resource library without a string table.
inline constexpr wchar_t kNamelessLibrary[] = L"C:\\Program Files\\Tessaly\\Quillmere\\LowDpiRes.dll";
inline constexpr wchar_t kProductKey[] = L"Software\\Tessaly\\Quillmere";

class GeneralPageTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Reads the registry into the store again, as the program does at start-up.
  void Reload();

  // Copies a library into the installation's LangRes under the given name.
  void AddLanguageFile(const wchar_t* source, const wchar_t* name);
  // A file with the given (non-library) content in LangRes.
  void AddPlainFile(const wchar_t* name, const char* content);
  // The path the page builds for a file of LangRes: installation folder\LangRes\name.
  std::wstring LanguagePath(const wchar_t* name) const;

  HWND Open(GeneralPage::ScreenWidthSource screenWidth = nullptr);
  // Destroys the window (which writes the settings) and the page, as the shell does.
  void Close();

  HWND Control(int id) const { return GetDlgItem(window_, id); }
  bool Exists(int id) const { return Control(id) != nullptr; }
  bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  bool Visible(int id) const { return IsWindowVisible(Control(id)) != FALSE; }
  // What a control shows as a setting's number: check state, list index, or typed number.
  DWORD Shown(int id) const;
  int Selection(int id) const;
  std::wstring Text(int id) const;
  std::wstring ItemText(int id, int index) const;
  int ItemCount(int id) const;

  // The user's actions, as the controls report them.
  void SelectTab(int index);
  void Click(int id);
  void Choose(int id, int index);
  void Type(int id, const wchar_t* text);
  // Makes the control show the number the way the user would (click, choice or typing).
  void Put(int id, DWORD value);

  HWND parent_ = nullptr;
  HWND window_ = nullptr;
  std::unique_ptr<GeneralPage> page_;
  std::wstring programFiles_;  // the root the store reads as ProgramFiles
  std::wstring langRes_;
  std::vector<std::wstring> createdFiles_;
};
