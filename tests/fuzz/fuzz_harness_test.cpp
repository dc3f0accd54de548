// The fuzzer's own machinery: inputs that end at an inaccessible page, and mutations that
// repeat from a seed and respect the reader's limits.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tools/fuzz/guarded_buffer.h"
#include "tools/fuzz/mutator.h"

namespace {

DWORD Protection(const void* address) {
  MEMORY_BASIC_INFORMATION info{};
  if (!VirtualQuery(address, &info, sizeof info)) return 0;
  return info.Protect;
}

TEST(GuardedBuffer, InputsOfEverySizeEndAtAClosedPageAndOnlyTheirPagesAreOpen) {
  GuardedBuffer buffer(3 * 4096 + 1);
  ASSERT_TRUE(buffer);
  ASSERT_GE(buffer.Capacity(), 3u * 4096 + 1);
  std::vector<std::uint8_t> input(buffer.Capacity() + 10);
  for (std::size_t i = 0; i < input.size(); ++i) input[i] = static_cast<std::uint8_t>(i * 7 + 1);

  // Large, small, empty, then large again: the pages below a shrinking input close again.
  for (std::size_t size : {std::size_t{9000}, std::size_t{5}, std::size_t{0}, buffer.Capacity() + 10, std::size_t{4097}}) {
    const std::uint8_t* placed = buffer.Place(input.data(), size);
    const std::size_t kept = size < buffer.Capacity() ? size : buffer.Capacity();
    SCOPED_TRACE(size);
    EXPECT_EQ(0, std::memcmp(placed, input.data(), kept));
    EXPECT_EQ(static_cast<DWORD>(PAGE_NOACCESS), Protection(placed + kept));
    EXPECT_TRUE(buffer.IsGuard(placed + kept));
    if (kept >= 1) {
      EXPECT_FALSE(buffer.IsGuard(placed));
      EXPECT_EQ(static_cast<DWORD>(PAGE_READWRITE), Protection(placed));
    }
    // A page wholly below the input is closed.
    const std::uint8_t* below = placed - 4096 - (reinterpret_cast<ULONG_PTR>(placed) % 4096);
    EXPECT_EQ(static_cast<DWORD>(PAGE_NOACCESS), Protection(below));
    EXPECT_TRUE(buffer.IsGuard(below));
  }
}

TEST(Mutator, TheSameSeedGivesTheSameInputsWithinTheLimitAndInWholeCodeUnits) {
  const std::vector<Bytes> seeds = {Bytes{'A', 0, 'B', 0, '\n', 0}, Bytes(300, 0x41)};
  Mutator first(7), second(7), other(8);
  first.SetUnit(2);
  second.SetUnit(2);
  other.SetUnit(2);
  const std::vector<Bytes> words = {Bytes{'[', 0}, Bytes{'"', 0, '=', 0}};
  first.SetDictionary(words);
  second.SetDictionary(words);
  other.SetDictionary(words);
  int differences = 0;
  for (int i = 0; i < 2000; ++i) {
    const Bytes a = first.Next(seeds, 256);
    const Bytes b = second.Next(seeds, 256);
    ASSERT_EQ(a, b);
    ASSERT_FALSE(a.empty());
    ASSERT_LE(a.size(), 256u);
    if (a.size() > 1) ASSERT_EQ(0u, a.size() % 2);
    if (other.Next(seeds, 256) != a) ++differences;
  }
  // Another seed takes another path.
  EXPECT_GT(differences, 1500);
}

}  // namespace
