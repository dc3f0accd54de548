#pragma once
// The program's owned wide text: always null-terminated, grows with room to spare.
#include <cstddef>

class WideString {
 public:
  WideString();
  explicit WideString(const wchar_t* text);
  WideString(const WideString& other);
  WideString(WideString&& other) noexcept;
  WideString& operator=(const WideString& other);
  WideString& operator=(WideString&& other) noexcept;
  ~WideString();

  // Replace the text. A null text counts as empty. Returns false when memory ran out, in
  // which case the old text stays.
  bool Assign(const wchar_t* text);
  // Replace the text with at most `count` characters of `text`, stopping at a null.
  bool Assign(const wchar_t* text, std::size_t count);
  bool Append(const wchar_t* text);
  // printf-style formatting through one shared 1024-character buffer (use %ls for texts);
  // longer results are cut to 1023 characters.
  bool Format(const wchar_t* pattern, ...);

  const wchar_t* c_str() const { return buffer_; }
  wchar_t* Raw() { return buffer_; }
  std::size_t Length() const { return length_; }
  std::size_t Capacity() const { return capacity_; }
  bool Empty() const { return length_ == 0; }
  bool Equals(const wchar_t* text) const;  // exact, case-sensitive

  static constexpr std::size_t kInitialCapacity = 64;
  static constexpr std::size_t kSpare = 64;
  static constexpr std::size_t kFormatBuffer = 1024;

 private:
  bool Replace(const wchar_t* text, std::size_t count);

  wchar_t* buffer_;
  std::size_t capacity_;
  std::size_t length_;
};
