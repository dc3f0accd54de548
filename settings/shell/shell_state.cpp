#include "settings/shell/shell_state.h"

#include "settings/controls/button_bar.h"
#include "settings/controls/finger_list.h"

namespace {

ShellState g_shell;
const UINT g_settingsChanged = RegisterWindowMessageW(L"TessalyQuillmereSettingsChanged");
FingerList g_mainList;
ButtonBar g_mainBar;

}  // namespace

ShellState& Shell() { return g_shell; }
UINT SettingsChangedMessage() { return g_settingsChanged; }
FingerList& MainList() { return g_mainList; }
ButtonBar& MainBar() { return g_mainBar; }
