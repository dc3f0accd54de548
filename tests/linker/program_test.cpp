// QMLinker as a program and as the receiver of the protocol: one instance, a hidden window,
// its resource, and requests that do nothing because they are outside the dispatch table,
// short, or malformed; the device tools that make items and send requests.
#include <cstring>

#include "tests/linker/linker_fixture.h"
#include "tests/support/registry_probe.h"

namespace {

// Runs a device tool and returns its exit code and output.
DWORD RunTool(const wchar_t* exe, const std::wstring& arguments, std::wstring& output) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring file = std::wstring(folder) + L"linker-tool-output.txt";
  RunningProgram tool;
  DWORD code = 99;
  if (!tool.Start(exe, arguments.c_str(), file.c_str()) || !tool.WaitExit(kWait, &code)) return 99;
  output = ReadTextFile(file.c_str());
  return code;
}

TEST_F(LinkerTest, RunsOnceWithAHiddenWindowUntilItIsClosed) {
  ASSERT_TRUE(StartLinker());
  EXPECT_FALSE(IsWindowVisible(window_));
  EXPECT_EQ(L"", ControlText(window_));

  // A second start brings the first forward and ends at once.
  RunningProgram second;
  ASSERT_TRUE(second.Start(kLinkerExe, L"--anything"));
  DWORD code = 1;
  ASSERT_TRUE(second.WaitExit(kWait, &code));
  EXPECT_EQ(0u, code);
  EXPECT_EQ(1, CountWindows(L"QM_LINKER_CLASS"));
  EXPECT_TRUE(linker_.Running());

  // Aware of high-resolution screens: "CEUX" "HI_RES_AWARE", English (US), a 16-bit 1.
  HMODULE program = LoadLibraryExW(kLinkerExe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(program);
  HRSRC resource = FindResourceExW(program, L"CEUX", L"HI_RES_AWARE", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  ASSERT_TRUE(resource);
  EXPECT_EQ(2u, SizeofResource(program, resource));
  WORD value = 0;
  std::memcpy(&value, LockResource(LoadResource(program, resource)), sizeof value);
  EXPECT_EQ(1, value);
  FreeLibrary(program);

  // The questions of the English language library.
  for (UINT id : {40161u, 40162u, 40193u, 40194u}) EXPECT_FALSE(EnglishText(id).empty()) << id;

  // Destroyed from outside, it logs off and ends with code 0.
  PostMessageW(window_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(linker_.WaitExit(kWait, &code));
  EXPECT_EQ(0u, code);
  EXPECT_EQ(std::vector<std::string>{"IPOutlookApp.Logoff()"}, Journal());
}

TEST_F(LinkerTest, CombinationsOutsideTheTableDoNothing) {
  InstallPocketInformant(kFullPiTools);
  const CEOID task = AddTask(L"Water plants", At(2024, 3, 5));
  ASSERT_TRUE(StartLinker());
  const LinkerRequest outside[] = {
      Request(kOpenItem, kTargetPocketOutlook, kNote),       Request(kHandOverItem, kTargetPocketOutlook, kTask),
      Request(kHandOverItem, kTargetPocketOutlook, kAppointment), Request(kNewItem, kTargetPocketOutlook, kNote),
      Request(kEditItem, kTargetPocketOutlook, kNote),       Request(kEditItem, kTargetPocketInformant, kNote),
      Request(kHandOverItem, kTargetPocketInformant, kContact), Request(kHandOverItem, kTargetPocketInformant, kNote),
      Request(kOpenItem, 2, kTask),                          Request(4, kTargetPocketOutlook, kTask),
      Request(kOpenItem, kTargetPocketOutlook, 4),           Request(kOpenItem, kTargetPocketOutlook, -1),
  };
  for (LinkerRequest request : outside) {
    request.openOid = request.editOid = request.handOverOid = task;
    EXPECT_EQ(0, Send(request));
    Settle();
    EXPECT_TRUE(Journal().empty()) << request.command << "/" << request.target << "/" << request.kind;
  }
  // A WM_TIMER of any timer runs the last request once.
  PostMessageW(window_, WM_TIMER, 7, 0);
  Settle();
  EXPECT_TRUE(Journal().empty());
  EXPECT_TRUE(linker_.Running());
}

TEST_F(LinkerTest, ShortAndMalformedDataChangesNothing) {
  const CEOID task = AddTask(L"Water plants", At(2024, 3, 5));
  const CEOID other = AddTask(L"Feed cat", At(2024, 3, 6));
  ASSERT_TRUE(StartLinker());
  LinkerRequest open = Request(kOpenItem, kTargetPocketOutlook, kTask);
  open.openOid = task;
  EXPECT_EQ(0, Send(open));
  HWND viewer = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(viewer);
  EXPECT_TRUE(ShowsText(viewer, L"Water plants"));
  PostMessageW(viewer, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitWindowsGone(L"Dialog"));
  Settle();
  ClearJournal();

  // Too short, empty, or without data: ignored, no timer.
  LinkerRequest shorter = open;
  shorter.openOid = other;
  EXPECT_EQ(0, SendBytes(&shorter, sizeof shorter - 1));
  EXPECT_EQ(0, SendBytes(&shorter, 16));
  EXPECT_EQ(0, SendBytes(nullptr, 0));
  EXPECT_EQ(0, SendBytes(nullptr, sizeof shorter));
  Settle();
  EXPECT_TRUE(Journal().empty());

  // The stored request is still the last whole one: a timer message runs it again.
  PostMessageW(window_, WM_TIMER, 100, 0);
  viewer = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(viewer);
  EXPECT_TRUE(ShowsText(viewer, L"Water plants"));
  PostMessageW(viewer, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitWindowsGone(L"Dialog"));
  Settle();
  EXPECT_EQ((std::vector<std::string>{"IPOutlookApp.GetItemFromOid(" + std::to_string(task) + ")", "ITask.Display()"}),
            Journal());

  // Longer data is taken: its first 1632 bytes.
  std::vector<BYTE> longer(3000, 0xEE);
  std::memcpy(longer.data(), &shorter, sizeof shorter);
  ClearJournal();
  EXPECT_EQ(0, SendBytes(longer.data(), static_cast<DWORD>(longer.size())));
  viewer = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(viewer);
  EXPECT_TRUE(ShowsText(viewer, L"Feed cat"));
  PostMessageW(viewer, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitWindowsGone(L"Dialog"));
}

TEST_F(LinkerTest, TextFieldsAreReadToTheirLengthOnly) {
  ASSERT_TRUE(StartLinker());
  // No terminators anywhere: categories run into the second text, which runs into the
  // reserved field and the hand-over part.
  LinkerRequest request = Request(kNewItem, kTargetPocketOutlook, kContact);
  std::wmemset(request.categories, L'A', kRequestTextLength);
  std::wmemset(request.extraText, L'B', kRequestTextLength);
  request.reserved4 = 0x00430043;
  request.handOverOid = 0x00430043;
  EXPECT_EQ(0, Send(request));
  HWND editor = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(editor);
  EXPECT_EQ(L"<Unnamed>", ControlText(FirstChild(editor, L"Edit")));
  PostMessageW(editor, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitForJournalLine("IContact.Delete()"));
  const auto lines = Journal();
  EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), "IContact.put_Categories(\"" + std::string(256, 'A') + "\")"));
  EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), "IContact.put_Body(\"" + std::string(256, 'B') + "\")"));
  EXPECT_TRUE(Items(L"Contacts Database").empty());
}


TEST_F(LinkerTest, DeviceToolsMakeItemsAndSendRequests) {
  std::wstring output;
  ASSERT_EQ(0u, RunTool(kPimToolExe,
                        L"add appointment --subject Standup --start 2024-03-04T09:00 --end \"2024-03-04 09:15\" "
                        L"--reminderset 1 --reminderminutesbeforestart 5 --categories Work,Team --daily 3",
                        output));
  const std::wstring series = output.substr(0, output.find(L'\n'));
  ASSERT_EQ(0u, RunTool(kPimToolExe, L"add task --subject \"Buy milk\" --duedate 2024-03-05", output));
  const std::wstring task = output.substr(0, output.find(L'\n'));
  ASSERT_EQ(0u, RunTool(kPimToolExe, L"add contact --fileas \"Ann Lee\" --body Neighbour", output));
  ASSERT_EQ(0u, RunTool(kPimToolExe, L"list appointments", output));
  EXPECT_EQ(L"Oid\tSubject\tStart\tEnd\tIsRecurring\tReminderSet\tReminderMinutesBeforeStart\tCategories\n" + series +
                L"\tStandup\t2024-03-04 09:00\t2024-03-04 09:15\t1\t1\t5\tWork,Team\n",
            output);
  ASSERT_EQ(0u, RunTool(kPimToolExe, L"list contacts", output));
  EXPECT_NE(std::wstring::npos, output.find(L"\tAnn Lee\tNeighbour\t\n"));
  ASSERT_EQ(0u, RunTool(kPimToolExe, L"remove " + task, output));
  ASSERT_EQ(0u, RunTool(kPimToolExe, L"list tasks", output));
  EXPECT_EQ(L"Oid\tSubject\tStartDate\tDueDate\tReminderSet\tReminderTime\tCategories\n", output);
  EXPECT_EQ(1u, RunTool(kPimToolExe, L"remove " + task, output));

  // qmsend builds the request; the series made above has its third day.
  ASSERT_TRUE(StartLinker());
  ASSERT_EQ(0u, RunTool(L"C:\\DeviceTools\\qmsend.exe",
                        L"--command open --kind appointment --oid " + series + L" --date 2024-03-06T09:00", output));
  HWND box = WaitForLinkerWindow(L"#32770");
  ASSERT_TRUE(box);
  PostMessageW(box, WM_COMMAND, IDYES, 0);
  HWND viewer = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(viewer);
  EXPECT_TRUE(ShowsText(viewer, L"2024-03-06 09:00"));
  PostMessageW(viewer, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitWindowsGone(L"Dialog"));

  // A file's bytes as they are: too short, so nothing runs.
  const wchar_t* raw = L"C:\\short-request.bin";
  HANDLE file = CreateFileW(raw, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "\x00\x00\x00\x00\x01\x00\x00\x00", 8, &written, nullptr);
  CloseHandle(file);
  ClearJournal();
  EXPECT_EQ(0u, RunTool(L"C:\\DeviceTools\\qmsend.exe", std::wstring(L"--raw ") + raw, output));
  EXPECT_NE(std::wstring::npos, output.find(L"sent 8 bytes"));
  Settle();
  EXPECT_TRUE(Journal().empty());
  DeleteFileW(raw);

  PostMessageW(window_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(linker_.WaitExit(kWait));
  EXPECT_EQ(1u, RunTool(L"C:\\DeviceTools\\qmsend.exe", L"--command open", output));
  EXPECT_NE(std::wstring::npos, output.find(L"no window"));
}

}  // namespace
