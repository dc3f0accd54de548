// The PIM page in the test process: the programs offered follow what is installed, the
// maker's calendar is refused while it is missing, the rows follow the chosen program, and
// the reminder boxes show the device's clock and write back what they select.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/pages/pim_page.h"
#include "settings/store/settings_store.h"
#include "tests/support/device_clock.h"
#include "tests/support/dialog_answers.h"
#include "tests/support/page_host.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr int kPimCommand = 9;
constexpr int kProgramBox = 1201, kAppointmentBox = 1203, kTaskBox = 1205;
constexpr int kLeaveRunning = 1208;

class PimPageTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProductRegistry(); }
  void TearDown() override {
    host_.reset();
    ResetProductRegistry();
  }

  // A fresh host reads the registry as the program does at start-up.
  PageHost& Open() {
    host_.reset();
    host_ = std::make_unique<PageHost>();
    EXPECT_NE(nullptr, host_->Open(kPimCommand));
    return *host_;
  }
  std::vector<DWORD> Data(int box) const {
    std::vector<DWORD> data;
    for (int index = 0; index < host_->ItemCount(box); ++index)
      data.push_back(static_cast<DWORD>(SendMessageW(host_->Control(box), CB_GETITEMDATA, index, 0)));
    return data;
  }
  DWORD SelectedData(int box) const {
    return static_cast<DWORD>(SendMessageW(host_->Control(box), CB_GETITEMDATA, host_->Selection(box), 0));
  }
  // As a pick from the open list ends.
  void PickProgram(int index) {
    SendMessageW(host_->Control(kProgramBox), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(host_->Window(), WM_COMMAND, MAKEWPARAM(kProgramBox, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(host_->Control(kProgramBox)));
  }
  void ExpectRule(DWORD program) {
    for (int id = 1202; id <= 1205; ++id) EXPECT_EQ(program == kPocketOutlook, host_->Enabled(id)) << id;
    for (int id : {1206, 1207, 1209}) EXPECT_EQ(program != kPocketOutlook, host_->Enabled(id)) << id;
    EXPECT_EQ(program == kAgendaFusion, host_->Enabled(kLeaveRunning));
  }

  std::unique_ptr<PageHost> host_;
};

TEST_F(PimPageTest, OnlyInstalledProgramsAreOfferedAndTheMissingCalendarIsRefused) {
  // Loading the settings creates the two vendors' keys: a key alone is no installation.
  Open();
  EXPECT_EQ((std::vector<DWORD>{0, 4}), Data(kProgramBox));
  ExpectRule(kPocketOutlook);

  std::wstring caption, text;
  {
    DialogAnswers answers;
    answers.Then([&](HWND box) {
      caption = WindowText(box);
      text = MessageBoxText(box);
      PressButton(box, IDOK);
    });
    host_->Choose(kProgramBox, 1);  // the arrow keys on the closed box
    EXPECT_EQ(1, answers.Answered());
  }
  EXPECT_EQ(L"PIM Program", caption);
  EXPECT_NE(std::wstring::npos, text.find(L"Tessaly Calendar")) << text;
  EXPECT_EQ(0, host_->Selection(kProgramBox)) << "the stored program again";
  EXPECT_EQ(0u, Store().customPim.PimSw.value);
  ExpectRule(kPocketOutlook);

  WriteString(HKEY_CURRENT_USER, L"Software\\WebIS\\PocketInformant", L"version", L"850");
  WriteDword(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Developer One, Inc.\\Agenda Fusion", L"VerMajor", 9);
  WriteString(HKEY_CURRENT_USER, L"SOFTWARE\\Developer One\\Agenda One", L"InstallPath", L"\\Program Files\\A1");
  WriteString(HKEY_CURRENT_USER, L"SOFTWARE\\Tessaly Calendar", L"ExecutablePath", L"\\Program Files\\TC\\tc.exe");
  Open();
  ASSERT_EQ((std::vector<DWORD>{0, 4, 1, 2, 3}), Data(kProgramBox));
  EXPECT_EQ(L"Pocket Informant", host_->ItemText(kProgramBox, 2));
  {
    DialogAnswers none;
    PickProgram(1);
    EXPECT_EQ(0, none.Answered());
  }
  EXPECT_EQ(4u, Store().customPim.PimSw.value) << "taken at once";
  EXPECT_TRUE(Store().customPim.PimSw.changed);
  ExpectRule(kOwnCalendar);
  PickProgram(3);
  ExpectRule(kAgendaFusion);
  host_->Close();
  EXPECT_EQ(2u, Store().customPim.PimSw.value);
}

TEST_F(PimPageTest, WithPocketInformantTheRemindersAndTheAgendaFusionOptionAreOff) {
  WriteString(HKEY_CURRENT_USER, L"Software\\WebIS\\PocketInformant", L"version", L"850");
  WriteDword(HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\CustomPIM", L"PimSw", 1);
  Open();
  EXPECT_EQ(1u, SelectedData(kProgramBox));
  ExpectRule(kPocketInformant);
}

TEST_F(PimPageTest, ReminderBoxesSelectTheStoredValueOrTheFirstEntry) {
  WriteDword(HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\CustomPIM", L"DefaultReminderAppts", 20);
  Open();
  EXPECT_EQ((std::vector<DWORD>{kNoDefaultReminder, 0, 5, 10, 15, 30, 45, 60, 120, 240, 480, 1440}),
            Data(kAppointmentBox));
  EXPECT_EQ(L"None", host_->ItemText(kAppointmentBox, 0));
  EXPECT_EQ(L"45 minutes", host_->ItemText(kAppointmentBox, 6));
  EXPECT_EQ(L"1 hour", host_->ItemText(kAppointmentBox, 7));
  EXPECT_EQ(L"1 day", host_->ItemText(kAppointmentBox, 11));
  EXPECT_EQ(0, host_->Selection(kAppointmentBox)) << "20 minutes is not offered";
  EXPECT_EQ(480u, SelectedData(kTaskBox));
  host_->Choose(kTaskBox, 3);
  host_->Close();
  EXPECT_EQ(kNoDefaultReminder, Store().customPim.DefaultReminderAppts.value);
  EXPECT_EQ(60u, Store().customPim.DefaultReminderTasks.value);
  EXPECT_EQ(1u, Store().customPim.HideABCVals.value) << "a disabled check keeps its value";
}

// The task reminder times on a 12-hour and on a 24-hour device.
TEST_F(PimPageTest, TaskReminderTimesFollowTheDevicesClock) {
  DeviceClock deviceClock;
  struct Clock {
    bool twentyFourHours;
    const wchar_t* eight;
    const wchar_t* halfPastOne;
  } clocks[] = {{false, L"8:00 AM", L"1:30 PM"}, {true, L"08:00", L"13:30"}};
  for (const Clock& clock : clocks) {
    deviceClock.Use(clock.twentyFourHours);
    Open();
    ASSERT_EQ(49, host_->ItemCount(kTaskBox));
    EXPECT_EQ(L"None", host_->ItemText(kTaskBox, 0));
    EXPECT_EQ(clock.eight, host_->Text(kTaskBox)) << "the stored 480 is selected";
    EXPECT_EQ(clock.halfPastOne, host_->ItemText(kTaskBox, 1 + 27));
    EXPECT_EQ(13u * 60 + 30, Data(kTaskBox)[1 + 27]);
  }
}

}  // namespace
