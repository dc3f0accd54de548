#include "settings/files/today_plugins.h"

#include <commctrl.h>

#include <cwchar>
#include <new>

#include "platform/aygshell.h"
#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/controls/inline_dialog.h"
#include "settings/store/key_group.h"
#include "settings/store/registry_values.h"
#include "settings/store/settings_store.h"
#include "settings/store/tab_list.h"

namespace {

constexpr DWORD kNameChars = 256;
constexpr LONG kPluginTabOrder = 9;
// Asked before a plug-in shown on the Today screen is switched off there.
constexpr UINT kSwitchOffText = 1050;
constexpr UINT kSwitchOffCaption = 1051;
constexpr UINT kAlreadyTabText = 1058;
constexpr UINT kAlreadyTabCaption = 1059;
constexpr UINT kIntroText = 1132;
constexpr UINT kLabelText = 1133;
constexpr UINT kSelectText = 1480;
constexpr UINT kCancelText = 1114;
constexpr int kSelectCommand = IDOK;
constexpr int kCancelCommand = IDCANCEL;
// What the Today screen is told after an item's "Enabled" changed.
constexpr WPARAM kTodayItemsChanged = 0xF2;
// Check box state images of a list view.
constexpr UINT kChecked = 2;

// The device's own wording, kept exactly as users and documentation know it.
constexpr wchar_t kNothingChosen[] =
    L"No Today screen plugin is selecetd. Please select a Today screen plugin from the selection combo-box.";
constexpr wchar_t kNothingChosenCaption[] = L"Selection Missing";

// Reading never creates the key: a device without Today items is left as it is.
RegistryKey OpenForReading(const wchar_t* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return RegistryKey();
  return RegistryKey(key, RegistryKey::OnClose::kPlainClose);
}

bool ItemPath(const wchar_t* name, WideString& path) {
  return path.Assign(kTodayItemsPath) && path.Append(L"\\") && path.Append(name);
}

class PluginDialog final : public InlineDialog {
 public:
  PluginDialog(HINSTANCE instance, WideString& name)
      : InlineDialog(instance, true),
        name_(name),
        introText_(LanguageText(kIntroText,
                                L"Choose a Today screen plug-in to add inside Quillmere as a new Quillmere tab.\n\n"
                                L"If the plug-in is shown on your Today screen, Quillmere switches it off there.")),
        labelText_(LanguageText(kLabelText, L"Plug-in to add:")),
        selectText_(LanguageText(kSelectText, L"Select")),
        cancelText_(LanguageText(kCancelText, L"Cancel")) {}

 protected:
  INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateMenuBar(HWND window) override;
  const wchar_t* DialogTitle() override { return kPluginDialogTitle; }
  void CreateControls(HWND window) override;
  void OnPaint(HWND window) override;
  void OnSize(HWND window) override;
  bool OnInitDialog(HWND window) override;

 private:
  void Select(HWND window);

  WideString& name_;
  WideString introText_;
  WideString labelText_;
  WideString selectText_;
  WideString cancelText_;
  HWND menuBar_ = nullptr;
};

void PluginDialog::CreateMenuBar(HWND window) {
  menuBar_ = CreateSoftKeyBar(window, Instance(), kPluginDialogMenuId, SHCMBF_HMENU | SHCMBF_HIDESIPBUTTON,
                              kSelectCommand, selectText_, kCancelCommand, cancelText_);
}

void PluginDialog::CreateControls(HWND window) {
  constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_LEFT;
  CreateControl(window, L"static", introText_.c_str(), kLabelStyle, false, kPluginIntroId, 0);
  CreateControl(window, L"static", labelText_.c_str(), kLabelStyle, false, kPluginLabelId, 0);
  HWND box = CreateComboBox(window, kPluginBoxId,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT);
  if (!box) return;
  FillTodayPluginBox(box);
  SendMessageW(box, CB_SETCURSEL, 0, 0);
}

bool PluginDialog::OnInitDialog(HWND window) {
  const bool ready = InlineDialog::OnInitDialog(window);
  OnSize(window);  // laid out even when the shell's set-up brings no size change
  return ready;
}

// The explanation across the top, the box of names with its label below it; the box takes
// the rest of the width, since plug-in names can be long.
void PluginDialog::OnSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const int margin = ScaleX(6);
  MoveWindow(GetDlgItem(window, kPluginIntroId), margin, ScaleY(8), client.right - 2 * margin, ScaleY(96), TRUE);
  MoveWindow(GetDlgItem(window, kPluginLabelId), ScaleX(8), ScaleY(135), ScaleX(84), ScaleY(16), TRUE);
  const int boxX = ScaleX(94);
  int boxWidth = client.right - boxX - ScaleX(8);
  if (boxWidth < ScaleX(60)) boxWidth = ScaleX(60);
  MoveWindow(GetDlgItem(window, kPluginBoxId), boxX, ScaleY(131), boxWidth, ScaleY(120), TRUE);
}

void PluginDialog::OnPaint(HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
}

INT_PTR PluginDialog::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kSelectCommand: Select(window); return TRUE;
        case kCancelCommand: EndDialog(window, 0); return TRUE;
        default: break;
      }
      break;
    case WM_DESTROY:
      if (menuBar_) DestroyWindow(menuBar_);
      menuBar_ = nullptr;
      return TRUE;
    default: break;
  }
  return InlineDialog::HandleMessage(window, message, wParam, lParam);
}

void PluginDialog::Select(HWND window) {
  HWND box = GetDlgItem(window, kPluginBoxId);
  const LRESULT index = SendMessageW(box, CB_GETCURSEL, 0, 0);
  const LRESULT length = index == CB_ERR ? CB_ERR : SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (index == CB_ERR || length == CB_ERR) {
    MessageBoxW(window, kNothingChosen, kNothingChosenCaption, MB_OK);
    return;
  }
  // Sub-key names are shorter than the buffer; a longer text is no Today item and is refused.
  wchar_t name[kNameChars] = L"";
  if (length >= static_cast<LRESULT>(kNameChars)) {
    EndDialog(window, 0);
    return;
  }
  SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name));
  WideString path;
  if (!ItemPath(name, path)) {
    EndDialog(window, 0);
    return;
  }
  RegistryKey key = CreateRegistryKey(HKEY_LOCAL_MACHINE, path.c_str());
  if (ReadDwordValue(L"Enabled", 1, key.Get()) == 1) {
    if (ShowLanguageMessage(window, kSwitchOffText, kSwitchOffCaption, MB_YESNO,
                            L"This plug-in is shown on your Today screen. Switch it off there so that it is not "
                            L"shown twice?",
                            L"Plug-in on Today Screen") != IDYES) {
      EndDialog(window, 0);
      return;
    }
    // Absent reads as shown, so the 0 must be stored.
    WriteDwordValue(key.Get(), L"Enabled", 0, 1);
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    key.Close();
    SendMessageW(GetDesktopWindow(), WM_SETTINGCHANGE, kTodayItemsChanged, 0);
  }
  key.Close();
  name_.Assign(name);
  EndDialog(window, 1);
}

}  // namespace

bool IsOfferedTodayItem(const wchar_t* name, DWORD type) {
  return name && type == kLibraryTodayItem && std::wcscmp(name, kOwnTodayItem) != 0;
}

void FillTodayPluginBox(HWND box) {
  RegistryKey items = OpenForReading(kTodayItemsPath);
  if (!items) return;
  wchar_t name[kNameChars];
  for (DWORD index = 0;; ++index) {
    DWORD length = kNameChars;
    const LONG result = RegEnumKeyExW(items.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_MORE_DATA) continue;  // too long to be a key name we can open
    if (result != ERROR_SUCCESS) break;
    HKEY item = nullptr;
    DWORD type = 0;
    if (RegOpenKeyExW(items.Get(), name, 0, KEY_READ, &item) == ERROR_SUCCESS) {
      type = ReadDwordValue(L"Type", 0, item);
      RegCloseKey(item);
    }
    if (IsOfferedTodayItem(name, type)) SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
}

int ChooseTodayPlugin(HWND, WideString& name) {
  PluginDialog dialog(Modules().instance, name);
  return InlineDialog::Run(Modules().instance, dialog) ? 1 : 0;
}

std::unique_ptr<TabEntry> MakePluginTab(const wchar_t* name) {
  std::unique_ptr<TabEntry> entry(new (std::nothrow) TabEntry);
  if (!entry) return nullptr;
  entry->type = kTabTodayPlugin;
  entry->order = kPluginTabOrder;
  entry->enabled = 1;
  if (!entry->name.Assign(name)) return nullptr;
  WideString path;
  RegistryKey key = ItemPath(name, path) ? OpenForReading(path.c_str()) : RegistryKey();
  ReadStringValue(L"DLL", &entry->library, L"", key.Get());
  return entry;
}

TabEntry* FindPluginTab(const TabList& tabs, const wchar_t* name) {
  for (TabEntry* entry = tabs.First(); entry; entry = entry->next)
    if (entry->type == kTabTodayPlugin && std::wcscmp(entry->name.c_str(), name) == 0) return entry;
  return nullptr;
}

int AppendTabItem(HWND list, TabEntry& entry, bool checked) {
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = entry.name.Raw();
  item.lParam = reinterpret_cast<LPARAM>(&entry);
  const int index = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (index < 0) return -1;
  LVITEMW state{};
  state.stateMask = LVIS_STATEIMAGEMASK;
  state.state = INDEXTOSTATEIMAGEMASK(checked ? kChecked : 1);
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
  return index;
}

void AddPluginTab(HWND window, int listId, int removeId) {
  WideString name;
  if (!ChooseTodayPlugin(window, name)) return;
  TabList& tabs = Store().Tabs();
  if (FindPluginTab(tabs, name.c_str())) {
    ShowLanguageMessage(window, kAlreadyTabText, kAlreadyTabCaption, MB_OK,
                        L"This plug-in is already one of the tabs.", L"Plug-in Tab");
    return;
  }
  std::unique_ptr<TabEntry> owned = MakePluginTab(name.c_str());
  if (!owned) return;
  TabEntry& entry = *owned;
  tabs.InsertSorted(std::move(owned));
  AppendTabItem(GetDlgItem(window, listId), entry, true);
  UpdateRemoveButton(window, listId, removeId);
}

namespace {

TabEntry* SelectedEntry(HWND list, int* index) {
  *index = static_cast<int>(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0));
  if (*index < 0) return nullptr;
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = *index;
  if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
  return reinterpret_cast<TabEntry*>(item.lParam);
}

}  // namespace

void RemovePluginTab(HWND window, int listId, int removeId) {
  HWND list = GetDlgItem(window, listId);
  int index = -1;
  TabEntry* entry = SelectedEntry(list, &index);
  if (!entry || entry->type != kTabTodayPlugin) return;
  SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
  Store().Tabs().Unlink(entry);  // the entry is freed as it is handed back
  UpdateRemoveButton(window, listId, removeId);
}

void UpdateRemoveButton(HWND window, int listId, int removeId) {
  int index = -1;
  const TabEntry* entry = SelectedEntry(GetDlgItem(window, listId), &index);
  EnableWindow(GetDlgItem(window, removeId), entry && entry->type == kTabTodayPlugin);
}
