// Export and Import from the menu of QMSettings.exe, and the categories and filters written on
// Done, driven from outside: the files, the registry and the broadcast are what count.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "settings/controls/file_browser_dialog.h"
#include "tests/e2e/main_window_driver.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"
#include "tests/support/test_files.h"

namespace {

constexpr wchar_t kProduct[] = L"Software\\Tessaly\\Quillmere";
constexpr wchar_t kCategories[] = L"Software\\Tessaly\\Quillmere\\Categories";
constexpr wchar_t kFiltersFile[] = L"C:\\Program Files\\Tessaly\\Quillmere\\QMFilters.txt";
constexpr wchar_t kBackup[] = L"C:\\e2e-backup.qmsb";
constexpr wchar_t kBroken[] = L"C:\\e2e-broken.qmsb";
constexpr DWORD kWait = 20000;

void PutFile(const wchar_t* path, const std::wstring& text) {
  WriteBytes(path, std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)));
}

std::wstring AsText(const std::string& bytes) {
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
}

// The filters file as the program writes it, filter 3 edited.
std::wstring FiltersFile(const wchar_t* thirdSensitivity) {
  std::wstring text;
  for (int block = 0; block < 32; ++block) {
    const bool edited = block == 2;
    text += L"[FILTER" + std::to_wstring(block) + L"]\r\n\"Title\"=\"" +
            (edited ? std::wstring(L"Ärzte & Путешествия") : L"Filter " + std::to_wstring(block + 1)) +
            L"\"\r\n\"Sensitivity\"=dword:" + (edited ? thirdSensitivity : L"0") + L"\r\n\"Visible\"=dword:" +
            (edited ? L"0" : L"1") + L"\r\n\"Uncategorized\"=dword:" + (edited ? L"1" : L"0") + L"\r\n";
  }
  return text;
}

class BackupProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    ASSERT_EQ(0, CountWindows(L"QM_OPTIONS"));
    DeleteFileW(kBackup);
    DeleteFileW(kBroken);
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    watchOutput_ = std::wstring(folder) + L"qmwatch-backup.txt";
  }
  void TearDown() override {
    DeleteFileW(kBackup);
    DeleteFileW(kBroken);
    DeleteFileW(kFiltersFile);
  }

  HWND Start(RunningProgram& program) {
    if (!program.Start(kSettingsExe, L"")) return nullptr;
    return WaitForWindow(program.Id(), L"QM_OPTIONS", nullptr, kWait);
  }

  // Export or Import from the menu view (opened first unless it is showing): the file dialog.
  static HWND OpenFromMenu(RunningProgram& program, HWND window, int row, const wchar_t* title, bool menuShown) {
    if (!menuShown) TapBar(window, 4);
    if (!WaitIdle(window)) return nullptr;
    TapRow(window, row);
    return WaitForWindow(program.Id(), L"#32770", title, kWait);
  }

  // The message box that follows a dialog: its text, answered with OK.
  static std::wstring AnswerMessage(RunningProgram& program, HWND dialog) {
    EXPECT_TRUE(WaitUntil([dialog] { return !IsWindow(dialog); }, kWait));
    HWND box = WaitForWindow(program.Id(), L"#32770", nullptr, kWait);
    if (!box) return L"(no message)";
    std::wstring text = MessageBoxText(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([box] { return !IsWindow(box); }, kWait));
    return text;
  }

  static void ImportFile(RunningProgram& program, HWND window, const wchar_t* name, bool menuShown,
                         std::wstring& message) {
    HWND dialog = OpenFromMenu(program, window, 1, L"Import QM Settings", menuShown);
    ASSERT_NE(nullptr, dialog);
    HWND list = GetDlgItem(dialog, kFileListId);
    const int index = FindListItem(list, name);
    ASSERT_NE(-1, index) << "the load dialog lists " << name;
    TapListItem(list, index);
    PostMessageW(dialog, WM_COMMAND, kSelectCommand, 0);
    message = AnswerMessage(program, dialog);
  }

  int Broadcasts(RunningProgram& watch) {
    if (HWND listener = FindWindowW(L"QMWatch", nullptr)) PostMessageW(listener, WM_CLOSE, 0, 0);
    watch.WaitExit(kWait);
    const std::wstring output = ReadTextFile(watchOutput_.c_str());
    int count = 0;
    for (std::size_t at = output.find(L"TessalyQuillmereSettingsChanged"); at != std::wstring::npos;
         at = output.find(L"TessalyQuillmereSettingsChanged", at + 1))
      ++count;
    return count;
  }

  std::wstring watchOutput_;
};

// Export from the menu, then import into a wiped device: a broken file first, which changes
// nothing, then the export, which brings back every value, category colour and membership and
// filter definition, tells the plug-in once and closes the program.
TEST_F(BackupProgram, ExportThenImportIntoAWipedDeviceRestoresEverything) {
  WriteDword(HKEY_CURRENT_USER, kProduct, L"OnClick", 2);
  WriteString(HKEY_CURRENT_USER, kProduct, L"SkinPath", L"\\Skins\\\"Blue\"");
  WriteDword(HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\Calendar", L"dNumOfDays", 0xFFFFFFFF);
  WriteString(HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\Contacts\\Alphabets", L"Greek", L"ΑΒΓ");
  WriteDword(HKEY_CURRENT_USER, kCategories, L"CatColor.Business", 0x0000FF);
  WriteDword(HKEY_CURRENT_USER, kCategories, L"CatFilter.Business", 0x80000004);
  WriteDword(HKEY_CURRENT_USER, kCategories, L"CatColor.Путешествия", 0x00FF00);
  PutFile(kFiltersFile, FiltersFile(L"2"));

  {
    RunningProgram program;
    HWND window = Start(program);
    ASSERT_NE(nullptr, window);
    HWND dialog = OpenFromMenu(program, window, 0, L"Export QM Settings", false);
    ASSERT_NE(nullptr, dialog);
    wchar_t proposed[64] = L"";
    GetDlgItemTextW(dialog, kFileNameBoxId, proposed, 64);
    wchar_t today[16] = L"";
    GetDateFormatW(LOCALE_USER_DEFAULT, 0, nullptr, L"yyyy'_'MM'_'dd", today, 16);
    EXPECT_EQ(L"QM_Backup_" + std::wstring(today), proposed);
    SetDlgItemTextW(dialog, kFileNameBoxId, L"e2e-backup");
    PostMessageW(dialog, WM_COMMAND, kSelectCommand, 0);
    EXPECT_EQ(EnglishText(607) + L" \"\\e2e-backup.qmsb\"", AnswerMessage(program, dialog));
    TapRow(window, 2);  // Exit, without saving
    HWND question = WaitForWindow(program.Id(), L"#32770", nullptr, kWait);
    ASSERT_NE(nullptr, question);
    PostMessageW(question, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(program.WaitExit(kWait));
  }

  const std::string bytes = ReadBytes(kBackup);
  const std::wstring text = AsText(bytes);
  ASSERT_EQ(0u, text.find(L"\n[Software\\Tessaly\\Quillmere]\n")) << "no byte-order mark, an empty first line";
  EXPECT_EQ(std::wstring::npos, text.find(L'\r'));
  EXPECT_NE(std::wstring::npos, text.find(L"\n\"SkinPath\"=\"\\Skins\\\"Blue\"\"\n"));
  EXPECT_NE(std::wstring::npos, text.find(L"\n[Software\\Tessaly\\Quillmere\\Calendar]\n\"dNumOfDays\"=dword:-1\n"));
  EXPECT_NE(std::wstring::npos, text.find(L"\n\"Category\"=\"Business\"\n\"FiltersFlag\"=dword:-2147483644\n"
                                          L"\"Color\"=dword:255\n"));
  EXPECT_NE(std::wstring::npos, text.find(L"\n\"FilterName\"=\"Ärzte & Путешествия\"\n\"Index\"=dword:3\n"
                                          L"\"VisibleState\"=dword:0\n\"IncludeUncategorized\"=dword:1\n"));
  EXPECT_LT(text.find(L"\n[::Categories::]\n"), text.find(L"\n[::Filters::]\n"));
  EXPECT_TRUE(text.ends_with(L"\n\"IncludeUncategorized\"=dword:0\n"));

  const std::wstring registry = DumpRegistryTree(HKEY_CURRENT_USER, kProduct);
  ResetProductRegistry();
  DeleteFileW(kFiltersFile);
  std::wstring broken = text;
  broken.insert(broken.find(L"\n[::Categories::]"), L"\n[Software\\Tessaly\\Quillmere\\" + std::wstring(300, L'x') + L"]\n");
  PutFile(kBroken, broken);

  RunningProgram watch;
  ASSERT_TRUE(watch.Start(kQmWatchExe, L"--timeout 60", watchOutput_.c_str()));
  ASSERT_TRUE(WaitForLine(watchOutput_.c_str(), L"listening", kWait));
  RunningProgram program;
  HWND window = Start(program);
  ASSERT_NE(nullptr, window);
  const std::wstring wiped = DumpRegistryTree(HKEY_CURRENT_USER, kProduct);
  std::wstring message;
  ImportFile(program, window, L"e2e-broken.qmsb", false, message);
  EXPECT_EQ(EnglishText(609), message);
  EXPECT_TRUE(program.Running());
  EXPECT_EQ(wiped, DumpRegistryTree(HKEY_CURRENT_USER, kProduct));

  ImportFile(program, window, L"e2e-backup.qmsb", true, message);
  EXPECT_EQ(EnglishText(611), message);
  ASSERT_TRUE(program.WaitExit(kWait));
  EXPECT_EQ(1, Broadcasts(watch));
  EXPECT_EQ(registry, DumpRegistryTree(HKEY_CURRENT_USER, kProduct));
  // A filter's sensitivity is no part of a backup: the wiped device keeps its own.
  EXPECT_EQ(FiltersFile(L"0"), AsText(ReadBytes(kFiltersFile)));
}

// Done writes each device category's colour and membership (deleting what is unset) and the
// filters file, before the plug-in is told.
TEST_F(BackupProgram, DoneWritesTheCategoryValuesAndTheFiltersFile) {
  WriteDword(HKEY_CURRENT_USER, kCategories, L"CatColor.Business", 0x00FF00);
  WriteDword(HKEY_CURRENT_USER, kCategories, L"CatFilter.Gifts", 0);
  WriteDword(HKEY_CURRENT_USER, kCategories, L"CatColor.Family", 0xFFFFFFFF);
  WriteDword(HKEY_CURRENT_USER, kCategories, L"CatColor.Not a device category", 7);
  DeleteFileW(kFiltersFile);
  RunningProgram program;
  HWND window = Start(program);
  ASSERT_NE(nullptr, window);
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(program.WaitExit(kWait));

  EXPECT_EQ(0x00FF00u, ReadDword(HKEY_CURRENT_USER, kCategories, L"CatColor.Business"));
  EXPECT_FALSE(ReadDword(HKEY_CURRENT_USER, kCategories, L"CatFilter.Gifts"));
  EXPECT_FALSE(ReadDword(HKEY_CURRENT_USER, kCategories, L"CatColor.Family"));
  EXPECT_EQ(7u, ReadDword(HKEY_CURRENT_USER, kCategories, L"CatColor.Not a device category"));
  std::wstring expected;
  for (int block = 0; block < 32; ++block)
    expected += L"[FILTER" + std::to_wstring(block) + L"]\r\n\"Title\"=\"Filter " + std::to_wstring(block + 1) +
                L"\"\r\n\"Sensitivity\"=dword:0\r\n\"Visible\"=dword:1\r\n\"Uncategorized\"=dword:0\r\n";
  EXPECT_EQ(expected, AsText(ReadBytes(kFiltersFile)));
}

}  // namespace
