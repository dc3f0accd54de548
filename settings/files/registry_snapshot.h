#pragma once
// A copy of a registry key with all its values (of every type, byte for byte) and sub-keys,
// taken before a change that must be all or nothing and put back when the change fails.
// The registry offers no working transaction here, so the copy is the undo.
#include <windows.h>

#include <string>
#include <vector>

class RegistrySnapshot {
 public:
  // Copies root\path; a missing key is remembered as missing. False when the key exists but
  // could not be read whole.
  bool Take(HKEY root, const wchar_t* path);
  // Deletes root\path as it is now and writes the copy back (or leaves it deleted when it
  // was missing). False when some part could not be written.
  bool Restore() const;

 private:
  struct Value {
    std::wstring name;
    DWORD type = 0;
    std::vector<BYTE> data;
  };
  struct Key {
    std::wstring name;
    std::vector<Value> values;
    std::vector<Key> children;
  };

  static bool ReadKey(HKEY key, Key& out);
  static bool WriteKey(HKEY parent, const Key& key);

  HKEY root_ = nullptr;
  std::wstring path_;
  bool existed_ = false;
  Key tree_;
};
