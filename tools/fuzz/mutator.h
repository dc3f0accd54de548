#pragma once
// Deterministic mutations of seed inputs: bit flips, byte sets, runs inserted, removed or
// copied, interesting numbers, splices of two seeds, truncation and words of the reader's
// format. The same generator seed gives the same inputs on every run.
#include <cstddef>
#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

class Mutator {
 public:
  explicit Mutator(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}

  // Words the reader's format is made of (headers, separators, keywords), inserted or
  // written over the input now and then.
  void SetDictionary(std::vector<Bytes> words) { words_ = std::move(words); }
  // Keeps mutations of text formats on whole UTF-16 code units.
  void SetUnit(std::size_t unit) { unit_ = unit ? unit : 1; }

  // A new input from one of the seeds (never empty), at most `limit` bytes.
  Bytes Next(const std::vector<Bytes>& seeds, std::size_t limit);

  std::uint64_t Random();
  std::size_t Below(std::size_t bound) { return bound ? static_cast<std::size_t>(Random() % bound) : 0; }

 private:
  void MutateOnce(Bytes& input, const std::vector<Bytes>& seeds, std::size_t limit);
  std::size_t Position(const Bytes& input);

  std::uint64_t state_;
  std::size_t unit_ = 1;
  std::vector<Bytes> words_;
};
