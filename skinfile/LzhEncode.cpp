// Encoder of the LZH stream: longest-match search over the 4096-byte window
// with hash chains, coded through the same adaptive tree as the decoder.
#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <memory>

#include "skinfile/Lzh.h"
#include "skinfile/LzhTables.h"
#include "skinfile/LzhTree.h"

namespace pelorin {

using namespace lzh;

namespace {

constexpr int kHashBits = 15;
constexpr size_t kChainSize = 2 * N;  // chain links survive as long as they are in the window
constexpr int kMaxChain = 4096;       // a full window: the search finds the true longest match

// Writes bits most significant first; the last byte is padded with zeros.
class TBitWriter {
public:
  explicit TBitWriter(std::vector<uint8_t>& out) : out_(out) {}
  void Put(uint32_t value, unsigned n) {  // n <= 32
    acc_ = (acc_ << n) | value;
    count_ += n;
    if (count_ >= 32) {
      count_ -= 32;
      const uint32_t word = static_cast<uint32_t>(acc_ >> count_);
      const uint8_t bytes[4] = {uint8_t(word >> 24), uint8_t(word >> 16), uint8_t(word >> 8), uint8_t(word)};
      out_.insert(out_.end(), bytes, bytes + 4);
    }
  }
  void Finish() {
    while (count_ >= 8) {
      count_ -= 8;
      out_.push_back(static_cast<uint8_t>(acc_ >> count_));
    }
    if (count_ > 0) out_.push_back(static_cast<uint8_t>(acc_ << (8 - count_)));
    count_ = 0;
  }

private:
  std::vector<uint8_t>& out_;
  uint64_t acc_ = 0;
  unsigned count_ = 0;
};

class TEncoder {
public:
  explicit TEncoder(std::vector<uint8_t>& out) : bits_(out) { tree_.Start(); }

  void Literal(uint8_t b) { EncodeChar(b); }
  void Match(unsigned length, unsigned distance) {  // distance 1 .. N
    EncodeChar(255 - THRESHOLD + length);
    const unsigned d = distance - 1;
    const auto& pos = kPositionTables;
    const unsigned u = d >> 6;
    bits_.Put(pos.pCode[u] >> (8 - pos.pLen[u]), pos.pLen[u]);
    bits_.Put(d & 0x3F, 6);
  }
  void Finish() { bits_.Finish(); }

private:
  void EncodeChar(unsigned c) {
    // The code is the path from the root; node slots pair up as (even, odd)
    // children, so a node's own slot number gives its bit.
    uint64_t code = 0;
    unsigned len = 0;
    unsigned k = tree_.prnt[c + T];
    do {
      code |= uint64_t(k & 1) << len;
      ++len;
      k = tree_.prnt[k];
    } while (k != R && len < 64);
    // Counts at most MAX_FREQ keep a leaf within about 22 levels of the root.
    if (k != R) throw ElzhException("LZH : tree deeper than 64 levels");
    if (len > 32) {
      bits_.Put(static_cast<uint32_t>(code >> 32), len - 32);
      len = 32;
    }
    bits_.Put(static_cast<uint32_t>(code & 0xFFFFFFFFu), len);
    tree_.Update(c);
  }

  THuffTree tree_;
  TBitWriter bits_;
};

inline uint32_t Hash3(const uint8_t* p) {
  const uint32_t v = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
  return (v * 2654435761u) >> (32 - kHashBits);
}

// Length of the common prefix of a and b, at most limit; both must be
// readable for limit + 7 bytes.
inline unsigned CommonLength(const uint8_t* a, const uint8_t* b, unsigned limit) {
  unsigned n = 0;
  while (n < limit) {
    uint64_t x, y;
    std::memcpy(&x, a + n, 8);
    std::memcpy(&y, b + n, 8);
    const uint64_t diff = x ^ y;
    if (diff != 0) {
      const unsigned same = std::endian::native == std::endian::little ? std::countr_zero(diff) >> 3
                                                                       : std::countl_zero(diff) >> 3;
      return std::min(limit, n + same);
    }
    n += 8;
  }
  return limit;
}

// Longest-match finder over a linear copy of the window followed by the input.
class TMatchFinder {
public:
  // text holds the N-byte initial window, then the input, then 8 readable bytes.
  // Links hold position + 1, so that zero, what the tables start as, is "none".
  TMatchFinder(const uint8_t* text, size_t end)
      : text_(text),
        end_(end),
        head_(std::make_unique_for_overwrite<int32_t[]>(kHeadSize)),
        prev_(std::make_unique_for_overwrite<int32_t[]>(kChainSize)) {
    // One memset each: a filling loop is what instrumented builds (the
    // fuzzers) spend most of a small input's encoding on.
    std::memset(head_.get(), 0, kHeadSize * sizeof head_[0]);
    std::memset(prev_.get(), 0, kChainSize * sizeof prev_[0]);
  }

  void Insert(size_t p) {
    if (p + 3 > end_) return;
    int32_t& h = head_[Hash3(text_ + p)];
    prev_[p % kChainSize] = h;
    h = static_cast<int32_t>(p + 1);
  }

  // Longest match for position p (ties go to the nearest); returns its length
  // (0 when shorter than THRESHOLD + 1) and sets distance.
  unsigned Find(size_t p, unsigned& distance) const {
    const unsigned limit = static_cast<unsigned>(std::min<size_t>(F, end_ - p));
    if (limit < THRESHOLD + 1) return 0;
    // The first F window bytes stand for window slots the decoder has not
    // filled yet; a match may not reach back to them.
    const int64_t lowest = std::max<int64_t>(F, static_cast<int64_t>(p) - N);
    unsigned best = THRESHOLD;
    int64_t cand = int64_t(head_[Hash3(text_ + p)]) - 1;
    for (int steps = 0; cand >= lowest && steps < kMaxChain; ++steps) {
      const uint8_t* c = text_ + cand;
      if (c[best] == text_[p + best] && c[0] == text_[p]) {
        const unsigned len = CommonLength(c, text_ + p, limit);
        if (len > best) {
          best = len;
          distance = static_cast<unsigned>(p - static_cast<size_t>(cand));
          if (len == limit) break;
        }
      }
      cand = int64_t(prev_[static_cast<size_t>(cand) % kChainSize]) - 1;
    }
    return best > THRESHOLD ? best : 0;
  }

private:
  const uint8_t* text_;
  size_t end_;
  static constexpr size_t kHeadSize = size_t(1) << kHashBits;
  std::unique_ptr<int32_t[]> head_;
  std::unique_ptr<int32_t[]> prev_;
};

}  // namespace

std::vector<uint8_t> CompressBytes(const uint8_t* data, size_t size, TLzhParsing parsing) {
  if (size > static_cast<size_t>(std::numeric_limits<int32_t>::max())) throw ElzhException(SLzhInputTooLarge);
  std::vector<uint8_t> out;
  out.reserve(size / 2 + 64);
  const uint32_t length = static_cast<uint32_t>(size);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(length >> (8 * i)));
  if (size == 0) return out;

  // The window as the decoder starts it (F unfilled slots, then spaces),
  // followed by the input and a zero tail for whole-word compares.
  std::vector<uint8_t> text(N + size + 8, 0);
  std::memset(text.data() + F, ' ', N - F);
  std::memcpy(text.data() + N, data, size);
  const size_t end = N + size;

  auto finder = std::make_unique<TMatchFinder>(text.data(), end);
  auto encoder = std::make_unique<TEncoder>(out);
  for (size_t p = F; p < N; ++p) finder->Insert(p);

  // Greedy parsing takes the longest match at each position. Lazy parsing
  // first looks one byte ahead and emits a literal when a longer match starts there.
  const bool lazy = parsing == TLzhParsing::Lazy;
  size_t p = N;
  unsigned distance = 0;
  unsigned len = finder->Find(p, distance);
  while (p < end) {
    if (len == 0) {
      encoder->Literal(text[p]);
      finder->Insert(p);
      ++p;
      len = finder->Find(p, distance);
      continue;
    }
    if (lazy && len < F && p + 1 < end) {
      finder->Insert(p);
      unsigned nextDistance = 0;
      const unsigned next = finder->Find(p + 1, nextDistance);
      if (next > len) {
        encoder->Literal(text[p]);
        ++p;
        len = next;
        distance = nextDistance;
        continue;
      }
      encoder->Match(len, distance);
      for (size_t q = p + 1; q < p + len; ++q) finder->Insert(q);
    } else {
      encoder->Match(len, distance);
      for (size_t q = p; q < p + len; ++q) finder->Insert(q);
    }
    p += len;
    len = finder->Find(p, distance);
  }
  encoder->Finish();
  return out;
}

void CompressStream(TStream& source, TStream& dest) {
  TMemoryStream whole;
  whole.LoadFromStream(source);
  const std::vector<uint8_t> packed = CompressBytes(whole.Memory(), whole.Bytes().size());
  dest.WriteBuffer(packed.data(), static_cast<int64_t>(packed.size()));
}

}  // namespace pelorin
