#include "platform/imaging_server/zlib_inflate.h"

#include <cstring>

namespace {

// Bits are taken from the least significant end of each byte, as deflate packs them.
class BitReader {
 public:
  BitReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  // Fills the buffer to at least 57 bits while input remains.
  void Refill() {
    while (count_ <= 56 && at_ < size_) {
      bits_ |= static_cast<std::uint64_t>(data_[at_++]) << count_;
      count_ += 8;
    }
  }
  int Count() const { return count_; }
  // The next n bits, zeros beyond the end of the input.
  std::uint32_t Peek(int n) const { return static_cast<std::uint32_t>(bits_ & ((std::uint64_t{1} << n) - 1)); }
  void Drop(int n) {
    bits_ >>= n;
    count_ -= n;
  }
  bool Take(int n, std::uint32_t& value) {
    if (count_ < n) Refill();
    if (count_ < n) return false;
    value = Peek(n);
    Drop(n);
    return true;
  }
  void AlignToByte() { Drop(count_ & 7); }
  // Copies n whole bytes after AlignToByte: first those in the bit buffer, then the input's.
  bool CopyBytes(std::uint8_t* out, std::size_t n) {
    for (; n > 0 && count_ >= 8; --n) {
      *out++ = static_cast<std::uint8_t>(bits_);
      Drop(8);
    }
    if (n > size_ - at_) return false;
    std::memcpy(out, data_ + at_, n);
    at_ += n;
    return true;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  std::uint64_t bits_ = 0;
  int count_ = 0;
};

constexpr int kMaxCodeLength = 15;
constexpr int kFastBits = 10;

// A canonical Huffman code: codes up to kFastBits long are found with one table look-up,
// longer ones by walking the code lengths.
struct Huffman {
  std::uint16_t count[kMaxCodeLength + 1];
  std::uint16_t symbol[288];
  std::uint16_t fast[1 << kFastBits];  // (length << 9) | symbol; 0 for longer codes

  // False for an over-subscribed set of lengths. Incomplete codes are accepted: a code
  // nobody was given fails when it is read.
  bool Build(const std::uint8_t* lengths, int symbols) {
    std::memset(count, 0, sizeof count);
    for (int index = 0; index < symbols; ++index) ++count[lengths[index]];
    count[0] = 0;
    int left = 1;
    for (int length = 1; length <= kMaxCodeLength; ++length) {
      left = (left << 1) - count[length];
      if (left < 0) return false;
    }
    std::uint16_t offset[kMaxCodeLength + 2] = {};
    std::uint32_t next[kMaxCodeLength + 1] = {};
    for (int length = 1; length <= kMaxCodeLength; ++length) {
      offset[length + 1] = static_cast<std::uint16_t>(offset[length] + count[length]);
      next[length] = length == 1 ? 0 : (next[length - 1] + count[length - 1]) << 1;
    }
    std::memset(fast, 0, sizeof fast);
    for (int index = 0; index < symbols; ++index) {
      const int length = lengths[index];
      if (length == 0) continue;
      symbol[offset[length]++] = static_cast<std::uint16_t>(index);
      const std::uint32_t code = next[length]++;
      if (length > kFastBits) continue;
      std::uint32_t reversed = 0;
      for (int bit = 0; bit < length; ++bit) reversed |= ((code >> bit) & 1) << (length - 1 - bit);
      for (std::uint32_t at = reversed; at < (1u << kFastBits); at += 1u << length)
        fast[at] = static_cast<std::uint16_t>((length << 9) | index);
    }
    return true;
  }

  // The next symbol, or -1 when the bits are no code or the input ends.
  int Decode(BitReader& in) const {
    if (in.Count() < kMaxCodeLength) in.Refill();
    const std::uint16_t entry = fast[in.Peek(kFastBits)];
    if (entry) {
      const int length = entry >> 9;
      if (length > in.Count()) return -1;
      in.Drop(length);
      return entry & 511;
    }
    int code = 0, first = 0, index = 0;
    for (int length = 1; length <= kMaxCodeLength; ++length) {
      if (in.Count() < 1) return -1;
      code |= static_cast<int>(in.Peek(1));
      in.Drop(1);
      const int codes = count[length];
      if (code - codes < first) return symbol[index + (code - first)];
      index += codes;
      first = (first + codes) << 1;
      code <<= 1;
    }
    return -1;
  }
};

constexpr std::uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                           31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::uint16_t kDistanceBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                             33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                             1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

enum class BlockEnd { kMore, kOutputFull, kBroken };

class Inflater {
 public:
  Inflater(const std::uint8_t* data, std::size_t size, std::uint8_t* out, std::size_t outSize)
      : in_(data, size), out_(out), outSize_(outSize) {}

  bool Run() {
    std::uint32_t last = 0, type = 0;
    while (produced_ < outSize_) {
      if (!in_.Take(1, last) || !in_.Take(2, type)) return false;
      BlockEnd end = BlockEnd::kBroken;
      if (type == 0) end = Stored();
      else if (type == 1) end = Fixed();
      else if (type == 2) end = Dynamic();
      if (end == BlockEnd::kBroken) return false;
      if (end == BlockEnd::kOutputFull) return true;
      if (last) return produced_ == outSize_;
    }
    return true;
  }

 private:
  BlockEnd Full() const { return produced_ == outSize_ ? BlockEnd::kOutputFull : BlockEnd::kMore; }

  BlockEnd Stored() {
    in_.AlignToByte();
    std::uint32_t length = 0, complement = 0;
    if (!in_.Take(16, length) || !in_.Take(16, complement) || (length ^ 0xFFFF) != complement) return BlockEnd::kBroken;
    const std::size_t room = outSize_ - produced_;
    const std::size_t copied = length < room ? length : room;
    if (!in_.CopyBytes(out_ + produced_, copied)) return BlockEnd::kBroken;
    produced_ += copied;
    return Full();
  }

  BlockEnd Fixed() {
    std::uint8_t lengths[288 + 30];
    std::memset(lengths, 8, 144);
    std::memset(lengths + 144, 9, 112);
    std::memset(lengths + 256, 7, 24);
    std::memset(lengths + 280, 8, 8);
    std::memset(lengths + 288, 5, 30);
    literals_.Build(lengths, 288);
    distances_.Build(lengths + 288, 30);
    return Codes();
  }

  BlockEnd Dynamic() {
    static constexpr std::uint8_t kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    std::uint32_t literalCount = 0, distanceCount = 0, lengthCodes = 0;
    if (!in_.Take(5, literalCount) || !in_.Take(5, distanceCount) || !in_.Take(4, lengthCodes))
      return BlockEnd::kBroken;
    literalCount += 257;
    distanceCount += 1;
    lengthCodes += 4;
    if (literalCount > 286 || distanceCount > 30) return BlockEnd::kBroken;

    std::uint8_t lengths[286 + 30] = {};
    for (std::uint32_t index = 0; index < lengthCodes; ++index) {
      std::uint32_t length = 0;
      if (!in_.Take(3, length)) return BlockEnd::kBroken;
      lengths[kOrder[index]] = static_cast<std::uint8_t>(length);
    }
    if (!literals_.Build(lengths, 19)) return BlockEnd::kBroken;

    const std::uint32_t total = literalCount + distanceCount;
    std::memset(lengths, 0, sizeof lengths);
    for (std::uint32_t index = 0; index < total;) {
      const int code = literals_.Decode(in_);
      if (code < 0) return BlockEnd::kBroken;
      if (code < 16) {
        lengths[index++] = static_cast<std::uint8_t>(code);
        continue;
      }
      std::uint8_t repeated = 0;
      std::uint32_t times = 0;
      if (code == 16) {
        if (index == 0 || !in_.Take(2, times)) return BlockEnd::kBroken;
        repeated = lengths[index - 1];
        times += 3;
      } else if (code == 17) {
        if (!in_.Take(3, times)) return BlockEnd::kBroken;
        times += 3;
      } else {
        if (!in_.Take(7, times)) return BlockEnd::kBroken;
        times += 11;
      }
      if (times > total - index) return BlockEnd::kBroken;
      while (times--) lengths[index++] = repeated;
    }
    // A block without its end-of-block code could never end.
    if (lengths[256] == 0) return BlockEnd::kBroken;
    if (!literals_.Build(lengths, static_cast<int>(literalCount)) ||
        !distances_.Build(lengths + literalCount, static_cast<int>(distanceCount)))
      return BlockEnd::kBroken;
    return Codes();
  }

  BlockEnd Codes() {
    for (;;) {
      const int symbol = literals_.Decode(in_);
      if (symbol < 0) return BlockEnd::kBroken;
      if (symbol < 256) {
        out_[produced_++] = static_cast<std::uint8_t>(symbol);
        if (produced_ == outSize_) return BlockEnd::kOutputFull;
        continue;
      }
      if (symbol == 256) return BlockEnd::kMore;
      const int lengthCode = symbol - 257;
      if (lengthCode >= 29) return BlockEnd::kBroken;
      std::uint32_t extra = 0;
      if (!in_.Take(kLengthExtra[lengthCode], extra)) return BlockEnd::kBroken;
      std::size_t length = kLengthBase[lengthCode] + extra;
      const int distanceCode = distances_.Decode(in_);
      if (distanceCode < 0 || distanceCode >= 30) return BlockEnd::kBroken;
      if (!in_.Take(kDistanceExtra[distanceCode], extra)) return BlockEnd::kBroken;
      const std::size_t distance = kDistanceBase[distanceCode] + extra;
      if (distance > produced_) return BlockEnd::kBroken;
      if (length > outSize_ - produced_) length = outSize_ - produced_;
      // Byte by byte: a match may overlap the bytes it repeats.
      std::uint8_t* to = out_ + produced_;
      const std::uint8_t* from = to - distance;
      for (std::size_t index = 0; index < length; ++index) to[index] = from[index];
      produced_ += length;
      if (produced_ == outSize_) return BlockEnd::kOutputFull;
    }
  }

  BitReader in_;
  std::uint8_t* out_;
  std::size_t outSize_;
  std::size_t produced_ = 0;
  Huffman literals_;
  Huffman distances_;
};

}  // namespace

bool ZlibInflate(const std::uint8_t* data, std::size_t size, std::uint8_t* out, std::size_t outSize) {
  if (!data || !out || size < 2) return false;
  const unsigned method = data[0], flags = data[1];
  // Deflate with a window of at most 32 KB, a valid check, and no preset dictionary.
  if ((method & 15) != 8 || (method >> 4) > 7 || (method * 256 + flags) % 31 != 0 || (flags & 0x20)) return false;
  if (outSize == 0) return true;
  Inflater inflater(data + 2, size - 2, out, outSize);
  return inflater.Run();
}
