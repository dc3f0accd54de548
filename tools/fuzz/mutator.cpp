#include "tools/fuzz/mutator.h"

#include <algorithm>
#include <cstring>

namespace {

// Values at the edges of the sizes and counts readers check.
constexpr std::uint32_t kInteresting[] = {0,     1,      2,      0x7F,       0x80,       0xFF,      0x100,
                                          0x7FFF, 0x8000, 0xFFFF, 0x10000,   0x7FFFFFFF, 0x80000000, 0xFFFFFFFF,
                                          16,    32,     64,     1632,       4096,       65535,     24};

}  // namespace

std::uint64_t Mutator::Random() {
  // xorshift64*: fast and the same everywhere.
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return state_ * 2685821657736338717ull;
}

std::size_t Mutator::Position(const Bytes& input) { return Below(input.size() / unit_ + 1) * unit_; }

Bytes Mutator::Next(const std::vector<Bytes>& seeds, std::size_t limit) {
  Bytes input = seeds.empty() ? Bytes(16, 0) : seeds[Below(seeds.size())];
  const std::size_t rounds = 1 + Below(Below(8) + 1);
  for (std::size_t i = 0; i < rounds; ++i) MutateOnce(input, seeds, limit);
  if (input.size() > limit) input.resize(limit);
  if (input.empty()) input.push_back(static_cast<std::uint8_t>(Random()));
  return input;
}

void Mutator::MutateOnce(Bytes& input, const std::vector<Bytes>& seeds, std::size_t limit) {
  if (input.empty()) input.resize(unit_, 0);
  const std::size_t at = std::min(Position(input), input.size() - 1);
  switch (Below(11)) {
    case 0:  // one bit
      input[at] ^= static_cast<std::uint8_t>(1u << Below(8));
      break;
    case 1:  // one byte
      input[at] = static_cast<std::uint8_t>(Random());
      break;
    case 2: {  // an interesting number, 1, 2 or 4 bytes little-endian
      const std::uint32_t value = kInteresting[Below(std::size(kInteresting))];
      const std::size_t width = std::size_t{1} << Below(3);
      for (std::size_t i = 0; i < width && at + i < input.size(); ++i)
        input[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
      break;
    }
    case 3: {  // a run inserted
      const std::size_t length = (1 + Below(Below(64) + 1)) * unit_;
      const std::uint8_t fill = Below(2) ? static_cast<std::uint8_t>(Random()) : 0;
      Bytes run(length, fill);
      if (Below(2))
        for (auto& byte : run) byte = static_cast<std::uint8_t>(Random());
      input.insert(input.begin() + static_cast<std::ptrdiff_t>(Position(input)), run.begin(), run.end());
      break;
    }
    case 4: {  // a run removed
      const std::size_t from = Position(input);
      if (from >= input.size()) break;
      const std::size_t length = std::min(input.size() - from, (1 + Below(Below(128) + 1)) * unit_);
      input.erase(input.begin() + static_cast<std::ptrdiff_t>(from),
                  input.begin() + static_cast<std::ptrdiff_t>(from + length));
      break;
    }
    case 5: {  // a run copied over another place
      const std::size_t from = Position(input), to = Position(input);
      if (from >= input.size() || to >= input.size()) break;
      const std::size_t length = std::min({input.size() - from, input.size() - to, 1 + Below(64)});
      std::memmove(input.data() + to, input.data() + from, length);
      break;
    }
    case 6: {  // spliced: this input's head, another seed's tail
      if (seeds.empty()) break;
      const Bytes& other = seeds[Below(seeds.size())];
      const std::size_t cut = Position(input);
      const std::size_t otherCut = Below(other.size() / unit_ + 1) * unit_;
      input.resize(std::min(cut, input.size()));
      if (otherCut < other.size()) input.insert(input.end(), other.begin() + static_cast<std::ptrdiff_t>(otherCut), other.end());
      break;
    }
    case 7:  // truncated
      input.resize(std::min(input.size(), Position(input)));
      break;
    case 8:
    case 9: {  // a word of the format, inserted or written over
      if (words_.empty()) break;
      const Bytes& word = words_[Below(words_.size())];
      const std::size_t to = Position(input);
      if (Below(2)) {
        input.insert(input.begin() + static_cast<std::ptrdiff_t>(std::min(to, input.size())), word.begin(), word.end());
      } else {
        if (to + word.size() > input.size()) input.resize(to + word.size());
        std::memcpy(input.data() + to, word.data(), word.size());
      }
      break;
    }
    default: {  // the same byte repeated over a stretch
      const std::size_t length = std::min(input.size() - at, 1 + Below(32));
      std::memset(input.data() + at, Below(2) ? 0xFF : 0, length);
      break;
    }
  }
  if (input.size() > limit * 2) input.resize(limit);
}
