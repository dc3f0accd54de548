#pragma once
// The shell's process-wide state: one instance, owned by the shell.
#include <windows.h>

#include "platform/aygshell.h"
#include "settings/controls/gdi_guards.h"

class SettingsPage;
class FingerList;
class ButtonBar;

inline constexpr wchar_t kMainWindowClass[] = L"QM_OPTIONS";
inline constexpr wchar_t kMainWindowTitle[] = L"QM Options";

enum class StartMode { Normal = 0, About = 1 };

struct ShellState {
  SettingsPage* currentPage = nullptr;
  ScopedFont normalFont;
  ScopedFont boldFont;
  SHACTIVATEINFO activation{};
  StartMode startMode = StartMode::Normal;
};

ShellState& Shell();

// "TessalyQuillmereSettingsChanged", registered before the entry function runs.
UINT SettingsChangedMessage();

// The main window's list and bottom bar, constructed before the entry function runs.
FingerList& MainList();
ButtonBar& MainBar();
