#include "settings/base/wide_string.h"

#include <cstdarg>
#include <cwchar>
#include <new>
#include <utility>

namespace {

wchar_t g_emptyText[1] = {L'\0'};  // a buffer for strings whose allocation failed

std::size_t BoundedLength(const wchar_t* text, std::size_t count) {
  std::size_t n = 0;
  while (n < count && text[n] != L'\0') ++n;
  return n;
}

}  // namespace

WideString::WideString() : buffer_(new (std::nothrow) wchar_t[kInitialCapacity]), capacity_(kInitialCapacity), length_(0) {
  if (!buffer_) {
    buffer_ = g_emptyText;
    capacity_ = 0;
  }
  buffer_[0] = L'\0';
}

WideString::WideString(const wchar_t* text) : WideString() { Assign(text); }

WideString::WideString(const WideString& other) : WideString() { Assign(other.buffer_, other.length_); }

WideString::WideString(WideString&& other) noexcept
    : buffer_(std::exchange(other.buffer_, g_emptyText)),
      capacity_(std::exchange(other.capacity_, 0)),
      length_(std::exchange(other.length_, 0)) {}

WideString& WideString::operator=(const WideString& other) {
  if (this != &other) Assign(other.buffer_, other.length_);
  return *this;
}

WideString& WideString::operator=(WideString&& other) noexcept {
  if (this != &other) {
    std::swap(buffer_, other.buffer_);
    std::swap(capacity_, other.capacity_);
    std::swap(length_, other.length_);
  }
  return *this;
}

WideString::~WideString() {
  if (capacity_ != 0) delete[] buffer_;
}

bool WideString::Replace(const wchar_t* text, std::size_t count) {
  if (count + 4 > capacity_) {
    // The new buffer is filled before the old one goes, so a text taken from this very
    // string survives.
    auto* fresh = new (std::nothrow) wchar_t[count + kSpare];
    if (!fresh) return false;
    wmemcpy(fresh, text, count);
    if (capacity_ != 0) delete[] buffer_;
    buffer_ = fresh;
    capacity_ = count + kSpare;
  } else {
    wmemmove(buffer_, text, count);
  }
  buffer_[count] = L'\0';
  length_ = count;
  return true;
}

bool WideString::Assign(const wchar_t* text) { return Assign(text, static_cast<std::size_t>(-1)); }

bool WideString::Assign(const wchar_t* text, std::size_t count) {
  if (!text) return Replace(L"", 0);
  return Replace(text, BoundedLength(text, count));
}

bool WideString::Append(const wchar_t* text) {
  if (!text) return true;
  std::size_t added = wcslen(text);
  std::size_t total = length_ + added;
  if (total + 4 > capacity_) {
    auto* fresh = new (std::nothrow) wchar_t[total + kSpare];
    if (!fresh) return false;
    wmemcpy(fresh, buffer_, length_);
    wmemcpy(fresh + length_, text, added);
    if (capacity_ != 0) delete[] buffer_;
    buffer_ = fresh;
    capacity_ = total + kSpare;
  } else {
    wmemmove(buffer_ + length_, text, added);
  }
  buffer_[total] = L'\0';
  length_ = total;
  return true;
}

bool WideString::Format(const wchar_t* pattern, ...) {
  // One shared buffer is enough: the program runs on one thread.
  static wchar_t shared[kFormatBuffer];
  va_list args;
  va_start(args, pattern);
  // A result that does not fit is cut, not terminated, by the runtime: end it here.
  _vsnwprintf(shared, kFormatBuffer - 1, pattern, args);
  va_end(args);
  shared[kFormatBuffer - 1] = L'\0';
  return Assign(shared);
}

bool WideString::Equals(const wchar_t* text) const { return wcscmp(buffer_, text ? text : L"") == 0; }
