#include "settings/pages/messages_page.h"

#include "settings/pages/message_event_layout.h"
#include "settings/store/settings_store.h"

namespace {

enum ControlId : int {
  kDPadLabel = 1200,
  kDPadBox = 1201,
  kOpenOnTapCheck = 1202,
  kPreviewCheck = 1203,
  kMarkReadCheck = 1204,
  kSeparatorLabel = 1205,
  kSeparatorBox = 1206,
  kCountersCheck = 1207,
  kFoldButtonsCheck = 1208,
};

constexpr UINT kDPadChoices[] = {1474, 1475};

const PageRow kGeneralRows[] = {
    ListRow(kDPadLabel, kDPadBox, 1477, kDPadChoices, QM_NUMBER(messages, MsgsDPadActionOverride)),
    CheckRow(kOpenOnTapCheck, 1478, QM_NUMBER(messages, MsgsOpenOnClick)),
    CheckRow(kPreviewCheck, 1470, QM_NUMBER(messages, MsgsPreviewWhenOpen)),
    CheckRow(kMarkReadCheck, 1253, QM_NUMBER(messages, MsgsMrkReadOnPrev)),
};

const PageRow kLayoutRows[] = {
    ListRow(kSeparatorLabel, kSeparatorBox, kSeparatorTextId, kSeparatorChoices, QM_NUMBER(messages, MsgsBreakLineStyle)),
    CheckRow(kCountersCheck, kCountersTextId, QM_NUMBER(messages, MsgsIncldCounters)),
    CheckRow(kFoldButtonsCheck, kFoldButtonsTextId, QM_NUMBER(messages, MsgsIncldFoldBttns)),
};

const PageTab kTabs[] = {
    {kGeneralTabCaption, kDPadLabel, kMarkReadCheck, kGeneralRows},
    {kLayoutTabCaption, kSeparatorLabel, kFoldButtonsCheck, kLayoutRows},
};

}  // namespace

MessagesPage::MessagesPage() : RowTablePage(kTabs) {}
