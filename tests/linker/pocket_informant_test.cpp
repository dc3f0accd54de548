// Requests carried out through Pocket Informant's tools library, the device's stand-in
// answering as the registry tells it: the calls and their arguments, the success rules,
// items created for it, hand-over with PowerMacro, and notes opened by the shell instead.
#include <cwchar>

#include "platform/pimstore.h"
#include "tests/linker/linker_fixture.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

using Lines = std::vector<std::string>;

std::string Oid(CEOID oid) { return std::to_string(oid); }

class PocketInformantTest : public LinkerTest {
 protected:
  // Sends the request and returns the journal once `last` is in it.
  Lines Run(const LinkerRequest& request, const std::string& last) {
    ClearJournal();
    Send(request);
    EXPECT_TRUE(WaitForJournalLine(last)) << last;
    Settle();
    return Journal();
  }
};

TEST_F(PocketInformantTest, OpensAndEditsWithTheExportsOfEachKind) {
  InstallPocketInformant(kFullPiTools, 799);
  ASSERT_TRUE(StartLinker());
  const Lines init{"PITools.InitPITools(0)"};
  auto calls = [&](const std::string& call) { return Lines{"PITools.InitPITools(0)", call, "PITools.UnInitPITools()"}; };

  LinkerRequest request = Request(kOpenItem, kTargetPocketInformant, kAppointment);
  request.openOid = 70001;
  request.openDate = At(2024, 3, 4, 9, 30);
  EXPECT_EQ(calls("PITools.D_Appt(70001, 2024-03-04 09:30:00, 0, 1, 0)"), Run(request, "PITools.UnInitPITools()"));
  request.piViewFlag = 1;
  EXPECT_EQ(calls("PITools.D_Appt(70001, 2024-03-04 09:30:00, 4, 0, 0)"), Run(request, "PITools.UnInitPITools()"));

  // Tasks in the alternative view: mode 3 before version 800, 4 from it.
  request.kind = kTask;
  EXPECT_EQ(calls("PITools.D_Task(70001, 3, 0, 0)"), Run(request, "PITools.UnInitPITools()"));
  InstallPocketInformant(kFullPiTools, 800);
  EXPECT_EQ(calls("PITools.D_Task(70001, 4, 0, 0)"), Run(request, "PITools.UnInitPITools()"));
  request.piViewFlag = 0;
  EXPECT_EQ(calls("PITools.D_Task(70001, 0, 1, 0)"), Run(request, "PITools.UnInitPITools()"));
  request.kind = kContact;
  EXPECT_EQ(calls("PITools.DisplayContactWindowExtern(70001, 0, 0)"), Run(request, "PITools.UnInitPITools()"));
  request.kind = kNote;
  std::wcscpy(request.notePath, L"\\My Documents\\Notes\\Shopping.pwi");
  EXPECT_EQ(calls("PITools.D_Note(\"\\\\My Documents\\\\Notes\\\\Shopping.pwi\")"),
            Run(request, "PITools.UnInitPITools()"));

  request = Request(kEditItem, kTargetPocketInformant, kAppointment);
  request.editOid = 70002;
  request.editDate = At(2024, 3, 5, 18, 0);
  EXPECT_EQ(calls("PITools.D_Appt(70002, 2024-03-05 18:00:00, 0, 0, 0)"), Run(request, "PITools.UnInitPITools()"));
  request.kind = kTask;
  EXPECT_EQ(calls("PITools.D_Task(70002, 0, 0, 0)"), Run(request, "PITools.UnInitPITools()"));
  request.kind = kContact;
  EXPECT_EQ(calls("PITools.D_Contact(70002, 0, 0, 0)"), Run(request, "PITools.UnInitPITools()"));
  EXPECT_EQ(calls("PITools.CreateAlarmNoteExtern(hwnd)"),
            Run(Request(kNewItem, kTargetPocketInformant, kNote), "PITools.UnInitPITools()"));

  // Without Pocket Informant nothing is called.
  InstallPocketInformant(nullptr);
  ClearJournal();
  Send(request);
  Settle();
  EXPECT_TRUE(Journal().empty());
}

TEST_F(PocketInformantTest, NewItemsAreCreatedThenEditedThereAndDeletedWhenThatFails) {
  InstallPocketInformant(kFullPiTools);
  ASSERT_TRUE(StartLinker());
  LinkerRequest request = Request(kNewItem, kTargetPocketInformant, kContact);
  std::wcscpy(request.extraText, L"From the fair");
  Lines lines = Run(request, "PITools.UnInitPITools()");
  auto contacts = Items(L"Contacts Database");
  ASSERT_EQ(1u, contacts.size());
  const std::string oid = Oid(contacts[0].oid);
  EXPECT_EQ((Lines{"IPOutlookApp.CreateItem(2)", "IContact.put_Body(\"From the fair\")",
                   "IContact.put_FileAs(\"<Unnamed>\")", "IContact.Save()", "IContact.get_Oid()",
                   "PITools.InitPITools(0)", "PITools.D_Contact(" + oid + ", 0, 0, 0)", "PITools.UnInitPITools()"}),
            lines);

  // Pocket Informant's editor failing: the new appointment goes again. No subject
  // placeholder is written for Pocket Informant.
  SetPiAnswer(L"D_Appt", 1);
  request = Request(kNewItem, kTargetPocketInformant, kAppointment);
  request.newStart = At(2024, 3, 8, 10, 0);
  request.newEnd = At(2024, 3, 8, 11, 0);
  lines = Run(request, "IAppointment.Delete()");
  EXPECT_EQ(lines.end(), std::find(lines.begin(), lines.end(), "IAppointment.put_Subject(\"No subject\")"));
  EXPECT_NE(lines.end(), std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
              return line.rfind("PITools.D_Appt(", 0) == 0 && line.find(", 2024-03-08 10:00:00, 0, 0, 0)") != std::string::npos;
            }));
  EXPECT_TRUE(Items(L"Appointments Database").empty());

  // No Pocket Informant at all: the new task is created and deleted again.
  InstallPocketInformant(nullptr);
  request = Request(kNewItem, kTargetPocketInformant, kTask);
  request.newStart = At(2024, 3, 8, 14, 30);
  request.newEnd = At(2024, 3, 9, 14, 30);
  lines = Run(request, "ITask.Delete()");
  EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), "ITask.put_DueDate(2024-03-09 00:00:00)"));
  EXPECT_TRUE(Items(L"Tasks Database").empty());
}

TEST_F(PocketInformantTest, HandOverRunsPowerMacroAndDeletesWhatPocketInformantRefuses) {
  const CEOID task = AddTask(L"Call Bob", At(2024, 3, 5));
  const CEOID appointment = AddAppointment(L"Gym", At(2024, 3, 4, 18, 0), At(2024, 3, 4, 19, 0));
  InstallPocketInformant(kFullPiTools);
  SetPowerMacroText(L"Call Bob @home");
  SetPiAnswer(L"D_Task", 1);
  ASSERT_TRUE(StartLinker());

  LinkerRequest request = Request(kHandOverItem, kTargetPocketInformant, kTask);
  request.handOverOid = task;
  EXPECT_EQ((Lines{"IPOutlookApp.GetItemFromOid(" + Oid(task) + ")", "ITask.get_Subject()",
                   "IPOutlookApp.SysFreeString(\"Call Bob\")", "PITools.InitPITools(0)",
                   "PITools.?PowerMacro@@YAPAGPBGPAJPAUHWND__@@@Z(\"Call Bob\", 0, 0)",
                   "ITask.put_Subject(\"Call Bob @home\")", "ITask.Save()", "PITools.D_Task(" + Oid(task) + ", 0, 0, 0)",
                   "IPOutlookApp.GetItemFromOid(" + Oid(task) + ")", "ITask.Delete()", "PITools.UnInitPITools()"}),
            Run(request, "PITools.UnInitPITools()"));
  PimRecord record;
  EXPECT_FALSE(FindItem(task, record));

  // PowerMacro giving no text leaves the subject; D_Appt's 0 keeps the appointment.
  WriteDword(HKEY_CURRENT_USER, L"Software\\DeviceTools\\PITools", L"PowerMacro", 0);
  request = Request(kHandOverItem, kTargetPocketInformant, kAppointment);
  request.handOverOid = appointment;
  request.handOverDate = At(2024, 3, 4, 18, 0);
  EXPECT_EQ((Lines{"IPOutlookApp.GetItemFromOid(" + Oid(appointment) + ")", "IAppointment.get_Subject()",
                   "IPOutlookApp.SysFreeString(\"Gym\")", "PITools.InitPITools(0)",
                   "PITools.?PowerMacro@@YAPAGPBGPAJPAUHWND__@@@Z(\"Gym\", 0, 0)",
                   "PITools.D_Appt(" + Oid(appointment) + ", 2024-03-04 18:00:00, 0, 0, 0)", "PITools.UnInitPITools()"}),
            Run(request, "PITools.UnInitPITools()"));
  ASSERT_TRUE(FindItem(appointment, record));
  EXPECT_EQ(L"Gym", record.Find(HIWORD(PIMPR_SUBJECT))->text);

  // Without Pocket Informant the item stays as it was.
  InstallPocketInformant(nullptr);
  EXPECT_EQ((Lines{"IPOutlookApp.GetItemFromOid(" + Oid(appointment) + ")", "IAppointment.get_Subject()",
                   "IPOutlookApp.SysFreeString(\"Gym\")"}),
            Run(request, "IPOutlookApp.SysFreeString(\"Gym\")"));
  EXPECT_TRUE(FindItem(appointment, record));
}

TEST_F(PocketInformantTest, NotesOpenThroughTheShellWithoutD_Note) {
  // The device's shell opens ".qmnote" files with "OpenDoc" by copying them aside.
  WriteString(HKEY_CLASSES_ROOT, L".qmnote", nullptr, L"qmnotefile");
  WriteString(HKEY_CLASSES_ROOT, L"qmnotefile\\shell\\OpenDoc\\command", nullptr,
              L"C:\\windows\\system32\\cmd.exe /c copy \"%1\" C:\\opened-note.txt");
  HANDLE note = CreateFileW(L"C:\\Shopping.qmnote", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, note);
  DWORD written = 0;
  WriteFile(note, "milk", 4, &written, nullptr);
  CloseHandle(note);

  InstallPocketInformant(kLitePiTools);
  ASSERT_TRUE(StartLinker());
  LinkerRequest request = Request(kOpenItem, kTargetPocketInformant, kNote);
  std::wcscpy(request.notePath, L"C:\\Shopping.qmnote");
  for (const wchar_t* library : {kLitePiTools, static_cast<const wchar_t*>(nullptr)}) {
    InstallPocketInformant(library);
    DeleteFileW(L"C:\\opened-note.txt");
    ClearJournal();
    Send(request);
    EXPECT_TRUE(WaitUntil([] { return GetFileAttributesW(L"C:\\opened-note.txt") != INVALID_FILE_ATTRIBUTES; }, kWait));
    Settle();
    EXPECT_EQ(library ? (Lines{"PITools.InitPITools(0)", "PITools.UnInitPITools()"}) : Lines{}, Journal());
  }
  DeleteKeyTree(HKEY_CLASSES_ROOT, L"qmnotefile");
  DeleteKeyTree(HKEY_CLASSES_ROOT, L".qmnote");
  DeleteFileW(L"C:\\Shopping.qmnote");
  DeleteFileW(L"C:\\opened-note.txt");
}

}  // namespace
