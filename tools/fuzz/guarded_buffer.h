#pragma once
// Memory for one input that ends exactly where an inaccessible page begins, so that the
// first read past the input faults at once instead of reading a neighbour's bytes.
#include <windows.h>

#include <cstddef>
#include <cstdint>

class GuardedBuffer {
 public:
  // Room for inputs of up to `capacity` bytes, followed by the guard page.
  explicit GuardedBuffer(std::size_t capacity);
  GuardedBuffer(const GuardedBuffer&) = delete;
  GuardedBuffer& operator=(const GuardedBuffer&) = delete;
  ~GuardedBuffer();

  explicit operator bool() const { return base_ != nullptr; }
  std::size_t Capacity() const { return capacity_; }

  // Copies the bytes (at most Capacity) so that the last one lies just before the guard;
  // returns where the first one now is. The pages wholly before the input are closed too,
  // so that a read far before its start faults as well.
  const std::uint8_t* Place(const std::uint8_t* data, std::size_t size);
  // Whether an address lies on either side of the current input, outside it.
  bool IsGuard(const void* address) const;

 private:
  std::uint8_t* base_ = nullptr;
  std::size_t capacity_ = 0;
  std::size_t page_ = 0;
  std::size_t openFrom_ = 0;  // offset of the first accessible page
};
