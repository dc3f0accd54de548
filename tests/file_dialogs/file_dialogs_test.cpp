// Load File, Save File and Select Folder run for real over folders of the device below
// \DialogTests, answered from inside their modal loops.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/aygshell.h"
#include "platform/device_facts.h"
#include "settings/base/program_modules.h"
#include "settings/controls/file_browser_dialog.h"
#include "settings/shell/shell_state.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/program_driver.h"
#include "tests/support/test_files.h"

namespace {

using Names = std::vector<std::wstring>;
const std::wstring kRoot = L"\\DialogTests\\";

std::wstring At(const wchar_t* relative) { return kRoot + relative; }

// Each test starts in the root, in English, without pictures, and removes its folders.
class FileDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveTree(kRoot);
    Modules().languageLibrary = nullptr;
    Modules().resolutionLibrary = nullptr;
    SetRememberedFolder(L"\\");
  }
  void TearDown() override {
    RemoveTree(kRoot);
    Modules().languageLibrary = nullptr;
    Modules().resolutionLibrary = nullptr;
    SetRememberedFolder(L"\\");
  }
  // Folders (ending in "\") and empty files below \DialogTests.
  static void Make(std::initializer_list<const wchar_t*> paths) {
    for (const wchar_t* relative : paths) {
      std::wstring path = At(relative);
      for (std::size_t slash = path.find(L'\\', 1); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1))
        CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
      if (path.back() == L'\\') continue;
      CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
  }
  static void StartIn(const wchar_t* relative) { SetRememberedFolder(At(relative).c_str()); }
  static std::unique_ptr<FileDialogRequest> Request(const wchar_t* extension, const wchar_t* proposed = L"") {
    return MakeFileDialogRequest(L"", extension, L"Backup files", proposed);
  }
};

HWND ListOf(HWND dialog) { return GetDlgItem(dialog, kFileListId); }

Names ListNames(HWND dialog) {
  Names names;
  for (int index = 0; index < ListView_GetItemCount(ListOf(dialog)); ++index) {
    wchar_t text[MAX_PATH] = L"";
    ListView_GetItemText(ListOf(dialog), index, 0, text, MAX_PATH);
    names.emplace_back(text);
  }
  return names;
}

std::wstring Text(HWND dialog, int id) {
  wchar_t text[512] = L"";
  GetDlgItemTextW(dialog, id, text, 512);
  return text;
}

std::wstring PathShown(HWND dialog) { return Text(dialog, kPathBoxId); }
int Selected(HWND dialog) { return ListView_GetNextItem(ListOf(dialog), -1, LVNI_SELECTED); }
int IndexOf(HWND dialog, const wchar_t* name) {
  Names names = ListNames(dialog);
  for (std::size_t index = 0; index < names.size(); ++index)
    if (names[index] == name) return static_cast<int>(index);
  return -1;
}

// A tap on an entry: its selection and selection mark.
void SelectEntry(HWND dialog, int index) {
  ListView_SetItemState(ListOf(dialog), index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetSelectionMark(ListOf(dialog), index);
}

// The tap, then the activation the list reports for it.
void Activate(HWND dialog, const wchar_t* name) {
  SelectEntry(dialog, IndexOf(dialog, name));
  NMITEMACTIVATE activate{};
  activate.hdr = NMHDR{ListOf(dialog), kFileListId, static_cast<UINT>(LVN_ITEMACTIVATE)};
  activate.iItem = IndexOf(dialog, name);
  SendMessageW(dialog, WM_NOTIFY, kFileListId, reinterpret_cast<LPARAM>(&activate));
}

void Command(HWND dialog, int command) { SendMessageW(dialog, WM_COMMAND, command, 0); }
void BackKeyUp(HWND dialog) { SendMessageW(dialog, WM_HOTKEY, VK_TBACK, MAKELPARAM(MOD_KEYUP, VK_TBACK)); }

TEST_F(FileDialogTest, RequestTextsComeFromTheLanguageElseInEnglish) {
  auto english = MakeFileDialogRequest(L"Export", L"qmsb", L"Backup files", L"QM_Backup_1");
  EXPECT_EQ(GetModuleHandleW(nullptr), english->instance) << "the program's module when the shell has none";
  EXPECT_EQ(1568u, english->menuBarId);
  EXPECT_STREQ(L"QM_Backup_1", english->proposedName.c_str());
  const WideString* texts[] = {&english->cancelText, &english->selectText, &english->fileNameLabel,
                               &english->extensionLabel, &english->missingNameText,
                               &english->illegalCharactersText, &english->errorCaption};
  const wchar_t* expected[] = {L"Cancel", L"Select", L"File Name", L"Extension", L"File name value is missing",
                               L"File name include illegal characters", L"File Name Error"};
  for (int index = 0; index < 7; ++index) EXPECT_STREQ(expected[index], texts[index]->c_str());

  // This executable's strings stand in for a language with two of the texts.
  Modules().languageLibrary = GetModuleHandleW(nullptr);
  auto partial = MakeFileDialogRequest(nullptr, nullptr, nullptr, nullptr);
  EXPECT_STREQ(L"Abbrechen", partial->cancelText.c_str());
  EXPECT_STREQ(L"Dateiname", partial->fileNameLabel.c_str());
  EXPECT_STREQ(L"Select", partial->selectText.c_str());
  EXPECT_TRUE(partial->title.Empty());
}

TEST_F(FileDialogTest, LoadListsFoldersFirstAndFilesWithTheExactExtension) {
  Make({L"Load\\b.qmsb", L"Load\\A.qmsb", L"Load\\xqmsb", L"Load\\Y.QMSB", L"Load\\notes.txt", L"Load\\beta\\",
        L"Load\\Alpha\\"});
  StartIn(L"Load\\");
  Names names;
  int images = 0;
  ModalAnswerer answerer;
  answerer.Then([&](HWND dialog) {
    names = ListNames(dialog);
    EXPECT_EQ(At(L"Load\\"), PathShown(dialog));
    EXPECT_EQ(0, Selected(dialog));
    images = ImageList_GetImageCount(ListView_GetImageList(ListOf(dialog), LVSIL_SMALL));
    Command(dialog, kCancelCommand);
  });
  EXPECT_FALSE(RunLoadFileDialog(*Request(L"qmsb")));
  EXPECT_EQ((Names{L"Alpha", L"beta", L"A.qmsb", L"b.qmsb", L"xqmsb"}), names);
  EXPECT_EQ(5, images) << "a shell icon for every entry";
}

TEST_F(FileDialogTest, LoadOpensFoldersChoosesOnlyFilesAndTheNextDialogStartsThere) {
  Make({L"Load\\Sub\\deep.qmsb", L"Load\\Sub\\Inner\\", L"Load\\top.qmsb"});
  StartIn(L"Load\\");
  ModalAnswerer answerer;
  answerer.Then([&](HWND dialog) {
    SelectEntry(dialog, IndexOf(dialog, L"Sub"));
    Command(dialog, kSelectCommand);
    EXPECT_EQ(At(L"Load\\"), PathShown(dialog)) << "Select on a folder neither opens nor ends";
    SelectEntry(dialog, IndexOf(dialog, L"top.qmsb"));
    ListView_SetItemState(ListOf(dialog), -1, 0, LVIS_SELECTED);
    Command(dialog, kSelectCommand);
    ASSERT_TRUE(IsWindow(dialog)) << "the mark left on a deselected file is no choice";

    Activate(dialog, L"Sub");
    EXPECT_EQ(At(L"Load\\Sub\\"), PathShown(dialog));
    EXPECT_EQ((Names{L"Inner", L"deep.qmsb"}), ListNames(dialog));
    EXPECT_EQ(0, Selected(dialog));
    Activate(dialog, L"deep.qmsb");
    EXPECT_EQ(At(L"Load\\Sub\\"), PathShown(dialog)) << "activating a file does nothing";
    Command(dialog, kSelectCommand);
  });
  auto request = Request(L"qmsb");
  ASSERT_TRUE(RunLoadFileDialog(*request));
  EXPECT_EQ(At(L"Load\\Sub\\deep.qmsb"), request->resultPath.c_str());
  EXPECT_EQ(At(L"Load\\Sub\\"), RememberedFolder());

  answerer.Then([&](HWND dialog) {
    EXPECT_EQ(At(L"Load\\Sub\\"), PathShown(dialog));
    Command(dialog, kCancelCommand);
  });
  EXPECT_FALSE(RunSelectFolderDialog(*request));
  EXPECT_TRUE(request->resultPath.Empty());
  EXPECT_EQ(At(L"Load\\Sub\\"), RememberedFolder()) << "only a choice moves it";
}

TEST_F(FileDialogTest, GoingUpSelectsTheFolderLeftAndStopsAtTheRoot) {
  Make({L"Storage Card\\Backups\\b.qmsb", L"Storage Card\\Alpha\\", L"Storage Card\\zz.qmsb"});
  StartIn(L"Storage Card\\Backups\\");
  ModalAnswerer answerer;
  answerer.Then([&](HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    // Load's up-folder button: 20 x 20 at the right end of the second row.
    SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 31, 44));
    EXPECT_EQ(At(L"Storage Card\\Backups\\"), PathShown(dialog)) << "beside the button";
    SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 20, 44));
    EXPECT_EQ(At(L"Storage Card\\"), PathShown(dialog));
    EXPECT_EQ(1, IndexOf(dialog, L"Backups"));
    EXPECT_EQ(1, Selected(dialog));

    // The hardware Back key, down and up, reaches the dialog through the menu bar.
    PostMessageW(ListOf(dialog), WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(ListOf(dialog), WM_KEYUP, VK_ESCAPE, 0xC0000001);
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
    EXPECT_EQ(kRoot, PathShown(dialog));
    BackKeyUp(dialog);
    EXPECT_EQ(L"\\", PathShown(dialog));
    EXPECT_EQ(IndexOf(dialog, L"DialogTests"), Selected(dialog));
    BackKeyUp(dialog);
    EXPECT_EQ(L"\\", PathShown(dialog)) << "the root has nothing above";
    Command(dialog, kCancelCommand);
  });
  EXPECT_FALSE(RunLoadFileDialog(*Request(L"qmsb")));
  EXPECT_EQ(1, answerer.Answered());
}

TEST_F(FileDialogTest, SaveAddsTheExtensionToTheTypedName) {
  Make({L"My Documents\\"});
  for (const wchar_t* typed : {L"report", L"report.qmsb", L"sub\\report"}) {
    StartIn(L"My Documents\\");
    ModalAnswerer answerer;
    answerer.Then([&](HWND dialog) {
      SetDlgItemTextW(dialog, kFileNameBoxId, typed);
      Command(dialog, kSelectCommand);
    });
    auto request = Request(L"qmsb", L"QM_Backup_1");
    ASSERT_TRUE(RunSaveFileDialog(*request)) << typed;
    EXPECT_EQ(At(L"My Documents\\") + typed + L".qmsb", request->resultPath.c_str());
  }
}

TEST_F(FileDialogTest, SaveRefusesEmptyAndIllegalNamesWithAStopMessage) {
  Make({L"Save\\"});
  StartIn(L"Save\\");
  std::vector<std::wstring> messages;
  HWND dialogWindow = nullptr;
  ModalAnswerer answerer;
  answerer.Then([&](HWND dialog) {
    dialogWindow = dialog;
    for (const wchar_t* typed : {L"c:report", L""}) {
      SetDlgItemTextW(dialog, kFileNameBoxId, typed);
      Command(dialog, kSelectCommand);  // the box is answered inside
      EXPECT_TRUE(IsWindow(dialog));
    }
    Command(dialog, kCancelCommand);
  });
  for (int box = 0; box < 2; ++box) {
    answerer.Then([&](HWND window) {
      EXPECT_EQ(dialogWindow, GetWindow(window, GW_OWNER));
      EXPECT_EQ(L"File Name Error", WindowText(window));
      auto icon = reinterpret_cast<HICON>(SendDlgItemMessageW(window, 0x440, STM_GETICON, 0, 0));
      EXPECT_EQ(LoadIconW(nullptr, IDI_HAND), icon) << "the stop icon";
      messages.push_back(MessageBoxText(window));
      PressButton(window, IDOK);
    });
  }
  auto request = Request(L"qmsb");
  EXPECT_FALSE(RunSaveFileDialog(*request));
  EXPECT_TRUE(request->resultPath.Empty());
  EXPECT_EQ((std::vector<std::wstring>{L"File name include illegal characters", L"File name value is missing"}),
            messages);
}

TEST_F(FileDialogTest, SaveShowsTheRequestAndItsSoftKeysAndLeavesTheListUpwards) {
  Make({L"Save\\a\\", L"Save\\b\\"});
  StartIn(L"Save\\");
  Modules().languageLibrary = GetModuleHandleW(nullptr);
  ModalAnswerer answerer;
  answerer.Then([&](HWND dialog) {
    EXPECT_EQ(L"Save File", WindowText(dialog)) << "the default for an empty title";
    EXPECT_EQ(L"QM_Backup_1", Text(dialog, kFileNameBoxId));
    EXPECT_EQ(L"Dateiname", Text(dialog, kFileNameLabelId));
    EXPECT_EQ(L"Backup files", Text(dialog, kExtensionBoxId));
    EXPECT_TRUE(GetWindowLongPtrW(GetDlgItem(dialog, kExtensionBoxId), GWL_STYLE) & ES_READONLY);

    HWND bar = SHFindMenuBar(dialog);
    const wchar_t* keyTexts[] = {L"Select", L"Abbrechen"};
    for (int index = 0; index < 2; ++index) {
      wchar_t text[64] = L"";
      TBBUTTONINFOW key{};
      key.cbSize = sizeof key;
      key.dwMask = TBIF_BYINDEX | TBIF_COMMAND | TBIF_TEXT;
      key.pszText = text;
      key.cchText = 64;
      SendMessageW(bar, TB_GETBUTTONINFOW, index, reinterpret_cast<LPARAM>(&key));
      EXPECT_STREQ(keyTexts[index], text);
      EXPECT_EQ(index + 1, key.idCommand);
    }

    // Up from the second entry moves in the list; up from the first goes to the name box.
    HWND list = ListOf(dialog);
    SetFocus(list);
    SelectEntry(dialog, 1);
    SendMessageW(list, WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ(list, GetFocus());
    EXPECT_EQ(0, Selected(dialog));
    SendMessageW(list, WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ(GetDlgItem(dialog, kFileNameBoxId), GetFocus());

    // A real tap on the Cancel soft key.
    HWND toolbar = FindWindowExW(bar, nullptr, TOOLBARCLASSNAMEW, nullptr);
    RECT key;
    SendMessageW(toolbar, TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&key));
    LPARAM point = MAKELPARAM((key.left + key.right) / 2, (key.top + key.bottom) / 2);
    SendMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(toolbar, WM_LBUTTONUP, 0, point);
  });
  EXPECT_FALSE(RunSaveFileDialog(*Request(L"qmsb", L"QM_Backup_1")));
  EXPECT_EQ(1, answerer.Answered());
}

TEST_F(FileDialogTest, SelectFolderListsFoldersOnlyAndChoosesTheCurrentOne) {
  Make({L"Pick\\beta\\inner\\", L"Pick\\Alpha\\", L"Pick\\file.txt", L"Pick\\gamma.qmsb", L"Pick\\Zulu\\"});
  StartIn(L"Pick\\");
  ModalAnswerer answerer;
  answerer.Then([&](HWND dialog) {
    EXPECT_EQ(L"Select Skin Path", WindowText(dialog));
    EXPECT_EQ((Names{L"Alpha", L"beta", L"Zulu"}), ListNames(dialog));
    Activate(dialog, L"beta");
    Command(dialog, kSelectCommand);
  });
  auto request = MakeFileDialogRequest(L"Select Skin Path", L"qmsb", L"", L"");
  ASSERT_TRUE(RunSelectFolderDialog(*request));
  EXPECT_EQ(At(L"Pick\\beta\\"), request->resultPath.c_str());
  EXPECT_EQ(At(L"Pick\\beta\\"), RememberedFolder());
}

struct Row {
  int id;
  RECT rect;  // right and bottom below 0 count from the client's right and bottom edges
};

void ExpectLayout(bool (*run)(FileDialogRequest&), std::initializer_list<Row> rows) {
  ModalAnswerer answerer;
  answerer.Then([&](HWND dialog) {
    RECT client, window, bar;
    GetClientRect(dialog, &client);
    for (const Row& row : rows) {
      RECT rect, expected = row.rect;
      if (expected.right < 0) expected.right += client.right;
      if (expected.bottom < 0) expected.bottom += client.bottom;
      GetWindowRect(GetDlgItem(dialog, row.id), &rect);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
      EXPECT_TRUE(EqualRect(&expected, &rect)) << "control " << row.id << " at " << rect.left << "," << rect.top
                                               << " " << rect.right << "," << rect.bottom;
    }
    RECT listClient;
    GetClientRect(ListOf(dialog), &listClient);
    EXPECT_EQ(listClient.right, ListView_GetColumnWidth(ListOf(dialog), 0));
    // Full screen above the soft keys.
    GetWindowRect(dialog, &window);
    GetWindowRect(SHFindMenuBar(dialog), &bar);
    RECT area = DeviceWorkArea();
    EXPECT_EQ(area.top, window.top);
    EXPECT_EQ(area.right, window.right);
    EXPECT_EQ(bar.top, window.bottom);
    Command(dialog, kCancelCommand);
  });
  run(*MakeFileDialogRequest(L"", L"qmsb", L"Backup files", L""));
  EXPECT_EQ(1, answerer.Answered());
}

TEST_F(FileDialogTest, LayoutAt96Dpi) {
  ExpectLayout(RunSaveFileDialog, {{kFileNameLabelId, {10, 13, 60, 33}},
                                   {kFileNameBoxId, {60, 10, -10, 30}},
                                   {kExtensionLabelId, {10, 37, 60, 57}},
                                   {kExtensionBoxId, {60, 34, -10, 54}},
                                   {kPathBoxId, {10, 58, -30, 78}},
                                   {kFileListId, {10, 82, -10, -10}}});
  ExpectLayout(RunLoadFileDialog, {{kExtensionBoxId, {60, 10, -10, 30}},
                                   {kPathBoxId, {10, 34, -30, 54}},
                                   {kFileListId, {10, 58, -10, -10}}});
  ExpectLayout(RunSelectFolderDialog, {{kPathBoxId, {10, 10, -30, 30}}, {kFileListId, {10, 34, -10, -10}}});
}

TEST_F(FileDialogTest, PaintsWhiteWithTheUpFolderPictureKeyedOnGreen) {
  Modules().resolutionLibrary = LoadLibraryExW(L"\\Program Files\\Tessaly\\Quillmere\\LowDpiRes.dll", nullptr,
                                             LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(nullptr, Modules().resolutionLibrary);
  int white = 0, green = 0;
  ModalAnswerer answerer;
  answerer.Then([&](HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(memory, surface);
    SendMessageW(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(memory, 3, 3));
    // Select Folder's button: 20 x 20 at the right end of the first row.
    for (int y = 10; y < 30; ++y) {
      for (int x = client.right - 30; x < client.right - 10; ++x) {
        white += GetPixel(memory, x, y) == RGB(255, 255, 255);
        green += GetPixel(memory, x, y) == RGB(0, 255, 0);
      }
    }
    SelectObject(memory, previous);
    DeleteObject(surface);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    Command(dialog, kCancelCommand);
  });
  RunSelectFolderDialog(*Request(L""));
  FreeLibrary(Modules().resolutionLibrary);
  EXPECT_GT(white, 0) << "the key colour lets the white through";
  EXPECT_LT(white, 300) << "the picture is drawn";
  EXPECT_EQ(0, green);
}

}  // namespace
