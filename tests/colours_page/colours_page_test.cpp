// The Colours page driven as the user drives it, in the test process: the sixteen colours
// through the colour picker, and colour schemes saved, listed, applied and deleted.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "settings/controls/colour_picker.h"
#include "settings/controls/colour_picker_rules.h"
#include "settings/files/backup_file.h"
#include "settings/files/category_manager.h"
#include "settings/files/colour_schemes.h"
#include "settings/files/wide_text_file.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/settings_page.h"
#include "tests/support/dialog_answers.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/page_host.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"
#include "tests/support/test_files.h"

namespace {

constexpr wchar_t kProduct[] = L"Software\\Tessaly\\Quillmere";
constexpr wchar_t kColors[] = L"Software\\Tessaly\\Quillmere\\Colors";
constexpr wchar_t kFonts[] = L"Software\\Tessaly\\Quillmere\\Fonts";
constexpr wchar_t kCalendar[] = L"Software\\Tessaly\\Quillmere\\Calendar";
constexpr int kColoursCommand = 8;

enum Id : int { kChoose = 1200, kColourList = 1201, kName = 1202, kSave = 1203, kSchemes = 1204, kApply = 1205,
                kDelete = 1206 };

// The sixteen colours in list order.
constexpr const wchar_t* kColourNames[] = {
    L"SeperatorLineClr", L"ShadowFontColor",  L"GeneralFontColor",   L"HighlightBgClr",
    L"HighlightTextClr", L"TimeLinesBgClr",   L"TimeLinesDfltClr",   L"ClrBreakingLineClr",
    L"ClrPopupClrBg",    L"ClrPopupCurr",     L"ClrPopupHighlight",  L"TskBreakingLineClr",
    L"ClrStatusFree",    L"ClrStatusBusy",    L"ClrStatusTentative", L"ClrStatusOutofoffice",
};

// The schemes this test makes; removed before and after each test.
constexpr const wchar_t* kTestSchemes[] = {L"Test Dusk.scm", L"Test Full.scm", L"Test Broken.scm",
                                           L"Test Cut.scm",  L"Test Gone.scm"};

std::wstring SchemePath(const wchar_t* fileName) { return std::wstring(SchemesFolder().c_str()) + L"\\" + fileName; }

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring DumpCategories() {
  std::wstring out;
  for (const std::unique_ptr<Category>& category : Categories().Categories())
    out += std::wstring(category->name.c_str()) + L"=" + std::to_wstring(category->colour) + L"," +
           std::to_wstring(category->filterBits) + L"\n";
  for (const std::unique_ptr<CategoryFilter>& filter : Categories().Filters())
    out += std::wstring(filter->name.c_str()) + L"," + std::to_wstring(filter->visible) + L"\n";
  return out;
}

std::wstring ListText(HWND list, int index) {
  wchar_t text[300] = L"";
  ListView_GetItemText(list, index, 0, text, 300);
  return text;
}

int ListCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

int FindItem(HWND list, const wchar_t* text) {
  for (int index = 0; index < ListCount(list); ++index)
    if (ListText(list, index) == text) return index;
  return -1;
}

// Whether the page asked its owner to close it.
bool CloseRequested(HWND page) {
  MSG message;
  return PeekMessageW(&message, GetWindow(page, GW_OWNER), kClosePageMessage, kClosePageMessage, PM_REMOVE) != FALSE;
}

// Answers of the colour picker: a palette cell, Default, Cancel.
DialogAnswers::Action PickCell(int cell) {
  return [cell](HWND picker) {
    PostMessageW(picker, WM_COMMAND, MAKEWPARAM(cell, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(picker, cell)));
    PostMessageW(picker, WM_COMMAND, kColourSelectCommand, 0);
  };
}
DialogAnswers::Action PickDefault() {
  return [](HWND picker) {
    PostMessageW(picker, WM_COMMAND, kColourDefaultCommand, 0);
    PostMessageW(picker, WM_COMMAND, kColourSelectCommand, 0);
  };
}
DialogAnswers::Action CellThenCancel(int cell) {
  return [cell](HWND picker) {
    PostMessageW(picker, WM_COMMAND, MAKEWPARAM(cell, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(picker, cell)));
    PostMessageW(picker, WM_COMMAND, kColourCancelCommand, 0);
  };
}

class ColoursPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    // The store knows the installation folder, and so the Schemes folder, once loaded.
    host_ = std::make_unique<PageHost>();
    CreateDirectoryW(SchemesFolder().c_str(), nullptr);
    RemoveTestSchemes();
    CategoryManager& manager = Categories();
    manager.Clear();
    manager.ResetFilters();
    manager.AddCategory(L"Business", 1, false)->colour = 0x0000FF;
    manager.AddCategory(L"Family", 2, false)->filterBits = 5;
  }
  void TearDown() override {
    host_.reset();
    RemoveTestSchemes();
    Categories().Clear();
    ResetProductRegistry();
    DeleteKeyTree(HKEY_CURRENT_USER, L"Software\\Tessaly\\Elsewhere");
  }
  static void RemoveTestSchemes() {
    for (const wchar_t* scheme : kTestSchemes) DeleteFileW(SchemePath(scheme).c_str());
  }

  // Opens the page (loading the store from the registry) on a tab.
  HWND Open(int tab) {
    host_->Reload();
    HWND window = host_->Open(kColoursCommand);
    if (window && tab) host_->SelectTab(tab);
    return window;
  }
  PageHost& Host() { return *host_; }
  HWND Schemes() { return Host().Control(kSchemes); }
  void SelectScheme(const wchar_t* fileName) {
    const int index = FindItem(Schemes(), fileName);
    ASSERT_GE(index, 0) << fileName;
    Host().SelectListItem(kSchemes, index);
  }

  // Answers the next message box with a button and keeps its text.
  DialogAnswers::Action Answer(int button) {
    return [this, button](HWND box) {
      messages_.push_back(MessageBoxText(box));
      PressButton(box, button);
    };
  }
  std::vector<std::wstring> messages_;
  std::unique_ptr<PageHost> host_;
};

TEST(SchemeNames, NamesNoFileCanHoldAreRefused) {
  EXPECT_EQ(SchemeName::kEmpty, CheckSchemeName(L"", 40));
  for (const wchar_t* bad : {L"a\\b", L"a/b", L"C:x", L"a*", L"what?", L"\"q\"", L"<a>", L"a|b", L"tab\there",
                             L"CON", L"con.txt", L"Nul ", L"COM1", L"lpt9.old"})
    EXPECT_EQ(SchemeName::kNotAFileName, CheckSchemeName(bad, 40)) << bad;
  for (const wchar_t* good : {L"Console", L"COM0", L"COM10", L"Dusk. Blue", L"Café Ärzte", L" spaced ", L"..."})
    EXPECT_EQ(SchemeName::kUsable, CheckSchemeName(good, 40)) << good;
  // The path, its ".scm" and the writer's ".new" beside it stay within MAX_PATH - 1.
  const std::size_t longest = MAX_PATH - 1 - 40 - 1 - 4 - 4;
  EXPECT_EQ(SchemeName::kUsable, CheckSchemeName(std::wstring(longest, L'n'), 40));
  EXPECT_EQ(SchemeName::kTooLong, CheckSchemeName(std::wstring(longest + 1, L'n'), 40));
}

// Every colour through the picker: a cell sets it, Default clears it, Cancel keeps it; the
// choice is held in the store until the program saves.
TEST_F(ColoursPageTest, EverySixteenColoursIsSetThroughThePicker) {
  WriteDword(HKEY_CURRENT_USER, kColors, L"ClrStatusBusy", 0x123456);
  ASSERT_NE(nullptr, Open(0));
  PageHost& host = Host();
  ASSERT_TRUE(host.Visible(kChoose));
  ASSERT_EQ(16, ListCount(host.Control(kColourList)));
  for (int index = 0; index < 16; ++index)
    EXPECT_EQ(EnglishText(883 + index), ListText(host.Control(kColourList), index)) << index;

  // Without a selection the button does nothing: no picker opens.
  {
    DialogAnswers answerer;  // answers nothing: a picker would stay open and fail the test
    host.Click(kChoose);
    EXPECT_EQ(0, answerer.Answered());
  }
  for (int index = 0; index < 16; ++index) {
    const int cell = (index * 3 + 1) % kPaletteCells;
    host.SelectListItem(kColourList, index);
    DialogAnswers answerer;
    answerer.Then(index == 13 ? PickDefault() : PickCell(cell));
    host.Click(kChoose);
    ASSERT_EQ(1, answerer.Answered()) << index;
    RecordRef record = Store().Find(kColoursGroup, kColourNames[index]);
    ASSERT_TRUE(record) << index;
    EXPECT_EQ(index == 13 ? kDefaultColour : kPaletteColours[cell], record.number->value) << kColourNames[index];
    EXPECT_EQ(1u, record.number->changed) << kColourNames[index];
  }
  // Cancel keeps the colour chosen before.
  host.SelectListItem(kColourList, 2);
  {
    DialogAnswers answerer;
    answerer.Then(CellThenCancel(40));
    host.Click(kChoose);
  }
  EXPECT_EQ(kPaletteColours[7], Store().colours.GeneralFontColor.value);

  // Nothing reached the registry; saving writes every colour, and deletes the cleared one.
  EXPECT_EQ(0x123456u, ReadDword(HKEY_CURRENT_USER, kColors, L"ClrStatusBusy"));
  host.Close();
  Store().SaveAll();
  for (int index = 0; index < 16; ++index) {
    if (index == 13) {
      EXPECT_FALSE(ReadDword(HKEY_CURRENT_USER, kColors, kColourNames[index]));
      continue;
    }
    EXPECT_EQ(kPaletteColours[(index * 3 + 1) % kPaletteCells], ReadDword(HKEY_CURRENT_USER, kColors, kColourNames[index]))
        << kColourNames[index];
  }
}

// A saved scheme holds the colour and font keys as saved and the categories as they are,
// in the backup format; it is listed first; names that are empty, taken (in any letter
// case) or no file name are refused with their messages and write nothing.
TEST_F(ColoursPageTest, SavedSchemeIsListedFirstAndBadNamesAreRefused) {
  WriteDword(HKEY_CURRENT_USER, kColors, L"GeneralFontColor", 0x112233);
  WriteString(HKEY_CURRENT_USER, kFonts, L"FontFaceToUse", L"Verdana");
  WriteDword(HKEY_CURRENT_USER, kCalendar, L"dNumOfDays", 10);
  ASSERT_NE(nullptr, Open(1));
  PageHost& host = Host();
  ASSERT_TRUE(host.Visible(kSchemes));
  ASSERT_FALSE(host.Visible(kColourList));

  // The list shows every scheme file of the folder.
  std::vector<std::wstring> files;
  {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(SchemePath(L"*.scm").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
      files.push_back(found.cFileName);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
  }
  ASSERT_EQ(static_cast<int>(files.size()), ListCount(Schemes()));
  for (const std::wstring& file : files) EXPECT_GE(FindItem(Schemes(), file.c_str()), 0) << file;

  DialogAnswers answerer;
  answerer.Then(Answer(IDOK));
  host.Type(kName, L"Test Dusk");
  host.Click(kSave);
  EXPECT_EQ(EnglishText(871), messages_.back());
  EXPECT_EQ(L"Test Dusk.scm", ListText(Schemes(), 0));
  EXPECT_EQ(L"", host.Text(kName));
  const std::string bytes = ReadBytes(SchemePath(L"Test Dusk.scm"));
  const std::wstring expected =
      L"\n[Software\\Tessaly\\Quillmere\\Colors]\n\"GeneralFontColor\"=dword:1122867\n"
      L"\n[Software\\Tessaly\\Quillmere\\Fonts]\n\"FontFaceToUse\"=\"Verdana\"\n"
      L"\n[::Categories::]\n"
      L"\"Category\"=\"Business\"\n\"FiltersFlag\"=dword:0\n\"Color\"=dword:255\n"
      L"\"Category\"=\"Family\"\n\"FiltersFlag\"=dword:5\n\"Color\"=dword:-1\n";
  ASSERT_EQ(expected.size() * 2, bytes.size());  // UTF-16LE, no byte-order mark
  EXPECT_EQ(expected, std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), expected.size()));

  const std::wstring longName(250, L'x');
  const struct {
    const wchar_t* name;
    UINT message;
  } refused[] = {{L"", 867}, {L"TEST dusk", 869}, {L"Test: Dusk", 1740}, {L"NUL", 1740},
                 {longName.c_str(), 1742}};
  for (const auto& [name, message] : refused) {
    answerer.Then(Answer(IDOK));
    host.Type(kName, name);
    host.Click(kSave);
    EXPECT_EQ(EnglishText(message), messages_.back()) << name;
    EXPECT_EQ(name, host.Text(kName));
  }
  EXPECT_EQ(static_cast<int>(files.size()) + 1, ListCount(Schemes()));
  EXPECT_EQ(bytes, ReadBytes(SchemePath(L"Test Dusk.scm")));
  EXPECT_FALSE(FileExists(SchemePath(L"Test: Dusk.scm")));
}

// Applying replaces the colour and font keys by the scheme's (a colour the scheme does not
// hold goes back to its default), sets the named categories, reloads the store and closes
// the page; other keys stay, and a key outside the product is never written. A full backup
// as a scheme restores the whole product key.
TEST_F(ColoursPageTest, AppliedSchemesReplaceColoursFontsAndCategories) {
  WriteDword(HKEY_CURRENT_USER, kColors, L"GeneralFontColor", 0x112233);
  WriteDword(HKEY_CURRENT_USER, kFonts, L"FontGenerallfColor", 7);
  WriteDword(HKEY_CURRENT_USER, kCalendar, L"dNumOfDays", 10);
  ASSERT_TRUE(WriteWideTextFile(SchemePath(L"Test Dusk.scm").c_str(),
                                L"\n[Software\\Tessaly\\Quillmere\\Colors]\n\"ClrStatusBusy\"=dword:255\n"
                                L"\n[Software\\Tessaly\\Quillmere\\Fonts]\n\"FontFaceToUse\"=\"Courier New\"\n"
                                L"\n[Software\\Tessaly\\Elsewhere]\n\"Planted\"=dword:1\n"
                                L"\n[::Categories::]\n"
                                L"\"Category\"=\"Family\"\n\"FiltersFlag\"=dword:3\n\"Color\"=dword:65280\n"
                                L"\"Category\"=\"Elsewhere\"\n\"FiltersFlag\"=dword:1\n\"Color\"=dword:1\n"));
  HWND page = Open(1);
  ASSERT_NE(nullptr, page);
  SelectScheme(L"Test Dusk.scm");
  {
    // No at the question changes nothing.
    DialogAnswers answerer;
    answerer.Then(Answer(IDNO));
    Host().Click(kApply);
    EXPECT_EQ(EnglishText(873), messages_.back());
    EXPECT_EQ(0x112233u, ReadDword(HKEY_CURRENT_USER, kColors, L"GeneralFontColor"));
    answerer.Then(Answer(IDYES));
    Host().Click(kApply);
    EXPECT_EQ(2, answerer.Answered());
  }
  EXPECT_EQ(std::vector<std::wstring>{L"ClrStatusBusy"}, ValueNames(HKEY_CURRENT_USER, kColors));
  EXPECT_EQ(std::vector<std::wstring>{L"FontFaceToUse"}, ValueNames(HKEY_CURRENT_USER, kFonts));
  EXPECT_EQ(10u, ReadDword(HKEY_CURRENT_USER, kCalendar, L"dNumOfDays"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"Software\\Tessaly\\Elsewhere")) << "only the product's own keys";
  EXPECT_EQ(255u, Store().colours.ClrStatusBusy.value);
  EXPECT_EQ(kDefaultColour, Store().colours.GeneralFontColor.value);
  EXPECT_STREQ(L"Courier New", Store().fonts.FontFaceToUse.value.c_str());
  EXPECT_EQ(65280u, Categories().FindCategory(L"Family")->colour);
  EXPECT_EQ(3u, Categories().FindCategory(L"Family")->filterBits);
  EXPECT_EQ(0x0000FFu, Categories().FindCategory(L"Business")->colour);
  EXPECT_TRUE(CloseRequested(page));

  // A full backup, made before everything changed, brings back the whole product key.
  WriteDword(HKEY_CURRENT_USER, kProduct, L"OnClick", 2);
  WriteString(HKEY_CURRENT_USER, kCalendar, L"MailCustomInboxStr", L"\\Inbox \"x\"");
  std::wstring backup;
  WriteBackup(backup);
  const std::wstring registry = DumpRegistryTree(HKEY_CURRENT_USER, kProduct);
  const std::wstring categories = DumpCategories();
  ASSERT_TRUE(WriteWideTextFile(SchemePath(L"Test Full.scm").c_str(), backup));
  WriteDword(HKEY_CURRENT_USER, kProduct, L"OnClick", 1);
  WriteDword(HKEY_CURRENT_USER, kProduct, L"Stray", 1);
  WriteDword(HKEY_CURRENT_USER, kColors, L"HighlightBgClr", 9);
  DeleteKeyTree(HKEY_CURRENT_USER, kCalendar);
  Categories().FindCategory(L"Business")->colour = 4;
  Categories().FindFilter(3)->name.Assign(L"Renamed");
  page = Open(1);
  SelectScheme(L"Test Full.scm");
  {
    DialogAnswers answerer;
    answerer.Then(Answer(IDYES));
    Host().Click(kApply);
  }
  EXPECT_EQ(registry, DumpRegistryTree(HKEY_CURRENT_USER, kProduct));
  EXPECT_EQ(categories, DumpCategories());
  EXPECT_EQ(2u, Store().general.OnClick.value);
  EXPECT_TRUE(CloseRequested(page));
}

// A scheme that cannot be read whole, from its first line or part-way after the colour key
// was already rewritten, leaves registry, categories and store as they were, says so, and
// keeps the page open. Apply and delete without a selection say so too.
TEST_F(ColoursPageTest, ABrokenSchemeChangesNothingAndSaysSo) {
  WriteDword(HKEY_CURRENT_USER, kColors, L"GeneralFontColor", 0x112233);
  WriteString(HKEY_CURRENT_USER, kFonts, L"FontFaceToUse", L"Verdana");
  const std::wstring colours = L"\n[Software\\Tessaly\\Quillmere\\Colors]\n\"ClrStatusBusy\"=dword:255\n";
  ASSERT_TRUE(WriteWideTextFile(SchemePath(L"Test Broken.scm").c_str(), colours.substr(1)));
  ASSERT_TRUE(WriteWideTextFile(SchemePath(L"Test Cut.scm").c_str(),
                                colours + L"\n[::Categories::]\n\"Category\"=\"Family\"\n\"FiltersFlag\"=dword:3\n"
                                          L"\"Color\"=dword:65280\n\n[Software\\Tessaly\\Quillmere\\" +
                                    std::wstring(300, L'k') + L"]\n\"A\"=dword:1\n"));
  HWND page = Open(1);
  ASSERT_NE(nullptr, page);
  const std::wstring registry = DumpRegistryTree(HKEY_CURRENT_USER, kProduct);
  const std::wstring categories = DumpCategories();

  DialogAnswers answerer;
  answerer.Then(Answer(IDOK)).Then(Answer(IDOK));
  Host().Click(kApply);
  Host().Click(kDelete);
  EXPECT_EQ((std::vector<std::wstring>{EnglishText(863), EnglishText(863)}), messages_);
  for (const wchar_t* scheme : {L"Test Broken.scm", L"Test Cut.scm"}) {
    SelectScheme(scheme);
    answerer.Then(Answer(IDYES)).Then(Answer(IDOK));
    Host().Click(kApply);
    EXPECT_EQ(EnglishText(877), messages_.back()) << scheme;
    EXPECT_EQ(registry, DumpRegistryTree(HKEY_CURRENT_USER, kProduct)) << scheme;
    EXPECT_EQ(categories, DumpCategories()) << scheme;
    EXPECT_EQ(0x112233u, Store().colours.GeneralFontColor.value) << scheme;
    EXPECT_TRUE(IsWindow(page)) << scheme;
    EXPECT_FALSE(CloseRequested(page)) << scheme;
  }
  // A listed file that is gone by the time it is applied cannot be opened.
  SelectScheme(L"Test Broken.scm");
  DeleteFileW(SchemePath(L"Test Broken.scm").c_str());
  answerer.Then(Answer(IDYES)).Then(Answer(IDOK));
  Host().Click(kApply);
  EXPECT_EQ(EnglishText(875), messages_.back());
  EXPECT_EQ(registry, DumpRegistryTree(HKEY_CURRENT_USER, kProduct));
}

// Deleting asks first; Yes removes the file and its item.
TEST_F(ColoursPageTest, DeletingASchemeRemovesItsFileAndItem) {
  const std::wstring path = SchemePath(L"Test Gone.scm");
  ASSERT_TRUE(WriteWideTextFile(path.c_str(), L"\n[::Categories::]\n"));
  ASSERT_NE(nullptr, Open(1));
  const int count = ListCount(Schemes());
  SelectScheme(L"Test Gone.scm");
  DialogAnswers answerer;
  answerer.Then(Answer(IDNO));
  Host().Click(kDelete);
  EXPECT_EQ(EnglishText(865), messages_.back());
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(count, ListCount(Schemes()));
  answerer.Then(Answer(IDYES));
  Host().Click(kDelete);
  EXPECT_FALSE(FileExists(path));
  EXPECT_EQ(count - 1, ListCount(Schemes()));
  EXPECT_EQ(-1, FindItem(Schemes(), L"Test Gone.scm"));
}

}  // namespace
