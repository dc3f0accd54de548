// The settings backup, colour schemes (the same format, read from its start) and the
// filters file, each from memory: the files' own readers take the whole text at once.
#include <string>
#include <string_view>

#include "settings/files/backup_file.h"
#include "settings/files/category_manager.h"
#include "settings/files/colour_schemes.h"
#include "settings/files/filters_file.h"
#include "tools/fuzz/fuzz_readers.h"

namespace {

std::wstring_view WideText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const wchar_t*>(data), size / sizeof(wchar_t)};
}

Bytes WideBytes(std::wstring_view text) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  return Bytes(bytes, bytes + text.size() * sizeof(wchar_t));
}

// Categories for the categories section to find, and the 32 filters; registry writes go
// to the scratch keys.
bool PrepareCategoryState() {
  if (!RedirectRegistry()) return false;
  CategoryManager& categories = Categories();
  if (categories.Categories().empty()) {
    categories.ResetFilters();
    const wchar_t* names[] = {L"Business", L"Personal", L"Caf\u00e9", L"Holiday"};
    WORD id = 1;
    for (const wchar_t* name : names) categories.AddCategory(name, id++, false);
  }
  return true;
}

// Inputs that read well leave their keys behind; the tree is emptied now and then so that
// the copy each restore takes first stays small.
void TrimProductTree() {
  static unsigned count = 0;
  if (++count % 256 == 0) RegDeleteTreeW(HKEY_CURRENT_USER, kProductKeyPath);
}

void ReadBackupText(const std::uint8_t* data, std::size_t size) {
  TrimProductTree();
  RestoreBackup(WideText(data, size));
}

void ReadSchemeText(const std::uint8_t* data, std::size_t size) {
  TrimProductTree();
  RestoreScheme(WideText(data, size));
}

// What the writers make of the current state, with a few values of both kinds in the tree.
void BackupSeeds(std::vector<Bytes>& out) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\Colors", 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr) == ERROR_SUCCESS) {
    const DWORD colour = 0x00336699;
    RegSetValueExW(key, L"ClrBackground", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&colour), sizeof colour);
    const wchar_t text[] = L"\\My Documents\\skin.png";
    RegSetValueExW(key, L"SkinPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    RegCloseKey(key);
  }
  std::wstring backup;
  WriteBackup(backup);
  out.push_back(WideBytes(backup));
  out.push_back(WideBytes(SchemeText()));
}

std::vector<Bytes> BackupWords() {
  return {WideWord(L"\n"), WideWord(L"\r\n"), WideWord(L"\n\n"), WideWord(L"["), WideWord(L"]\n"),
          WideWord(L"\"=\""), WideWord(L"\"=dword:"), WideWord(L"\""), WideWord(L"[::Categories::]\n"),
          WideWord(L"[::Filters::]\n"), WideWord(L"[Software\\Tessaly\\Quillmere]\n"),
          WideWord(L"[Software\\Tessaly\\Quillmere\\Colors]\n"), WideWord(L"\"Color\"=dword:-1\n"),
          WideWord(L"\"Index\"=dword:32\n"), WideWord(L"4294967296"), WideWord(L"-2147483648"), Bytes{0, 0},
          Bytes{0xFF, 0xFF}, Bytes{0x00, 0xD8}, Bytes{0x00, 0xDC}};
}

bool PrepareFilters() { return PrepareCategoryState(); }

void ReadFilters(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ParseFilterBlocks(FiltersFileLines(bytes));
}

// The file as written, and the same layout in 8-bit characters.
void FiltersSeeds(std::vector<Bytes>& out) {
  const std::wstring text = FormatFiltersFile(Categories().Filters());
  out.push_back(WideBytes(text));
  Bytes narrow;
  for (wchar_t c : text) narrow.push_back(static_cast<std::uint8_t>(c));
  out.push_back(narrow);
}

std::vector<Bytes> FiltersWords() {
  return {WideWord(L"[FILTER0]\r\n"), WideWord(L"[FILTER31]\r\n"), WideWord(L"\"Title\"=\""),
          WideWord(L"\"Sensitivity\"=dword:"), WideWord(L"\"Visible\"=dword:"), WideWord(L"\"Uncategorized\"=dword:"),
          WideWord(L"\r\n"), WideWord(L"\n"), NarrowWord("[FILTER1]\r\n"), NarrowWord("\"=dword:ffffffff\r\n"),
          Bytes{0, 0}, Bytes{0xFF, 0xFE}};
}

}  // namespace

FuzzReader BackupReader() {
  return {L"backup", PrepareCategoryState, ReadBackupText, BackupSeeds, L".scm", 2, 64 * 1024, BackupWords};
}

FuzzReader SchemeReader() {
  return {L"schemes", PrepareCategoryState, ReadSchemeText, BackupSeeds, L".scm", 2, 64 * 1024, BackupWords};
}

FuzzReader FiltersReader() {
  return {L"filters", PrepareFilters, ReadFilters, FiltersSeeds, L"QMFilters.txt", 1, 64 * 1024, FiltersWords};
}
