#include "tools/fuzz/guarded_buffer.h"

#include <cstring>

namespace {

std::size_t PageSize() {
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  return info.dwPageSize;
}

}  // namespace

GuardedBuffer::GuardedBuffer(std::size_t capacity) : page_(PageSize()) {
  capacity_ = (capacity + page_ - 1) / page_ * page_;
  // One inaccessible page in front too: the pages below the input are closed as it shrinks.
  void* region = VirtualAlloc(nullptr, capacity_ + 2 * page_, MEM_RESERVE | MEM_COMMIT, PAGE_NOACCESS);
  if (!region) return;
  base_ = static_cast<std::uint8_t*>(region) + page_;
  openFrom_ = capacity_;
}

GuardedBuffer::~GuardedBuffer() {
  if (base_) VirtualFree(base_ - page_, 0, MEM_RELEASE);
}

const std::uint8_t* GuardedBuffer::Place(const std::uint8_t* data, std::size_t size) {
  if (size > capacity_) size = capacity_;
  const std::size_t start = capacity_ - size;
  const std::size_t firstPage = start / page_ * page_;
  DWORD previous = 0;
  if (firstPage != openFrom_) {
    // Only the pages the input touches are readable; the ones below it stay closed.
    if (openFrom_ < capacity_) VirtualProtect(base_ + openFrom_, capacity_ - openFrom_, PAGE_NOACCESS, &previous);
    if (firstPage < capacity_) VirtualProtect(base_ + firstPage, capacity_ - firstPage, PAGE_READWRITE, &previous);
    openFrom_ = firstPage;
  }
  std::uint8_t* at = base_ + start;
  // Whatever shares the first page with the input must not look like more input.
  std::memset(base_ + firstPage, 0xCD, start - firstPage);
  if (size) std::memcpy(at, data, size);
  return at;
}

bool GuardedBuffer::IsGuard(const void* address) const {
  if (!base_) return false;
  const auto* at = static_cast<const std::uint8_t*>(address);
  const bool below = at >= base_ - page_ && at < base_ + openFrom_;
  const bool above = at >= base_ + capacity_ && at < base_ + capacity_ + page_;
  return below || above;
}
