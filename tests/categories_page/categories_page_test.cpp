// The Categories page driven as the user drives it, in the test process, over a category
// database of the test's own: colours through the colour picker, icons through the icon
// picker into the icons folder, filter members across filter switches, renaming filters,
// the additional icons folder.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/pim_volume.h"
#include "settings/base/program_modules.h"
#include "settings/controls/colour_picker.h"
#include "settings/files/category_manager.h"
#include "settings/files/icon_library.h"
#include "settings/files/icon_picker.h"
#include "settings/pages/categories_page.h"
#include "settings/pages/rename_dialog.h"
#include "settings/store/settings_store.h"
#include "settings/store/theme_colours.h"
#include "tests/support/dialog_answers.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/page_host.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"
#include "tests/support/test_files.h"
#include "tests/support/window_pixels.h"

namespace {

const std::wstring kRoot = L"C:\\categories-page-test\\";
const std::wstring kIcons = kRoot + L"icons";
const std::wstring kLibrary = kRoot + L"library\\";
constexpr wchar_t kVolume[] = L"C:\\pim.vol";
constexpr wchar_t kSavedVolume[] = L"C:\\pim.vol.saved-by-categories-page-test";
constexpr wchar_t kCategoriesKey[] = L"Software\\Tessaly\\Quillmere\\Categories";
constexpr int kCategoriesCommand = 11;
constexpr COLORREF kBlue = 0xFF0000, kRed = 0x0000FF, kYellow = 0x00FFFF, kWhite = 0xFFFFFF;
enum Control : int { kList = 1200, kIconButton, kColourButton, kFilterBox = 1204, kRename, kVisible, kUncategorized,
                     kSensitivity = 1209, kCheckAll, kUncheckAll, kMembers, kFolderEdit = 1214, kFolderClear };

// A 24-bit bitmap file of one colour.
std::string SolidBmp(int size, COLORREF colour) {
  const int stride = (size * 3 + 3) & ~3;
  const int pixels = stride * size;
  std::string file(54 + static_cast<std::size_t>(pixels), '\0');
  auto put = [&](std::size_t at, unsigned value, int bytes) {
    for (int i = 0; i < bytes; ++i) file[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put(2, static_cast<unsigned>(file.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<unsigned>(size), 4);
  put(22, static_cast<unsigned>(size), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const std::size_t at = 54 + static_cast<std::size_t>(y * stride + x * 3);
      file[at] = static_cast<char>(GetBValue(colour));
      file[at + 1] = static_cast<char>(GetGValue(colour));
      file[at + 2] = static_cast<char>(GetRValue(colour));
    }
  return file;
}

Category& Named(const wchar_t* name) { return *Categories().FindCategory(name); }

class CategoriesPageTest : public ::testing::Test {
 protected:
  // The device's own volume is put aside for the binary's run; one a killed run left aside
  // is put back first.
  static void SetUpTestSuite() {
    if (GetFileAttributesW(kSavedVolume) != INVALID_FILE_ATTRIBUTES)
      MoveFileExW(kSavedVolume, kVolume, MOVEFILE_REPLACE_EXISTING);
    MoveFileExW(kVolume, kSavedVolume, MOVEFILE_REPLACE_EXISTING);
  }
  static void TearDownTestSuite() {
    MoveFileExW(kSavedVolume, kVolume, MOVEFILE_REPLACE_EXISTING);
  }

  void SetUp() override {
    ResetProductRegistry();
    RemoveTree(kRoot);
    CreateDirectoryW(kRoot.c_str(), nullptr);
    CreateDirectoryW(kIcons.c_str(), nullptr);
    CreateDirectoryW(kLibrary.c_str(), nullptr);
    {
      PimVolumeWriter writer;
      ASSERT_TRUE(writer.Open(kVolume));
      PimDatabase& database = writer.Volume().FindOrCreateDatabase(L"CategoryMainDB");
      for (const wchar_t* name : {L"Holiday", L"business", L"Family", L"Zebra"})
        writer.Volume().AddRecord(database, {MAKELONG(CEVT_AUTO_I4, 1)}).SetText(MAKELONG(CEVT_LPWSTR, 2), name);
      ASSERT_TRUE(writer.Commit());
    }
    WriteDword(HKEY_CURRENT_USER, kCategoriesKey, L"CatColor.business", kBlue);
    WriteDword(HKEY_CURRENT_USER, kCategoriesKey, L"CatFilter.Holiday", 2);
    WriteString(HKEY_CURRENT_USER, kCategoriesKey, L"AdditionalIconsFolder", L"\\More");
    ASSERT_TRUE(WriteBytes(kIcons + L"\\business.bmp", SolidBmp(16, kRed)));
    ASSERT_TRUE(WriteBytes(kLibrary + L"a.bmp", SolidBmp(16, kYellow)));
    ASSERT_TRUE(WriteBytes(kLibrary + L"b.bmp", SolidBmp(16, kRed)));
    ASSERT_TRUE(WriteBytes(kLibrary + L"damaged.bmp", "not a bitmap"));
    ScanIconFolder(ProgramIcons(), kLibrary.c_str());

    host_ = std::make_unique<PageHost>();
    Store().general.QMIconsFolder.value.Assign(kIcons.c_str());
    Categories().Load(Modules().languageLibrary);
    ASSERT_NE(nullptr, host_->Open(kCategoriesCommand));
  }
  void TearDown() override {
    host_.reset();
    Categories().Clear();
    ProgramIcons().Clear();
    DeleteFileW(kVolume);
    RemoveTree(kRoot);
  }

  PageHost& Host() { return *host_; }
  void Select(int index) { host_->SelectListItem(kList, index); }

  // Runs the icon picker from the icon button and taps library icon `icon` (-1: Clear, -2:
  // nothing) before Select; returns the text of the message that follows when one is expected.
  std::wstring PickIcon(int icon, bool message = false) {
    std::wstring text;
    DialogAnswers answers;
    answers.Then([&](HWND dialog) {
      for (int tries = 0; tries < 200 && !GetDlgItem(dialog, kIconGridId); ++tries) PumpFor(10);
      if (icon == -1) PressButton(dialog, kIconClearButtonId);
      if (icon >= 0) {
        RECT client{};
        GetClientRect(dialog, &client);
        const int room = client.right - 8 - GetSystemMetrics(SM_CXVSCROLL);
        Tap(GetDlgItem(dialog, kIconGridId), 4 + room % 30 / 2 + icon * 30 + 15, 15);
      }
      PumpFor(50);
      PostMessageW(dialog, WM_COMMAND, kIconSelectCommand, 0);
    });
    if (message)
      answers.Then([&](HWND box) {
        text = MessageBoxText(box);
        PressButton(box, IDOK);
      });
    Host().Click(kIconButton);
    return text;
  }

  std::unique_ptr<PageHost> host_;
};

TEST_F(CategoriesPageTest, RowsShowIconsAndColoursAndThePickerSetsTheColour) {
  HWND list = Host().Control(kList);
  ASSERT_EQ(4, ListView_GetItemCount(list));
  wchar_t name[64];
  ListView_GetItemText(list, 0, 0, name, 64);
  EXPECT_STREQ(L"business", name) << "in the manager's order, ignoring case";
  RECT client{};
  GetClientRect(list, &client);
  const int box = client.right - 4 - 7;
  EXPECT_EQ(kBlue, PrintedPixel(list, box, 8)) << "business's colour box";
  EXPECT_EQ(kRed, PrintedPixel(list, 10, 8)) << "business's icon";
  EXPECT_EQ(kWhite, PrintedPixel(list, box, 16 + 8)) << "Family has no colour";

  {
    DialogAnswers none;
    Host().Click(kColourButton);  // no category at the selection mark: no picker
  }

  COLORREF cellColour = 0;
  auto pickCell = [&](HWND picker) {
    HWND cell = GetDlgItem(picker, 7);
    cellColour = static_cast<COLORREF>(GetWindowLongPtrW(cell, GWLP_USERDATA));
    PostMessageW(picker, WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), reinterpret_cast<LPARAM>(cell));
    PostMessageW(picker, WM_COMMAND, kColourSelectCommand, 0);
  };
  auto press = [](int command) { return [command](HWND picker) { PostMessageW(picker, WM_COMMAND, command, 0); }; };
  DialogAnswers answers;
  answers.Then(pickCell).Then(press(kColourCancelCommand)).Then([&](HWND picker) {
    PostMessageW(picker, WM_COMMAND, kColourDefaultCommand, 0);
    PostMessageW(picker, WM_COMMAND, kColourSelectCommand, 0);
  });
  Select(1);
  Host().Click(kColourButton);
  EXPECT_EQ(cellColour, Named(L"Family").colour);
  EXPECT_EQ(cellColour, PrintedPixel(list, box, 16 + 8));
  EXPECT_EQ(list, GetFocus()) << "focus goes back to the list";
  Select(0);
  Host().Click(kColourButton);
  EXPECT_EQ(kBlue, Named(L"business").colour) << "cancelled";
  Host().Click(kColourButton);
  EXPECT_EQ(kNoCategoryColour, Named(L"business").colour) << "Default: no colour";
  EXPECT_EQ(3, answers.Answered());
}

TEST_F(CategoriesPageTest, IconsAreCopiedIntoTheIconsFolderAndDeletedFromIt) {
  const std::wstring family = kIcons + L"\\Family.bmp";
  Select(1);
  PickIcon(0);
  EXPECT_EQ(ReadBytes(kLibrary + L"a.bmp"), ReadBytes(family));
  EXPECT_TRUE(Named(L"Family").icon);
  EXPECT_EQ(kYellow, PrintedPixel(Host().Control(kList), 10, 16 + 8));

  PickIcon(-2);  // the icon file itself, preselected
  EXPECT_EQ(ReadBytes(kLibrary + L"a.bmp"), ReadBytes(family));
  EXPECT_TRUE(Named(L"Family").icon);

  // A file that is no bitmap, and a copy that cannot be made: the icon stays as it was.
  EXPECT_EQ(EnglishText(1793), PickIcon(2, true));
  {
    HANDLE locked = CreateFileW((kLibrary + L"b.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(EnglishText(1794), PickIcon(1, true));
    CloseHandle(locked);
  }
  EXPECT_EQ(ReadBytes(kLibrary + L"a.bmp"), ReadBytes(family));
  EXPECT_TRUE(Named(L"Family").icon);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((family + L".new").c_str())) << "nothing left behind";

  PickIcon(-1);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(family.c_str()));
  EXPECT_FALSE(Named(L"Family").icon);
  EXPECT_EQ(ReadSelectionColours().background, PrintedPixel(Host().Control(kList), 10, 16 + 8))
      << "the selected row's fill where the icon was";
  EXPECT_TRUE(Named(L"business").icon) << "other categories keep theirs";
}

TEST_F(CategoriesPageTest, FilterMembersAndFieldsFollowTheFilterShown) {
  Host().SelectTab(1);
  HWND members = Host().Control(kMembers);
  auto checks = [&] {
    std::wstring shown;
    for (int item = 0; item < ListView_GetItemCount(members); ++item)
      shown += ListView_GetCheckState(members, item) ? L'x' : L'-';
    return shown;
  };
  ASSERT_EQ(32, Host().ItemCount(kFilterBox));
  EXPECT_EQ(L"Filter 1", Host().ItemText(kFilterBox, Host().Selection(kFilterBox)));
  EXPECT_EQ(L"----", checks());
  ListView_SetCheckState(members, 0, TRUE);
  ListView_SetCheckState(members, 3, TRUE);
  Host().Click(kVisible);
  Host().Click(kUncategorized);
  Host().Choose(kSensitivity, 2);

  Host().Choose(kFilterBox, 1);
  EXPECT_EQ(L"--x-", checks()) << "Holiday is in filter 2";
  EXPECT_TRUE(Host().Checked(kVisible));
  EXPECT_FALSE(Host().Checked(kUncategorized));
  EXPECT_EQ(0, Host().Selection(kSensitivity));
  Host().Click(kCheckAll);
  EXPECT_EQ(L"xxxx", checks());

  Host().Choose(kFilterBox, 0);
  EXPECT_EQ(L"x--x", checks()) << "filter 1 as it was left";
  EXPECT_FALSE(Host().Checked(kVisible));
  EXPECT_TRUE(Host().Checked(kUncategorized));
  EXPECT_EQ(2, Host().Selection(kSensitivity));
  Host().Click(kUncheckAll);
  ListView_SetCheckState(members, 1, TRUE);
  Host().Close();

  EXPECT_EQ(2u, Named(L"business").filterBits);
  EXPECT_EQ(3u, Named(L"Family").filterBits);
  EXPECT_EQ(2u, Named(L"Holiday").filterBits);
  EXPECT_EQ(2u, Named(L"Zebra").filterBits);
  const CategoryFilter& first = *Categories().FindFilter(1);
  EXPECT_EQ(0, first.visible);
  EXPECT_EQ(1, first.includeUncategorized);
  EXPECT_EQ(2u, first.sensitivity);
  EXPECT_EQ(1, Categories().FindFilter(2)->visible);
}

TEST_F(CategoriesPageTest, RenamingTakesOnlyANewNonEmptyTitle) {
  const CategoryFilter& third = *Categories().FindFilter(3);
  EXPECT_EQ(0u, FilterTitleRefusal(third, L"filter 3")) << "its own title in other letters";
  EXPECT_EQ(1790u, FilterTitleRefusal(third, L"  "));
  EXPECT_EQ(1791u, FilterTitleRefusal(third, L"FILTER 1"));

  Host().SelectTab(1);
  Host().Choose(kFilterBox, 2);
  HWND dialog = nullptr;
  DialogAnswers answers;
  answers.Then([&](HWND window) {
    dialog = window;
    HWND edit = GetDlgItem(window, kRenameEditId);
    EXPECT_EQ(L"Filter 3", WindowText(edit));
    EXPECT_GE(static_cast<short>(LOWORD(SendMessageW(edit, EM_POSFROMCHAR, 0, 0))), 0) << "the text is in view";
    EXPECT_EQ(EnglishText(1113), WindowText(GetDlgItem(window, kRenameLabelId)));
    RECT place{};
    GetWindowRect(window, &place);
    EXPECT_EQ(226, place.right - place.left);
    EXPECT_EQ(120, place.bottom - place.top);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN) / 2 - 113, place.left);
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetDlgItemTextW(window, kRenameEditId, L"filter 1");
    PressButton(window, kRenameOkId);
  });
  answers.Then([&](HWND box) {
    EXPECT_EQ(EnglishText(1791), MessageBoxText(box));
    PressButton(box, IDOK);
    SetDlgItemTextW(dialog, kRenameEditId, L"Travel");
    PressButton(dialog, kRenameOkId);
  });
  answers.Then([](HWND window) {
    SetDlgItemTextW(window, kRenameEditId, L"Elsewhere");
    PressButton(window, kRenameCancelId);
  });
  Host().Click(kRename);
  EXPECT_EQ(L"Travel", std::wstring(third.name.c_str()));
  EXPECT_EQ(2, Host().Selection(kFilterBox));
  EXPECT_EQ(L"Travel", Host().ItemText(kFilterBox, 2));
  Host().Click(kRename);
  EXPECT_EQ(L"Travel", std::wstring(third.name.c_str())) << "cancelled";
  EXPECT_EQ(3, answers.Answered());
}

TEST_F(CategoriesPageTest, ClearingTheAdditionalIconsFolderIsWrittenAtOnce) {
  Host().SelectTab(2);
  EXPECT_TRUE(Host().Visible(kFolderEdit));
  EXPECT_EQ(L"\\More", Host().Text(kFolderEdit));
  Host().Click(kFolderClear);
  EXPECT_EQ(L"", Host().Text(kFolderEdit));
  EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kCategoriesKey, L"AdditionalIconsFolder"));
  EXPECT_TRUE(ProgramIcons().Empty()) << "the picker gathers its icons again";
}

}  // namespace
