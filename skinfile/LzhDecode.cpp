// Block decoder behind DecompressStream: the whole source in memory, a 64-bit
// bit buffer, and output composed in a linear window handed on in large blocks.
#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <new>

#include "skinfile/Lzh.h"
#include "skinfile/LzhTables.h"
#include "skinfile/LzhTree.h"

namespace pelorin {

using namespace lzh;

namespace {

constexpr size_t kBlock = size_t(1) << 18;  // bytes handed to the sink at a time
constexpr size_t kPadding = 8;              // zero bytes after the input for whole-word loads

inline uint64_t LoadBigEndian64(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, sizeof v);
  if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
  return v;
}

// Reads bits most significant first; input past the end reads as zero bits.
// The buffer behind data holds size + kPadding bytes, the tail zero.
class TBitReader {
public:
  TBitReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  // Leaves at least 56 valid bits.
  void Refill() {
    if (pos_ <= size_) {
      buf_ |= LoadBigEndian64(data_ + pos_) >> count_;
      pos_ += (63 - count_) >> 3;
      count_ |= 56;
    } else {
      count_ = 56;  // nothing but zero bits remain, and those are already in place
    }
  }
  unsigned Count() const { return count_; }
  unsigned TakeBit() {
    const unsigned bit = static_cast<unsigned>(buf_ >> 63);
    buf_ <<= 1;
    --count_;
    return bit;
  }
  unsigned Peek8() const { return static_cast<unsigned>(buf_ >> 56); }
  void Skip(unsigned n) {  // n <= Count()
    buf_ <<= n;
    count_ -= n;
  }
  unsigned Take(unsigned n) {  // 1 <= n <= 32
    const unsigned v = static_cast<unsigned>(buf_ >> (64 - n));
    buf_ <<= n;
    count_ -= n;
    return v;
  }

private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  uint64_t buf_ = 0;
  unsigned count_ = 0;
};

// The first eight levels of the tree as one table: the next eight bits give
// the slot they lead to (or the leaf slot met earlier) and how many of them
// that took. The slots whose children the table follows are marked; when the
// children of a marked slot change, the part of the table under it is filled
// again. Such swaps are rare near the root, where one costs most.
class TTopLevels {
public:
  static constexpr unsigned kBits = 8;

  struct TEntry {
    uint16_t slot;
    uint16_t bits;
  };

  explicit TTopLevels(const THuffTree& tree) : tree_(tree) {}

  const TEntry& Lookup(unsigned next8) {
    if (stale_) [[unlikely]] Build();
    return entries_[next8];
  }
  void Invalidate() { stale_ = true; }
  void Swapped(unsigned a, unsigned b) {
    if (followed_[a] | followed_[b]) [[unlikely]] Refill(a, b);
  }

private:
  void Build() {
    std::memset(followed_, 0, sizeof followed_);
    Fill(R, 0, 0);
    stale_ = false;
  }
  // a and b hold each other's former subtrees: the marks below them are
  // dropped, and the table is filled again under whichever the table follows.
  void Refill(unsigned a, unsigned b) {
    const bool fa = followed_[a], fb = followed_[b];
    UnmarkBelow(a);
    UnmarkBelow(b);
    if (fa) Fill(a, place_[a] >> 8, place_[a] & 0xFF);
    if (fb) Fill(b, place_[b] >> 8, place_[b] & 0xFF);
  }
  void UnmarkBelow(unsigned slot) {
    const unsigned s = tree_.son[slot];
    if (s >= T) return;
    for (unsigned child : {s, s + 1}) {
      if (followed_[child]) {
        followed_[child] = 0;
        UnmarkBelow(child);
      }
    }
  }
  void Fill(unsigned slot, unsigned depth, unsigned prefix) {
    // Leaf slots above the last level are watched too: an internal node
    // moving into one deserves entries of its own.
    followed_[slot] = depth < kBits;
    place_[slot] = static_cast<uint16_t>(depth << 8 | prefix);
    const unsigned s = tree_.son[slot];
    if (depth == kBits || s >= T) {
      const unsigned span = 1u << (kBits - depth);
      const TEntry e{static_cast<uint16_t>(slot), static_cast<uint16_t>(depth)};
      for (unsigned i = 0; i < span; ++i) entries_[(prefix << (kBits - depth)) + i] = e;
      return;
    }
    Fill(s, depth + 1, prefix << 1);
    Fill(s + 1, depth + 1, prefix << 1 | 1);
  }

  const THuffTree& tree_;
  bool stale_ = true;
  uint8_t followed_[T];
  uint16_t place_[T];  // depth << 8 | path bits of each followed slot
  TEntry entries_[1u << kBits];
};

template <typename T, typename... Args>
std::unique_ptr<T> AllocTables(Args&&... args) {
  try {
    return std::make_unique<T>(std::forward<Args>(args)...);
  } catch (const std::bad_alloc&) {
    throw ElzhException(SLzhNoMemory);
  }
}

// Decodes textSize bytes (a final match runs to its end) from the padded input
// and passes them to sink(const uint8_t*, size_t) in blocks.
template <typename Sink>
void DecodeBlocks(const uint8_t* src, size_t srcSize, int64_t textSize, Sink&& sink) {
  auto tree = AllocTables<THuffTree>();
  tree->Start();
  auto top = AllocTables<TTopLevels>(*tree);
  // out[0, N) mirrors the initial window in stream order: its first F bytes
  // stand for the window tail that no byte has been written to yet (zero),
  // the rest for the pre-filled spaces. Output follows it.
  // Small texts (most archive entries) get a window of their own size.
  const size_t block = static_cast<size_t>(std::min<int64_t>(textSize, kBlock));
  auto window = AllocTables<std::vector<uint8_t>>(N + block + 2 * F);
  uint8_t* out = window->data();
  std::memset(out + F, ' ', N - F);
  size_t p = N;

  const auto& pos = kPositionTables;
  const auto* son = tree->son;
  TBitReader in(src, srcSize);
  int64_t count = 0;
  while (count < textSize) {
    if (in.Count() < 40) in.Refill();
    const auto& entry = top->Lookup(in.Peek8());
    in.Skip(entry.bits);
    unsigned c = son[entry.slot];
    // No refill on the way down: at least 32 bits remain, and no leaf lies
    // more than 21 levels below the root, since a node's ancestors weigh at
    // least as much as the Fibonacci numbers and the root stays at most MAX_FREQ.
    while (c < T) c = son[c + in.TakeBit()];
    c -= T;
    if (tree->freq[R] == MAX_FREQ) top->Invalidate();
    tree->Update(c, [&top](unsigned a, unsigned b) { top->Swapped(a, b); });
    if (c < 256) {
      out[p++] = static_cast<uint8_t>(c);
      ++count;
    } else {
      if (in.Count() < 14) in.Refill();
      const unsigned first = in.Peek8();
      const unsigned low = in.Take(pos.dLen[first] + 6) & 0x3F;
      const size_t distance = (size_t(pos.dCode[first]) << 6 | low) + 1;
      const unsigned length = c - 255 + THRESHOLD;
      uint8_t* dst = out + p;
      const uint8_t* from = dst - distance;
      if (distance >= 8) {
        // Whole words never read bytes this copy has yet to write; the last
        // word may spill up to 7 bytes past the match into the slack.
        for (unsigned k = 0; k < length; k += 8) std::memcpy(dst + k, from + k, 8);
      } else if (distance == 1) {
        std::memset(dst, *from, length);
      } else {
        for (unsigned k = 0; k < length; ++k) dst[k] = from[k];
      }
      p += length;
      count += length;
    }
    if (p >= N + kBlock) {
      sink(out + N, p - N);
      std::memmove(out, out + p - N, N);
      p = N;
    }
  }
  if (p > N) sink(out + N, p - N);
}

// Reads the length field and the bit stream of source into memory; returns
// the length, or 0 when nothing is to be decoded.
int32_t LoadSource(TStream& source, std::vector<uint8_t>& bits) {
  source.SetPosition(0);
  const int64_t size = source.GetSize();
  if (size < 4) throw ElzhException(SLzhNoLength);
  const int32_t textSize = source.ReadInt32LE();
  if (textSize <= 0) return 0;
  // Refused before anything is allocated: a few bytes claiming gigabytes.
  if (textSize > MaxTextSize((size - 4) * 8)) throw ElzhException(SLzhLengthTooLarge);
  bits.assign(static_cast<size_t>(size - 4) + kPadding, 0);
  source.ReadBuffer(bits.data(), size - 4);
  return textSize;
}

}  // namespace

void DecompressStream(TStream& source, TStream& dest) {
  std::vector<uint8_t> bits;
  dest.SetPosition(0);
  const int32_t textSize = LoadSource(source, bits);
  if (textSize == 0) return;
  DecodeBlocks(bits.data(), bits.size() - kPadding, textSize,
               [&dest](const uint8_t* block, size_t n) { dest.WriteBuffer(block, static_cast<int64_t>(n)); });
}

std::vector<uint8_t> DecompressBytes(const uint8_t* data, size_t size) {
  TMemoryStream source;
  source.Assign(data, size);
  std::vector<uint8_t> bits;
  const int32_t textSize = LoadSource(source, bits);
  std::vector<uint8_t> result;
  if (textSize == 0) return result;
  result.reserve(static_cast<size_t>(textSize) + F);
  DecodeBlocks(bits.data(), bits.size() - kPadding, textSize,
               [&result](const uint8_t* block, size_t n) { result.insert(result.end(), block, block + n); });
  return result;
}

}  // namespace pelorin
