#pragma once
// Owns a BSTR that QMLinker allocated to hand to Pocket Outlook, and frees it. Move-only.
// Texts that Pocket Outlook returns are freed with its own SysFreeString instead
// (poom_session.h).
#include <windows.h>
#include <oleauto.h>

#include <utility>

class BString {
 public:
  explicit BString(const wchar_t* text) : text_(SysAllocString(text)) {}
  BString(const BString&) = delete;
  BString& operator=(const BString&) = delete;
  BString(BString&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
  BString& operator=(BString&& other) noexcept {
    if (this != &other) {
      SysFreeString(text_);
      text_ = std::exchange(other.text_, nullptr);
    }
    return *this;
  }
  ~BString() { SysFreeString(text_); }

  BSTR Get() const { return text_; }

 private:
  BSTR text_;
};
