// Requests carried out through Pocket Outlook: showing and editing items, the question
// before a recurring appointment, and new items with their placeholders.
#include <cstdio>
#include <cwchar>

#include "platform/pimstore.h"
#include "tests/linker/linker_fixture.h"
#include "tests/support/registry_probe.h"

namespace {

constexpr wchar_t kEnglish[] = L"C:\\Program Files\\Tessaly\\Quillmere\\LangRes\\QMEngRc.dll";

std::string Oid(CEOID oid) { return std::to_string(oid); }

std::wstring Text(const PimRecord& record, CEPROPID propid) {
  const PimProperty* property = record.Find(HIWORD(propid));
  return property ? property->text : std::wstring();
}

LONGLONG Number(const PimRecord& record, CEPROPID propid, LONGLONG fallback = -1) {
  const PimProperty* property = record.Find(HIWORD(propid));
  return property ? property->number : fallback;
}

std::string DateOf(const PimRecord& record, CEPROPID propid) {
  const PimProperty* property = record.Find(HIWORD(propid));
  if (!property) return "unset";
  const FILETIME fileTime{static_cast<DWORD>(property->number), static_cast<DWORD>(property->number >> 32)};
  SYSTEMTIME time{};
  FileTimeToSystemTime(&fileTime, &time);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour,
                time.wMinute);
  return text;
}

std::vector<std::string> First(std::vector<std::string> lines, size_t count) {
  lines.resize(std::min(count, lines.size()));
  return lines;
}

std::wstring Library(UINT id) {
  HMODULE library = LoadLibraryExW(kEnglish, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  wchar_t text[1024] = {};
  const int length = library ? LoadStringW(library, id, text, 1024) : 0;
  if (library) FreeLibrary(library);
  return std::wstring(text, length > 0 ? static_cast<size_t>(length) : 0);
}

class PocketOutlookTest : public LinkerTest {
 protected:
  // Closes the window with its OK (or another) button and waits for it to go.
  void Close(HWND window, int button = IDOK) {
    PostMessageW(window, WM_COMMAND, button, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }, kWait));
  }
  // Types into the editor's first field and closes it.
  void EditAndClose(HWND editor, const wchar_t* text, int button = IDOK) {
    HWND field = FirstChild(editor, L"Edit");
    ASSERT_TRUE(field);
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    Close(editor, button);
  }
};

TEST_F(PocketOutlookTest, ShowsAndEditsItems) {
  const CEOID appointment = AddAppointment(L"Dentist", At(2024, 3, 4, 9, 30), At(2024, 3, 4, 10, 0));
  const CEOID task = AddTask(L"Water plants", At(2024, 3, 5));
  const CEOID contact = AddContact(L"Ann Lee");
  ASSERT_TRUE(StartLinker());

  LinkerRequest request = Request(kOpenItem, kTargetPocketOutlook, kAppointment);
  request.openOid = appointment;
  request.openDate = At(2024, 3, 4, 9, 30);
  Send(request);
  HWND viewer = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(viewer);
  EXPECT_EQ(window_, GetParent(viewer));
  EXPECT_TRUE(ShowsText(viewer, L"Dentist"));
  EXPECT_TRUE(ShowsText(viewer, L"2024-03-04 09:30"));
  Close(viewer);
  Settle();
  // Not recurring: nothing is asked, whatever the language library says.
  EXPECT_EQ((std::vector<std::string>{"IPOutlookApp.GetItemFromOid(" + Oid(appointment) + ")",
                                      "IAppointment.get_IsRecurring()", "IAppointment.Display()"}),
            Journal());

  for (auto [kind, oid, shown, line] : {std::tuple{kTask, task, L"Water plants", "ITask.Display()"},
                                        std::tuple{kContact, contact, L"Ann Lee", "IContact.Display()"}}) {
    ClearJournal();
    request = Request(kOpenItem, kTargetPocketOutlook, kind);
    request.openOid = oid;
    Send(request);
    viewer = WaitForLinkerWindow(L"Dialog");
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(ShowsText(viewer, shown));
    Close(viewer);
    Settle();
    EXPECT_EQ((std::vector<std::string>{"IPOutlookApp.GetItemFromOid(" + Oid(oid) + ")", line}), Journal());
  }

  // Edited: OK keeps what was typed, Cancel nothing.
  ClearJournal();
  request = Request(kEditItem, kTargetPocketOutlook, kTask);
  request.editOid = task;
  Send(request);
  HWND editor = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(editor);
  HWND field = FirstChild(editor, L"Edit");
  EXPECT_EQ(L"Water plants", ControlText(field));
  // The editor opens with its subject selected; the stylus tap lands in the field and
  // leaves a caret instead.
  EXPECT_TRUE(WaitUntil(
      [&] {
        const LRESULT selection = SendMessageW(field, EM_GETSEL, 0, 0);
        return LOWORD(selection) == HIWORD(selection);
      },
      3000));
  EditAndClose(editor, L"Water the garden");
  Settle();
  EXPECT_EQ((std::vector<std::string>{"IPOutlookApp.GetItemFromOid(" + Oid(task) + ")", "IItem.Edit(hwnd)"}), Journal());
  PimRecord record;
  ASSERT_TRUE(FindItem(task, record));
  EXPECT_EQ(L"Water the garden", Text(record, PIMPR_SUBJECT));

  request = Request(kEditItem, kTargetPocketOutlook, kContact);
  request.editOid = contact;
  Send(request);
  editor = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(editor);
  EditAndClose(editor, L"Ann Smith", IDCANCEL);
  Settle();
  ASSERT_TRUE(FindItem(contact, record));
  EXPECT_EQ(L"Ann Lee", Text(record, PIMPR_FILEAS));

  // An item that is not there shows nothing and asks nothing.
  ClearJournal();
  request = Request(kOpenItem, kTargetPocketOutlook, kTask);
  request.openOid = 4242;
  Send(request);
  ASSERT_TRUE(WaitForJournalLine("IPOutlookApp.GetItemFromOid(4242)"));
  Settle();
  EXPECT_EQ(std::vector<std::string>{"IPOutlookApp.GetItemFromOid(4242)"}, Journal());
  EXPECT_TRUE(LinkerWindows(L"Dialog").empty());
}

TEST_F(PocketOutlookTest, AsksWhetherToUseTheOccurrenceOfASeries) {
  const CEOID series = AddAppointment(L"Standup", At(2024, 3, 4, 9, 0), At(2024, 3, 4, 9, 15), 3);
  ASSERT_TRUE(StartLinker());
  LinkerRequest request = Request(kOpenItem, kTargetPocketOutlook, kAppointment);
  request.openOid = series;
  request.openDate = At(2024, 3, 6, 9, 0);

  // Yes: the occurrence on the request's day.
  Send(request);
  HWND box = WaitForLinkerWindow(L"#32770");
  ASSERT_TRUE(box);
  EXPECT_EQ(Library(40161), MessageBoxText(box));
  EXPECT_EQ(Library(40162), ControlText(box));
  PostMessageW(box, WM_COMMAND, IDYES, 0);
  HWND viewer = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(viewer);
  EXPECT_TRUE(ShowsText(viewer, L"2024-03-06 09:00"));
  Close(viewer);
  Settle();
  EXPECT_EQ((std::vector<std::string>{"IPOutlookApp.GetItemFromOid(" + Oid(series) + ")",
                                      "IAppointment.get_IsRecurring()", "IAppointment.GetRecurrencePattern()",
                                      "IRecurrencePattern.GetOccurrence(2024-03-06 09:00:00)", "IAppointment.Display()"}),
            Journal());

  // No: the whole series. Cancel: nothing.
  ClearJournal();
  Send(request);
  PostMessageW(WaitForLinkerWindow(L"#32770"), WM_COMMAND, IDNO, 0);
  viewer = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(viewer);
  EXPECT_TRUE(ShowsText(viewer, L"2024-03-04 09:00"));
  Close(viewer);
  ClearJournal();
  Send(request);
  PostMessageW(WaitForLinkerWindow(L"#32770"), WM_COMMAND, IDCANCEL, 0);
  Settle();
  EXPECT_TRUE(LinkerWindows(L"Dialog").empty());
  EXPECT_EQ("IAppointment.get_IsRecurring()", Journal().back());

  // A day without an occurrence: the error, nothing shown.
  ClearJournal();
  request.openDate = At(2024, 3, 7, 9, 0);
  Send(request);
  PostMessageW(WaitForLinkerWindow(L"#32770"), WM_COMMAND, IDYES, 0);
  ASSERT_TRUE(WaitForJournalLine("IRecurrencePattern.GetOccurrence(2024-03-07 09:00:00)"));
  HWND error = WaitForLinkerWindow(L"#32770");
  ASSERT_TRUE(error);
  EXPECT_EQ(L"Problem finding occurrence", MessageBoxText(error));
  EXPECT_EQ(L"Error", ControlText(error));
  PostMessageW(error, WM_COMMAND, IDOK, 0);
  Settle();
  EXPECT_TRUE(LinkerWindows(L"Dialog").empty());

  // Editing asks its own question, and Yes edits the occurrence.
  ClearJournal();
  request = Request(kEditItem, kTargetPocketOutlook, kAppointment);
  request.editOid = series;
  request.editDate = At(2024, 3, 5);
  Send(request);
  box = WaitForLinkerWindow(L"#32770");
  ASSERT_TRUE(box);
  EXPECT_EQ(Library(40193), MessageBoxText(box));
  EXPECT_EQ(Library(40194), ControlText(box));
  PostMessageW(box, WM_COMMAND, IDYES, 0);
  HWND editor = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(editor);
  EXPECT_TRUE(ShowsText(editor, L"2024-03-05 09:00"));
  EditAndClose(editor, L"Standup", IDCANCEL);
  Settle();
  EXPECT_EQ("IItem.Edit(hwnd)", Journal().back());

  // Without any language library nothing is asked: the occurrence is shown at once.
  WriteString(HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere", L"SelectedLangResFile", L"\\Nowhere\\QMXxRc.dll");
  ASSERT_TRUE(MoveFileW(kEnglish, L"C:\\QMEngRc.dll.away"));
  ClearJournal();
  request = Request(kOpenItem, kTargetPocketOutlook, kAppointment);
  request.openOid = series;
  request.openDate = At(2024, 3, 5, 9, 0);
  Send(request);
  viewer = WaitForLinkerWindow(L"Dialog");
  MoveFileW(L"C:\\QMEngRc.dll.away", kEnglish);
  ASSERT_TRUE(viewer);
  EXPECT_TRUE(ShowsText(viewer, L"2024-03-05 09:00"));
  EXPECT_TRUE(LinkerWindows(L"#32770").empty());
  Close(viewer);
}

TEST_F(PocketOutlookTest, NewItemsCarryPlaceholdersAndGoWhenLeftUntouched) {
  ASSERT_TRUE(StartLinker());

  // An appointment with a reminder 15 minutes before it, named in the editor: kept.
  LinkerRequest request = Request(kNewItem, kTargetPocketOutlook, kAppointment);
  request.newStart = At(2024, 3, 4, 12, 0);
  request.newEnd = At(2024, 3, 4, 13, 0);
  request.newReminder = 15;
  std::wcscpy(request.categories, L"Business");
  Send(request);
  HWND editor = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(editor);
  EXPECT_EQ(window_, GetParent(editor));
  EXPECT_EQ(L"No subject", ControlText(FirstChild(editor, L"Edit")));
  EditAndClose(editor, L"Lunch with Ann");
  ASSERT_TRUE(WaitForJournalLine("IPOutlookApp.SysFreeString(\"Lunch with Ann\")"));
  auto appointments = Items(L"Appointments Database");
  ASSERT_EQ(1u, appointments.size());
  const std::string oid = std::to_string(appointments[0].oid);
  EXPECT_EQ((std::vector<std::string>{
                "IPOutlookApp.CreateItem(1)", "IAppointment.put_Start(2024-03-04 12:00:00)",
                "IAppointment.put_End(2024-03-04 13:00:00)", "IAppointment.put_Categories(\"Business\")",
                "IAppointment.put_ReminderSet(1)", "IAppointment.put_ReminderMinutesBeforeStart(15)",
                "IAppointment.put_Subject(\"No subject\")", "IAppointment.Save()", "IAppointment.get_Oid()",
                "IItem.Edit(hwnd)", "IAppointment.get_Subject()", "IPOutlookApp.SysFreeString(\"Lunch with Ann\")"}),
            Journal());
  EXPECT_EQ(L"Lunch with Ann", Text(appointments[0], PIMPR_SUBJECT));
  EXPECT_EQ("2024-03-04 12:00", DateOf(appointments[0], PIMPR_START));
  EXPECT_EQ(1, Number(appointments[0], PIMPR_REMINDER_SET));
  EXPECT_EQ(15, Number(appointments[0], PIMPR_REMINDER_MINUTES_BEFORE_START));
  EXPECT_EQ(L"Business", Text(appointments[0], PIMPR_CATEGORIES));

  // Without a reminder, closed with the placeholder in place: deleted again.
  ClearJournal();
  request.newReminder = kNoReminder;
  request.categories[0] = 0;
  Send(request);
  editor = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(editor);
  Close(editor);
  ASSERT_TRUE(WaitForJournalLine("IAppointment.Delete()"));
  const auto lines = Journal();
  EXPECT_EQ("IAppointment.put_ReminderSet(0)", lines[3]);
  EXPECT_EQ("IAppointment.put_Subject(\"No subject\")", lines[4]);
  EXPECT_EQ(1u, Items(L"Appointments Database").size());

  // A subject that differs from the placeholder only in case is the user's.
  ClearJournal();
  Send(request);
  editor = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(editor);
  EditAndClose(editor, L"no SUBJECT");
  ASSERT_TRUE(WaitForJournalLine("IPOutlookApp.SysFreeString(\"no SUBJECT\")"));
  Settle();
  EXPECT_EQ(2u, Items(L"Appointments Database").size());

  // A task: dates at midnight, the reminder 480 minutes into the due day.
  ClearJournal();
  request = Request(kNewItem, kTargetPocketOutlook, kTask);
  request.newStart = At(2024, 3, 4, 14, 30);
  request.newEnd = At(2024, 3, 6, 14, 30);
  request.newReminder = 480;
  Send(request);
  editor = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(editor);
  EditAndClose(editor, L"Buy milk");
  ASSERT_TRUE(WaitForJournalLine("IPOutlookApp.SysFreeString(\"Buy milk\")"));
  EXPECT_EQ((std::vector<std::string>{"IPOutlookApp.CreateItem(3)", "ITask.put_StartDate(2024-03-04 00:00:00)",
                                      "ITask.put_ReminderSet(1)", "ITask.put_ReminderTime(2024-03-06 08:00:00)",
                                      "ITask.put_DueDate(2024-03-06 00:00:00)", "ITask.put_Subject(\"No subject\")"}),
            First(Journal(), 6));
  auto tasks = Items(L"Tasks Database");
  ASSERT_EQ(1u, tasks.size());
  EXPECT_EQ("2024-03-04 00:00", DateOf(tasks[0], PIMPR_START_DATE));
  EXPECT_EQ("2024-03-06 00:00", DateOf(tasks[0], PIMPR_DUE_DATE));
  EXPECT_EQ("2024-03-06 08:00", DateOf(tasks[0], PIMPR_REMINDER_TIME));

  // No start date (949998) and no reminder: neither is written; the due date always is.
  ClearJournal();
  request.newStart = kNoReminder;
  request.newReminder = kNoReminder;
  Send(request);
  editor = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(editor);
  Close(editor, IDCANCEL);
  ASSERT_TRUE(WaitForJournalLine("ITask.Delete()"));
  EXPECT_EQ((std::vector<std::string>{"IPOutlookApp.CreateItem(3)", "ITask.put_ReminderSet(0)",
                                      "ITask.put_DueDate(2024-03-06 00:00:00)", "ITask.put_Subject(\"No subject\")"}),
            First(Journal(), 4));
  EXPECT_EQ(1u, Items(L"Tasks Database").size());

  // A contact: categories, the second text, and the placeholder name that the editor shows.
  ClearJournal();
  request = Request(kNewItem, kTargetPocketOutlook, kContact);
  std::wcscpy(request.categories, L"Family");
  std::wcscpy(request.extraText, L"Met at the fair");
  Send(request);
  editor = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(editor);
  EditAndClose(editor, L"Bo Berg");
  ASSERT_TRUE(WaitForJournalLine("IPOutlookApp.SysFreeString(\"Bo Berg\")"));
  EXPECT_EQ((std::vector<std::string>{"IPOutlookApp.CreateItem(2)", "IContact.put_Categories(\"Family\")",
                                      "IContact.put_Body(\"Met at the fair\")", "IContact.put_FileAs(\"<Unnamed>\")",
                                      "IContact.Save()", "IContact.get_Oid()", "IItem.Edit(hwnd)",
                                      "IContact.get_FileAs()", "IPOutlookApp.SysFreeString(\"Bo Berg\")"}),
            Journal());
  auto contacts = Items(L"Contacts Database");
  ASSERT_EQ(1u, contacts.size());
  EXPECT_EQ(L"Met at the fair", Text(contacts[0], PIMPR_BODY_TEXT));
}

TEST_F(PocketOutlookTest, RequestsDuringAnOpenEditorRunNestedAndTheLastWins) {
  const CEOID task = AddTask(L"Water plants", At(2024, 3, 5));
  const CEOID contact = AddContact(L"Ann Lee");
  ASSERT_TRUE(StartLinker());
  LinkerRequest request = Request(kEditItem, kTargetPocketOutlook, kTask);
  request.editOid = task;
  Send(request);
  HWND first = WaitForLinkerWindow(L"Dialog");
  ASSERT_TRUE(first);

  // A burst of whole requests and short ones while the editor is open: the last whole one
  // runs, nested, and opens its editor over the first.
  for (CEOID missing = 9000; missing < 9005; ++missing) {
    LinkerRequest lookup = Request(kOpenItem, kTargetPocketOutlook, kTask);
    lookup.openOid = missing;
    EXPECT_EQ(0, Send(lookup));
    EXPECT_EQ(0, SendBytes(&lookup, 100));
  }
  request = Request(kEditItem, kTargetPocketOutlook, kContact);
  request.editOid = contact;
  EXPECT_EQ(0, Send(request));
  HWND second = WaitForLinkerWindow(L"Dialog", 2);
  ASSERT_TRUE(second);
  EXPECT_NE(first, second);
  EXPECT_EQ(L"Ann Lee", ControlText(FirstChild(second, L"Edit")));
  EditAndClose(second, L"Ann Berg");
  EditAndClose(first, L"Water the garden");
  Settle();
  EXPECT_TRUE(linker_.Running());
  PimRecord record;
  ASSERT_TRUE(FindItem(contact, record));
  EXPECT_EQ(L"Ann Berg", Text(record, PIMPR_FILEAS));
  ASSERT_TRUE(FindItem(task, record));
  EXPECT_EQ(L"Water the garden", Text(record, PIMPR_SUBJECT));
  // Requests that a busy device lets through between the sends may have run too: they
  // find nothing. The last one is always run, and nothing else was edited.
  const auto lines = Journal();
  EXPECT_EQ(2, std::count(lines.begin(), lines.end(), "IItem.Edit(hwnd)"));
  EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), "IPOutlookApp.GetItemFromOid(" + Oid(contact) + ")"));

  // Closed from outside while an editor is open: the editor goes, then Pocket Outlook.
  Send(request);
  ASSERT_TRUE(WaitForLinkerWindow(L"Dialog"));
  PostMessageW(window_, WM_CLOSE, 0, 0);
  DWORD code = 1;
  ASSERT_TRUE(linker_.WaitExit(kWait, &code));
  EXPECT_EQ(0u, code);
  EXPECT_EQ("IPOutlookApp.Logoff()", Journal().back());
}

}  // namespace
