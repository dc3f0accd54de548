#pragma once
// Owns one reference to a COM object and releases it. Move-only.
#include <unknwn.h>

#include <utility>

template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  // Takes over a reference the caller already holds.
  explicit ComRef(Interface* pointer) : pointer_(pointer) {}
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ComRef(ComRef&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComRef& operator=(ComRef&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.pointer_, nullptr));
    return *this;
  }
  ~ComRef() { Reset(); }

  void Reset(Interface* pointer = nullptr) {
    if (pointer_) pointer_->Release();
    pointer_ = pointer;
  }
  Interface** Put() {
    Reset();
    return &pointer_;
  }
  // Hands the reference to the caller.
  Interface* Detach() { return std::exchange(pointer_, nullptr); }
  Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  Interface* pointer_ = nullptr;
};
