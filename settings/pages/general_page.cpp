#include "settings/pages/general_page.h"

#include <windows.h>

#include "platform/ce_platform.h"

#include <climits>
#include <cwchar>
#include <utility>

#include "settings/base/scale.h"
#include "settings/controls/file_dialog.h"
#include "settings/controls/scoped_find.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/row_builders.h"

namespace {

enum ControlId : int {
  kOnClickLabel = 1200,
  kOnClickBox = 1201,
  kOnDoubleClickLabel = 1202,
  kOnDoubleClickBox = 1203,
  kAutoHeightCheck = 1206,
  kHeightLimitLabel = 1207,
  kHeightLimitBox = 1208,
  kLandscapeLimitLabel = 1209,
  kLandscapeLimitBox = 1210,
  kSkinLabel = 1211,
  kSkinEdit = 1212,
  kSkinClearButton = 1213,
  kSkinBrowseButton = 1214,
  kLanguageLabel = 1215,
  kLanguageBox = 1216,
  kSoundCheck = 1217,
  kGoofyCheck = 1218,
  kIndentCheck = 1219,
  kDPadCheck = 1220,
  kDPadSelectorLabel = 1221,
  kDPadSelectorBox = 1222,
  kCompleteActionLabel = 1223,
  kCompleteActionBox = 1224,
  kScrollingActionLabel = 1225,
  kScrollingActionBox = 1226,
  kTabSwitchingCheck = 1227,
  kExclusiveDPadCheck = 1228,
  kDoubleClickScrollCheck = 1229,
  kFullScrollingsCheck = 1230,
  kVgaModeCheck = 1231,
  kThinLinesCheck = 1232,
  kRemoveHighlightCheck = 1233,
  kLoadingDelayLabel = 1234,
  kLoadingDelayBox = 1235,
};

constexpr UINT kLanguageNameId = 378;
constexpr int kLanguageNameChars = 255;
constexpr int kHeightTextChars = 255;
constexpr int kSkinPathChars = 259;
constexpr int kMinimumWideScreen = 480;

constexpr UINT kOnClickChoices[] = {115, 116, 998};
constexpr UINT kOnDoubleClickChoices[] = {1000, 1001, 1002};
constexpr UINT kDPadSelectorChoices[] = {1351, 1352};
constexpr UINT kCompleteActionChoices[] = {1354, 1355, 1356};
constexpr UINT kScrollingActionChoices[] = {842, 843, 844};

int SystemScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

bool DeviceHasExclusiveDPadNavigation() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!GetVersionExW(&info)) return true;
  return HasExclusiveDPadNavigation(info.dwMajorVersion, info.dwMinorVersion);
}

bool IsChecked(HWND window, int id) { return (SendDlgItemMessageW(window, id, BM_GETCHECK, 0, 0) & 1) != 0; }

void EnableControl(HWND window, int id, bool enable) {
  if (HWND control = GetDlgItem(window, id)) EnableWindow(control, enable);
}

// A library loaded for its resources only, freed on scope exit.
class ScopedResourceLibrary {
 public:
  explicit ScopedResourceLibrary(const wchar_t* path)
      : module_(LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ScopedResourceLibrary(const ScopedResourceLibrary&) = delete;
  ScopedResourceLibrary& operator=(const ScopedResourceLibrary&) = delete;
  ~ScopedResourceLibrary() {
    if (module_) FreeLibrary(module_);
  }
  HMODULE Get() const { return module_; }

 private:
  HMODULE module_;
};

}  // namespace

enum class GeneralRowKind {
  Check,       // a check box; the setting is 1 or 0
  List,        // a drop-down list; the setting is the index
  Selector,    // a drop-down list that only enables other rows
  HeightBox,   // an editable box of heights; the setting is the number typed or chosen
  SkinPath,    // the read-only path with its clear and browse buttons
  Language,    // the language libraries found in the installation folder
};

enum class GeneralRowCondition { Always, ExclusiveDPadOs, WideScreen };

// Choices written as numbers rather than string ids: an optional "0", then first to last.
struct NumberChoices {
  bool zeroFirst;
  int first;
  int last;
  int step;
};

struct GeneralPageRow {
  GeneralRowKind kind;
  int labelId;
  int controlId;
  UINT textId;
  const UINT* choices;  // string ids; null when the choices are numbers
  int choiceCount;
  NumberChoices numbers;
  DwordSetting GeneralSettings::*number;
  StringSetting GeneralSettings::*text;
  GeneralRowCondition condition;
  bool tight;  // a check row placed ScaleY(2) closer to the next
};

namespace {

constexpr NumberChoices kNoNumbers{false, 0, -1, 1};
constexpr NumberChoices kHeights{false, 80, 600, 20};
constexpr NumberChoices kLandscapeHeights{true, 80, 600, 20};  // "0": no landscape limit
constexpr NumberChoices kLoadingDelays{false, 0, 5, 1};

template <std::size_t count>
constexpr GeneralPageRow ListRow(int labelId, int boxId, UINT textId, const UINT (&choices)[count],
                                 DwordSetting GeneralSettings::*number) {
  return {GeneralRowKind::List, labelId, boxId, textId, choices, static_cast<int>(count), kNoNumbers, number, nullptr,
          GeneralRowCondition::Always, false};
}

constexpr GeneralPageRow NumberListRow(int labelId, int boxId, UINT textId, NumberChoices numbers,
                                       DwordSetting GeneralSettings::*number) {
  return {GeneralRowKind::List, labelId, boxId, textId, nullptr, 0, numbers, number, nullptr,
          GeneralRowCondition::Always, false};
}

constexpr GeneralPageRow HeightRow(int labelId, int boxId, UINT textId, NumberChoices numbers,
                                   DwordSetting GeneralSettings::*number) {
  return {GeneralRowKind::HeightBox, labelId, boxId, textId, nullptr, 0, numbers, number, nullptr,
          GeneralRowCondition::Always, false};
}

constexpr GeneralPageRow CheckRow(int id, UINT textId, DwordSetting GeneralSettings::*number,
                                  GeneralRowCondition condition = GeneralRowCondition::Always, bool tight = false) {
  return {GeneralRowKind::Check, 0, id, textId, nullptr, 0, kNoNumbers, number, nullptr, condition, tight};
}

const GeneralPageRow kBehaviourRows[] = {
    ListRow(kOnClickLabel, kOnClickBox, 997, kOnClickChoices, &GeneralSettings::OnClick),
    ListRow(kOnDoubleClickLabel, kOnDoubleClickBox, 999, kOnDoubleClickChoices, &GeneralSettings::OnDoubleClick),
    CheckRow(kAutoHeightCheck, 1490, &GeneralSettings::AutoHeight),
    HeightRow(kHeightLimitLabel, kHeightLimitBox, 1003, kHeights, &GeneralSettings::dHeightLimit),
    HeightRow(kLandscapeLimitLabel, kLandscapeLimitBox, 1004, kLandscapeHeights,
              &GeneralSettings::dHeightLimitLandscape),
};

const GeneralPageRow kAppearanceRows[] = {
    {GeneralRowKind::SkinPath, kSkinLabel, kSkinEdit, 988, nullptr, 0, kNoNumbers, nullptr,
     &GeneralSettings::SkinPath, GeneralRowCondition::Always, false},
    {GeneralRowKind::Language, kLanguageLabel, kLanguageBox, 1005, nullptr, 0, kNoNumbers, nullptr,
     &GeneralSettings::SelectedLangResFile, GeneralRowCondition::Always, false},
    CheckRow(kSoundCheck, 1007, &GeneralSettings::EnableSoundEffect, GeneralRowCondition::Always, true),
    CheckRow(kGoofyCheck, 1032, &GeneralSettings::GoofyMode, GeneralRowCondition::Always, true),
    CheckRow(kIndentCheck, 1248, &GeneralSettings::IndentItems, GeneralRowCondition::Always, true),
};

const GeneralPageRow kDPadRows[] = {
    CheckRow(kDPadCheck, 1349, &GeneralSettings::DPadEnabled),
    {GeneralRowKind::Selector, kDPadSelectorLabel, kDPadSelectorBox, 1350, kDPadSelectorChoices, 2, kNoNumbers,
     nullptr, nullptr, GeneralRowCondition::Always, false},
    ListRow(kCompleteActionLabel, kCompleteActionBox, 1353, kCompleteActionChoices,
            &GeneralSettings::DPadCompleteAction),
    CheckRow(kTabSwitchingCheck, 1357, &GeneralSettings::DPadDoubleClickTabSwitching),
    ListRow(kScrollingActionLabel, kScrollingActionBox, 1358, kScrollingActionChoices,
            &GeneralSettings::DPadScrollingAction),
    CheckRow(kExclusiveDPadCheck, 1251, &GeneralSettings::ExclusiveDPadNavig, GeneralRowCondition::ExclusiveDPadOs),
};

const GeneralPageRow kScrollingRows[] = {
    CheckRow(kDoubleClickScrollCheck, 1008, &GeneralSettings::UseDoubleClickScroll),
    CheckRow(kFullScrollingsCheck, 1009, &GeneralSettings::UseFullScrollings),
    CheckRow(kVgaModeCheck, 1029, &GeneralSettings::MyVgaMode, GeneralRowCondition::WideScreen),
    CheckRow(kThinLinesCheck, 1033, &GeneralSettings::UseThinLines, GeneralRowCondition::WideScreen),
    CheckRow(kRemoveHighlightCheck, 1028, &GeneralSettings::RemoveHighlight),
    NumberListRow(kLoadingDelayLabel, kLoadingDelayBox, 1252, kLoadingDelays, &GeneralSettings::LoadingDelay),
};

struct GeneralTab {
  UINT captionId;
  int firstId;
  int lastId;
  const GeneralPageRow* rows;
  int rowCount;
};

template <std::size_t count>
constexpr GeneralTab Tab(UINT captionId, int firstId, int lastId, const GeneralPageRow (&rows)[count]) {
  return {captionId, firstId, lastId, rows, static_cast<int>(count)};
}

const GeneralTab kTabs[] = {
    Tab(635, kOnClickLabel, kLandscapeLimitBox, kBehaviourRows),
    Tab(1491, kSkinLabel, kIndentCheck, kAppearanceRows),
    Tab(1348, kDPadCheck, kExclusiveDPadCheck, kDPadRows),
    Tab(642, kDoubleClickScrollCheck, kLoadingDelayBox, kScrollingRows),
};
constexpr int kTabCount = static_cast<int>(sizeof(kTabs) / sizeof(kTabs[0]));

// Appends the numbers as "%d" texts; returns how many the box holds.
int AddNumberChoices(HWND box, const NumberChoices& numbers) {
  WideString text;
  if (numbers.zeroFirst && text.Format(L"%d", 0))
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  for (int number = numbers.first; number <= numbers.last; number += numbers.step) {
    if (text.Format(L"%d", number)) SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  return static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
}

}  // namespace

DWORD ParseHeightLimit(const wchar_t* text) { return static_cast<DWORD>(std::wcstol(text, nullptr, 0)); }

bool HasExclusiveDPadNavigation(DWORD major, DWORD minor) { return major != 3 && !(major == 4 && minor == 20); }

GeneralPage::GeneralPage(ScreenWidthSource screenWidth)
    : screenWidth_(screenWidth ? screenWidth : SystemScreenWidth) {}

GeneralPage::~GeneralPage() = default;

int GeneralPage::TabCount() { return kTabCount; }

UINT GeneralPage::TabCaptionId(int index) { return index >= 0 && index < kTabCount ? kTabs[index].captionId : 0; }

void GeneralPage::OnCreate(HWND window) {
  languagePaths_ = std::make_unique<WideString[]>(kLanguageSlots);
  languageCount_ = 0;
  exclusiveDPadRow_ = DeviceHasExclusiveDPadNavigation();
  wideScreenRows_ = screenWidth_() >= kMinimumWideScreen;

  for (const GeneralTab& tab : kTabs) {
    int y = ScaleY(8);
    for (int i = 0; i < tab.rowCount; ++i) {
      if (RowExists(tab.rows[i])) y += BuildRow(window, tab.rows[i], y);
    }
  }
  ApplyHeightRule(window);
  ApplyDPadRule(window);
}

void GeneralPage::ShowTab(HWND window, int showCommand) {
  int tab = CurrentTab();
  if (tab >= 0 && tab < kTabCount) ShowControlRange(window, kTabs[tab].firstId, kTabs[tab].lastId, showCommand);
}

void GeneralPage::OnDestroy(HWND window) {
  ShowTab(window, SW_HIDE);
  for (const GeneralTab& tab : kTabs) {
    for (int i = 0; i < tab.rowCount; ++i) WriteRow(window, tab.rows[i]);
  }
  languagePaths_.reset();
  languageCount_ = 0;
}

LRESULT GeneralPage::OnCommand(HWND window, WPARAM wParam, LPARAM) {
  int id = LOWORD(wParam);
  int code = HIWORD(wParam);
  if (id == kDPadSelectorBox && code == CBN_SELCHANGE) {
    ApplyDPadRule(window);
    return 0;
  }
  if (code != BN_CLICKED) return 0;
  switch (id) {
    case kAutoHeightCheck: ApplyHeightRule(window); break;
    case kDPadCheck: ApplyDPadRule(window); break;
    case kSkinClearButton: SetDlgItemTextW(window, kSkinEdit, L""); break;
    case kSkinBrowseButton: ChooseSkinFolder(window); break;
    default: break;
  }
  return 0;
}

bool GeneralPage::RowExists(const GeneralPageRow& row) const {
  switch (row.condition) {
    case GeneralRowCondition::ExclusiveDPadOs: return exclusiveDPadRow_;
    case GeneralRowCondition::WideScreen: return wideScreenRows_;
    case GeneralRowCondition::Always: break;
  }
  return true;
}

int GeneralPage::BuildRow(HWND window, const GeneralPageRow& row, int y) {
  GeneralSettings& general = Store().general;
  switch (row.kind) {
    case GeneralRowKind::Check: {
      int advance = AddCheckRow(*this, window, row.controlId, row.textId, (general.*row.number).value != 0, y);
      return row.tight ? advance - ScaleY(2) : advance;
    }
    case GeneralRowKind::List: {
      DWORD value = (general.*row.number).value;
      if (row.choices)
        return AddComboRow(*this, window, row.labelId, row.controlId, row.textId, row.choices, row.choiceCount,
                           value <= INT_MAX ? static_cast<int>(value) : row.choiceCount, y, false);
      int advance = AddComboRow(*this, window, row.labelId, row.controlId, row.textId, nullptr, 0, 0, y, false);
      HWND box = GetDlgItem(window, row.controlId);
      int count = AddNumberChoices(box, row.numbers);
      if (value < static_cast<DWORD>(count)) SendMessageW(box, CB_SETCURSEL, value, 0);
      return advance;
    }
    case GeneralRowKind::Selector:
      return AddComboRow(*this, window, row.labelId, row.controlId, row.textId, row.choices, row.choiceCount, 0, y,
                         false);
    case GeneralRowKind::HeightBox: return AddHeightRow(window, row, y);
    case GeneralRowKind::SkinPath:
      return AddEditButtonsRow(*this, window, row.labelId, row.controlId, kSkinClearButton, kSkinBrowseButton,
                               row.textId, (general.*row.text).value.c_str(), y);
    case GeneralRowKind::Language: return AddLanguageRow(window, row, y);
  }
  return 0;
}

int GeneralPage::AddHeightRow(HWND window, const GeneralPageRow& row, int y) {
  int advance = AddComboRow(*this, window, row.labelId, row.controlId, row.textId, nullptr, 0, 0, y, true);
  HWND box = GetDlgItem(window, row.controlId);
  AddNumberChoices(box, row.numbers);
  // The stored value shows as typed, even when the list does not offer it.
  WideString text;
  if (text.Format(L"%d", (Store().general.*row.number).Signed())) SetWindowTextW(box, text.c_str());
  return advance;
}

int GeneralPage::AddLanguageRow(HWND window, const GeneralPageRow& row, int y) {
  int advance = AddComboRow(*this, window, row.labelId, row.controlId, row.textId, nullptr, 0, 0, y, false);
  HWND box = GetDlgItem(window, row.controlId);
  const wchar_t* folder = Store().InstallFolder();
  const WideString& stored = (Store().general.*row.text).value;

  WideString pattern;
  pattern.Format(L"%ls\\LangRes\\*.dll", folder);
  WIN32_FIND_DATAW found{};
  ScopedFind search(pattern.c_str(), found);
  int selected = 0;
  if (search.Found()) {
    do {
      WideString path;
      if (!path.Format(L"%ls\\LangRes\\%ls", folder, found.cFileName)) continue;
      // Read for its name only: nothing in a library found here runs.
      ScopedResourceLibrary library(path.c_str());
      wchar_t name[kLanguageNameChars + 1];
      if (!library.Get() || LoadStringW(library.Get(), kLanguageNameId, name, kLanguageNameChars + 1) <= 0) continue;
      LRESULT index = SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
      if (index < 0) continue;
      if (path.Equals(stored.c_str())) selected = languageCount_;
      languagePaths_[languageCount_++] = std::move(path);
    } while (languageCount_ < kLanguageSlots && search.Next(found));
  }
  SendMessageW(box, CB_SETCURSEL, selected, 0);
  return advance;
}

void GeneralPage::WriteRow(HWND window, const GeneralPageRow& row) {
  HWND control = GetDlgItem(window, row.controlId);
  if (!control) return;  // a row this device or screen does not have keeps its value
  GeneralSettings& general = Store().general;
  switch (row.kind) {
    case GeneralRowKind::Check:
      (general.*row.number).Set(SendMessageW(control, BM_GETCHECK, 0, 0) & 1);
      break;
    case GeneralRowKind::List: {
      // A stored index beyond the choices leaves the list without a selection; the value
      // then stays as it was rather than becoming -1.
      LRESULT index = SendMessageW(control, CB_GETCURSEL, 0, 0);
      if (index >= 0) (general.*row.number).Set(static_cast<DWORD>(index));
      break;
    }
    case GeneralRowKind::Selector: break;
    case GeneralRowKind::HeightBox: {
      wchar_t text[kHeightTextChars + 1] = L"";
      GetWindowTextW(control, text, kHeightTextChars + 1);
      (general.*row.number).Set(ParseHeightLimit(text));
      break;
    }
    case GeneralRowKind::SkinPath: {
      wchar_t text[kSkinPathChars + 1] = L"";
      GetWindowTextW(control, text, kSkinPathChars + 1);
      (general.*row.text).Set(text);
      break;
    }
    case GeneralRowKind::Language: WriteLanguage(window, row); break;
  }
}

void GeneralPage::WriteLanguage(HWND window, const GeneralPageRow& row) {
  // With nothing listed there is no choice to write: the stored library stays.
  LRESULT index = SendDlgItemMessageW(window, row.controlId, CB_GETCURSEL, 0, 0);
  if (index >= 0 && index < languageCount_) (Store().general.*row.text).Set(languagePaths_[index].c_str());
}

void GeneralPage::ChooseSkinFolder(HWND window) {
  std::unique_ptr<FileDialogRequest> request = MakeFileDialogRequest(L"Select Skin Path", nullptr, nullptr, nullptr);
  if (request && RunSelectFolderDialog(*request)) SetDlgItemTextW(window, kSkinEdit, request->resultPath.c_str());
}

void GeneralPage::ApplyHeightRule(HWND window) {
  bool enable = !IsChecked(window, kAutoHeightCheck);
  for (int id = kHeightLimitLabel; id <= kLandscapeLimitBox; ++id) EnableControl(window, id, enable);
}

void GeneralPage::ApplyDPadRule(HWND window) {
  bool dpad = IsChecked(window, kDPadCheck);
  LRESULT mode = SendDlgItemMessageW(window, kDPadSelectorBox, CB_GETCURSEL, 0, 0);
  EnableControl(window, kDPadSelectorLabel, dpad);
  EnableControl(window, kDPadSelectorBox, dpad);
  EnableControl(window, kCompleteActionLabel, dpad && mode == 0);
  EnableControl(window, kCompleteActionBox, dpad && mode == 0);
  EnableControl(window, kTabSwitchingCheck, dpad && mode == 0);
  EnableControl(window, kScrollingActionLabel, dpad && mode == 1);
  EnableControl(window, kScrollingActionBox, dpad && mode == 1);
  EnableControl(window, kExclusiveDPadCheck, dpad);
}
