#include "settings/pages/general_page.h"

#include <windows.h>

#include "platform/ce_platform.h"

#include <cwchar>
#include <utility>

#include "settings/base/scale.h"
#include "settings/controls/file_dialog.h"
#include "settings/controls/scoped_find.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/row_builders.h"
#include "settings/toolkit/row_table_page.h"

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

namespace {

enum GeneralOwnRow : int { kSkinPathRow = 1, kLanguageRow = 2 };
enum RowCondition : int { kExclusiveDPadOs = 1, kWideScreen = 2 };

constexpr NumberChoices kHeights{false, 80, 600, 20};
constexpr NumberChoices kLandscapeHeights{true, 80, 600, 20};  // "0": no landscape limit
constexpr NumberChoices kLoadingDelays{false, 0, 5, 1};

const PageRow kBehaviourRows[] = {
    ListRow(kOnClickLabel, kOnClickBox, 997, kOnClickChoices, QM_NUMBER(general, OnClick)),
    ListRow(kOnDoubleClickLabel, kOnDoubleClickBox, 999, kOnDoubleClickChoices, QM_NUMBER(general, OnDoubleClick)),
    CheckRow(kAutoHeightCheck, 1490, QM_NUMBER(general, AutoHeight)),
    EditableRow(kHeightLimitLabel, kHeightLimitBox, 1003, kHeights, QM_NUMBER(general, dHeightLimit)),
    EditableRow(kLandscapeLimitLabel, kLandscapeLimitBox, 1004, kLandscapeHeights,
                QM_NUMBER(general, dHeightLimitLandscape)),
};

const PageRow kAppearanceRows[] = {
    OwnRow(kSkinPathRow, kSkinLabel, kSkinEdit, 988, QM_TEXT(general, SkinPath)),
    OwnRow(kLanguageRow, kLanguageLabel, kLanguageBox, 1005, QM_TEXT(general, SelectedLangResFile)),
    CheckRow(kSoundCheck, 1007, QM_NUMBER(general, EnableSoundEffect), 2),
    CheckRow(kGoofyCheck, 1032, QM_NUMBER(general, GoofyMode), 2),
    CheckRow(kIndentCheck, 1248, QM_NUMBER(general, IndentItems), 2),
};

const PageRow kDPadRows[] = {
    CheckRow(kDPadCheck, 1349, QM_NUMBER(general, DPadEnabled)),
    ListRow(kDPadSelectorLabel, kDPadSelectorBox, 1350, kDPadSelectorChoices, nullptr),
    ListRow(kCompleteActionLabel, kCompleteActionBox, 1353, kCompleteActionChoices,
            QM_NUMBER(general, DPadCompleteAction)),
    CheckRow(kTabSwitchingCheck, 1357, QM_NUMBER(general, DPadDoubleClickTabSwitching)),
    ListRow(kScrollingActionLabel, kScrollingActionBox, 1358, kScrollingActionChoices,
            QM_NUMBER(general, DPadScrollingAction)),
    CheckRow(kExclusiveDPadCheck, 1251, QM_NUMBER(general, ExclusiveDPadNavig), 0, kExclusiveDPadOs),
};

const PageRow kScrollingRows[] = {
    CheckRow(kDoubleClickScrollCheck, 1008, QM_NUMBER(general, UseDoubleClickScroll)),
    CheckRow(kFullScrollingsCheck, 1009, QM_NUMBER(general, UseFullScrollings)),
    CheckRow(kVgaModeCheck, 1029, QM_NUMBER(general, MyVgaMode), 0, kWideScreen),
    CheckRow(kThinLinesCheck, 1033, QM_NUMBER(general, UseThinLines), 0, kWideScreen),
    CheckRow(kRemoveHighlightCheck, 1028, QM_NUMBER(general, RemoveHighlight)),
    NumberListRow(kLoadingDelayLabel, kLoadingDelayBox, 1252, kLoadingDelays, QM_NUMBER(general, LoadingDelay)),
};

const PageTab kTabs[] = {
    {635, kOnClickLabel, kLandscapeLimitBox, kBehaviourRows},
    {1491, kSkinLabel, kIndentCheck, kAppearanceRows},
    {1348, kDPadCheck, kExclusiveDPadCheck, kDPadRows},
    {642, kDoubleClickScrollCheck, kLoadingDelayBox, kScrollingRows},
};
}  // namespace

bool HasExclusiveDPadNavigation(DWORD major, DWORD minor) { return major != 3 && !(major == 4 && minor == 20); }

GeneralPage::GeneralPage(ScreenWidthSource screenWidth)
    : RowTablePage(kTabs), screenWidth_(screenWidth ? screenWidth : SystemScreenWidth) {}

GeneralPage::~GeneralPage() = default;

void GeneralPage::OnCreate(HWND window) {
  languagePaths_ = std::make_unique<WideString[]>(kLanguageSlots);
  languageCount_ = 0;
  exclusiveDPadRow_ = DeviceHasExclusiveDPadNavigation();
  wideScreenRows_ = screenWidth_() >= kMinimumWideScreen;
  RowTablePage::OnCreate(window);
}

void GeneralPage::OnRowsBuilt(HWND window) {
  ApplyHeightRule(window);
  ApplyDPadRule(window);
}

void GeneralPage::OnDestroy(HWND window) {
  RowTablePage::OnDestroy(window);
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

bool GeneralPage::RowExists(const PageRow& row) const {
  switch (row.condition) {
    case kExclusiveDPadOs: return exclusiveDPadRow_;
    case kWideScreen: return wideScreenRows_;
    default: return true;
  }
}

int GeneralPage::BuildOwnRow(HWND window, const PageRow& row, int y) {
  if (row.own == kSkinPathRow)
    return AddEditButtonsRow(*this, window, row.labelId, row.controlId, kSkinClearButton, kSkinBrowseButton,
                             row.textId, row.text(Store()).value.c_str(), y);
  return AddLanguageRow(window, row, y);
}

void GeneralPage::WriteOwnRow(HWND window, const PageRow& row) {
  if (row.own == kSkinPathRow) {
    wchar_t text[kSkinPathChars + 1] = L"";
    GetDlgItemTextW(window, row.controlId, text, kSkinPathChars + 1);
    row.text(Store()).Set(text);
    return;
  }
  // With nothing listed there is no choice to write: the stored library stays.
  LRESULT index = SendDlgItemMessageW(window, row.controlId, CB_GETCURSEL, 0, 0);
  if (index >= 0 && index < languageCount_) row.text(Store()).Set(languagePaths_[index].c_str());
}

int GeneralPage::AddLanguageRow(HWND window, const PageRow& row, int y) {
  int advance = AddComboRow(*this, window, row.labelId, row.controlId, row.textId, nullptr, 0, 0, y, false);
  HWND box = GetDlgItem(window, row.controlId);
  const wchar_t* folder = Store().InstallFolder();
  const WideString& stored = row.text(Store()).value;

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
