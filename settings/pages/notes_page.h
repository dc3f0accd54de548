#pragma once
// The Notes page: the notes tab's search bar and preview, line breaking and folding, the
// file types scanned as notes, and the extra folders scanned for notes, on four tabs. The
// folder list is not a setting record: closing the page rewrites its registry key when the
// list was changed.
#include <windows.h>

#include <vector>

#include "settings/base/wide_string.h"
#include "settings/toolkit/row_table_page.h"
#include "settings/toolkit/search_bar_box.h"

inline constexpr wchar_t kNotesPageClass[] = L"NotesSettingsWin";
inline constexpr wchar_t kNotesFoldersKey[] = L"Software\\Tessaly\\Quillmere\\Notes\\Folders";

// The folders as stored, in the key's enumeration order; empty when the key is missing.
std::vector<WideString> ReadNotesFolders();
// Replaces the key's values with one per folder, named by its position ("0", "1" ...). False,
// with the key as it was, when the key cannot be opened.
bool WriteNotesFolders(const std::vector<WideString>& folders);

// The bits of NotesScannedFileTypes for the six file type boxes, first to last: checked
// boxes write their bits; the last one's bit is also written while the box is disabled.
DWORD ComposeScannedFileTypes(const bool (&checked)[6], bool lastEnabled);
// Whether the list product is installed, which the last file type needs.
bool ListProductInstalled();

class NotesPage : public RowTablePage {
 public:
  NotesPage();

  // Adds a folder at the end of the list with the shell's icon for it; false when the list
  // already holds exactly this text or the shell has no icon for it.
  bool AddFolder(HWND window, const wchar_t* path);

 protected:
  LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSize(HWND window) override;
  int BuildOwnRow(HWND window, const PageRow& row, int y) override;
  void WriteOwnRow(HWND window, const PageRow& row) override;

 private:
  int BuildSearchBar(HWND window, const PageRow& row, int y);
  int BuildFileTypes(HWND window, int y);
  int BuildFolderList(HWND window);
  SearchBarRecords SearchBar();
  void AddChosenFolder(HWND window);
  void RemoveSelectedFolder(HWND window);
  void WriteFileTypes(HWND window);
  void WriteFolders(HWND window);

  bool foldersChanged_ = false;
};
