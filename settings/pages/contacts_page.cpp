#include "settings/pages/contacts_page.h"

#include <windows.h>

#include "settings/store/settings_store.h"
#include "settings/toolkit/row_builders.h"
#include "settings/toolkit/search_bar_box.h"

namespace {

enum ControlId : int {
  kSearchBarLabel = 1200,
  kSearchBarBox = 1201,
  kTitleLabel = 1202,
  kTitleBox = 1203,
  kDPadLabel = 1204,
  kDPadBox = 1205,
  kTapOpensCheck = 1206,
  kPreviewCheck = 1207,
  kCategoryColourCheck = 1208,
  kSeparatorLabel = 1209,
  kSeparatorBox = 1210,
  kFoldButtonsCheck = 1211,
  kCountersCheck = 1212,
  kLayoutLabel = 1213,
  kLayoutBox = 1214,
  kPhoneWidthLabel = 1215,
  kPhoneWidthBox = 1216,
  kHideNoPictureCheck = 1217,
};

enum ContactsOwnRow : int { kSearchBarRow = 1, kPhoneWidthRow = 2 };

constexpr int kLayoutTab = 2;
constexpr int kPhoneColumnsLayout = 0;
constexpr int kPictureLayout = 2;

constexpr UINT kTitleChoices[] = {1441, 1442, 1443};
constexpr UINT kDPadChoices[] = {1474, 1475, 1476};
constexpr UINT kSeparatorChoices[] = {109, 110, 111, 1233};
constexpr UINT kLayoutChoices[] = {1445, 1446, 1447};

const PageRow kSearchRows[] = {
    OwnRow(kSearchBarRow, kSearchBarLabel, kSearchBarBox, 1407),
    ListRow(kTitleLabel, kTitleBox, 1444, kTitleChoices, QM_NUMBER(contacts, CntctsTitleStruct)),
    ListRow(kDPadLabel, kDPadBox, 1477, kDPadChoices, QM_NUMBER(contacts, CntctsDPadActionOverride)),
    CheckRow(kTapOpensCheck, 1478, QM_NUMBER(contacts, CntctsOnClickActionOpenItem)),
    CheckRow(kPreviewCheck, 1470, QM_NUMBER(contacts, CntctsPrvwDlgUponOpenItem)),
    CheckRow(kCategoryColourCheck, 1488, QM_NUMBER(contacts, ContactsTxtByCategoryClr)),
};

const PageRow kSeparatorRows[] = {
    ListRow(kSeparatorLabel, kSeparatorBox, 1068, kSeparatorChoices, QM_NUMBER(contacts, CntctsBreakLineStyle)),
    CheckRow(kFoldButtonsCheck, 1069, QM_NUMBER(contacts, CntctsIncldFoldBttns)),
    CheckRow(kCountersCheck, 1254, QM_NUMBER(contacts, CntctsIncldCounters)),
};

const PageRow kLayoutRows[] = {
    ListRow(kLayoutLabel, kLayoutBox, 1448, kLayoutChoices, QM_NUMBER(contacts, ContactsLayout)),
    OwnRow(kPhoneWidthRow, kPhoneWidthLabel, kPhoneWidthBox, 1449, nullptr,
           QM_NUMBER(contacts, CntctsPhoneColumnWidth)),
    CheckRow(kHideNoPictureCheck, 1450, QM_NUMBER(contacts, CntctsHideNoPicture)),
};

const PageTab kTabs[] = {
    {635, kSearchBarLabel, kCategoryColourCheck, kSearchRows},
    {1062, kSeparatorLabel, kCountersCheck, kSeparatorRows},
    {1063, kLayoutLabel, kHideNoPictureCheck, kLayoutRows},
};

int ChosenIndex(HWND window, int id) { return static_cast<int>(SendDlgItemMessageW(window, id, CB_GETCURSEL, 0, 0)); }

}  // namespace

ContactsPage::ContactsPage() : RowTablePage(kTabs) {}

void ContactsPage::ShowTab(HWND window, int showCommand) {
  RowTablePage::ShowTab(window, showCommand);
  if (showCommand == SW_SHOW && CurrentTab() == kLayoutTab) ApplyLayoutRule(window);
}

void ContactsPage::OnRowsBuilt(HWND window) { ApplyLayoutRule(window); }

int ContactsPage::BuildOwnRow(HWND window, const PageRow& row, int y) {
  const int advance = AddComboRow(*this, window, row.labelId, row.controlId, row.textId, nullptr, 0, 0, y, false);
  if (row.own == kSearchBarRow) {
    FillSearchBarBox(GetDlgItem(window, kSearchBarBox), SearchBar());
    return advance;
  }
  // The phone column widths: a stored width the list does not offer leaves it unselected.
  HWND box = GetDlgItem(window, row.controlId);
  const DWORD stored = row.number(Store()).value;
  WideString text;
  for (int width = 60; width <= 120; width += 5) {
    if (!text.Format(L"%d", width)) continue;
    const LRESULT index = SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index < 0) continue;
    SendMessageW(box, CB_SETITEMDATA, static_cast<WPARAM>(index), width);
    if (stored == static_cast<DWORD>(width)) SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  return advance;
}

void ContactsPage::WriteOwnRow(HWND window, const PageRow& row) {
  HWND box = GetDlgItem(window, row.controlId);
  if (row.own == kSearchBarRow) {
    WriteSearchBarBox(box, SearchBar());
    return;
  }
  const int index = ChosenIndex(window, row.controlId);
  if (index < 0) return;  // an unlisted phone width keeps its stored value
  row.number(Store()).Set(static_cast<DWORD>(SendMessageW(box, CB_GETITEMDATA, static_cast<WPARAM>(index), 0)));
}

LRESULT ContactsPage::OnCommand(HWND window, WPARAM wParam, LPARAM) {
  if (HIWORD(wParam) != CBN_SELCHANGE) return 0;
  if (LOWORD(wParam) == kLayoutBox) ApplyLayoutRule(window);
  if (LOWORD(wParam) == kSearchBarBox)
    OnSearchBarChanged(GetDlgItem(window, kSearchBarBox), Instance(), Font(), SearchBar());
  return 0;
}

SearchBarRecords ContactsPage::SearchBar() {
  ContactSettings& contacts = Store().contacts;
  return {contacts.CntctsActiveSearchBar, contacts.ContactsCustomSearchBarSelected, contacts.CntctsActiveLanguages};
}

void ContactsPage::ApplyLayoutRule(HWND window) {
  const int layout = ChosenIndex(window, kLayoutBox);
  EnableControl(window, kPhoneWidthLabel, layout == kPhoneColumnsLayout);
  EnableControl(window, kPhoneWidthBox, layout == kPhoneColumnsLayout);
  EnableControl(window, kHideNoPictureCheck, layout == kPictureLayout);
}
