#pragma once
// Key groups: the fifteen registry keys that hold the product's settings, and the owner
// that closes a key it opened.
#include <windows.h>

// 0 to 14 select a key (see KeyGroupPath); any other number selects none.
using KeyGroup = DWORD;

inline constexpr KeyGroup kTodayItemGroup = 0;       // HKLM, the plug-in's Today item (read only)
inline constexpr KeyGroup kPocketInformantGroup = 1;  // HKCU, another vendor's program (read only)
inline constexpr KeyGroup kAgendaFusionGroup = 2;     // HKLM, another vendor's program (read only)
inline constexpr KeyGroup kGeneralGroup = 3;
inline constexpr KeyGroup kCalendarGroup = 4;
inline constexpr KeyGroup kTasksGroup = 5;
inline constexpr KeyGroup kNotesGroup = 6;
inline constexpr KeyGroup kContactsGroup = 7;
inline constexpr KeyGroup kMessagesGroup = 8;
inline constexpr KeyGroup kSpecialEventsGroup = 9;
inline constexpr KeyGroup kFontsGroup = 10;
inline constexpr KeyGroup kColoursGroup = 11;
inline constexpr KeyGroup kCustomPimGroup = 12;
inline constexpr KeyGroup kTabSettingsGroup = 13;
inline constexpr KeyGroup kCategoriesGroup = 14;
inline constexpr KeyGroup kKeyGroupCount = 15;
inline constexpr KeyGroup kNoKeyGroup = 0xFFFFFFFF;

// The group's key below its root, or nullptr for a number outside 0 to 14.
const wchar_t* KeyGroupPath(KeyGroup group);
// HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER, or nullptr for a number outside 0 to 14.
HKEY KeyGroupRoot(KeyGroup group);

// Owns one open registry key. Keys that were written are flushed before they are closed,
// so the plug-in, which rereads them on the broadcast, finds them on storage.
class RegistryKey {
 public:
  enum class OnClose { kFlush, kPlainClose };

  RegistryKey() noexcept = default;
  explicit RegistryKey(HKEY key, OnClose onClose = OnClose::kFlush) noexcept;
  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey();

  HKEY Get() const noexcept { return key_; }
  explicit operator bool() const noexcept { return key_ != nullptr; }

  // Closes now, flushing first unless the key was opened with kPlainClose.
  void Close() noexcept;
  // Closes now without the flush, whatever the key was opened with.
  void CloseWithoutFlush() noexcept;

 private:
  HKEY key_ = nullptr;
  OnClose onClose_ = OnClose::kFlush;
};

// Creates or opens the group's key (RegCreateKeyExW); empty when that fails or the group
// has no key. Closed flushed unless told otherwise.
RegistryKey OpenKeyGroup(KeyGroup group, RegistryKey::OnClose onClose = RegistryKey::OnClose::kFlush);
// Opens the group's key for reading only (RegOpenKeyExW); never creates it. Closed unflushed.
RegistryKey OpenKeyGroupForReading(KeyGroup group);
// Creates or opens any key; closed flushed unless told otherwise.
RegistryKey CreateRegistryKey(HKEY root, const wchar_t* path,
                              RegistryKey::OnClose onClose = RegistryKey::OnClose::kFlush);
