// The adaptive Huffman tree shared by the block decoder and the encoder. Node
// counts stay in ascending order (siblings side by side), so the node to swap
// with on an update is found by counting lower counts in vector lanes (or a
// galloping search for long runs) instead of a linear scan.
#pragma once

#include <cstdint>
#include <cstring>

#include "skinfile/Lzh.h"

namespace pelorin::lzh {

struct THuffTree {
  // Counts right after the swap target scanned in one go: long enough for
  // nearly every run of equal counts, short enough to stay branch-free.
  static constexpr unsigned kScan = 16;
  // prnt slot that absorbs the write meant for the sibling of a leaf.
  static constexpr unsigned kSpare = T + N_CHAR;

  // 32-bit entries: measurably faster than 16-bit ones in the update loop.
  uint32_t freq[T + kScan];       // freq[T..] are sentinels above every real count
  uint32_t prnt[T + N_CHAR + 1];  // parent of each node; [T + c] is the leaf of symbol c
  uint32_t son[T];                // left child of an internal node (even slot), or T + symbol

  void Start() {
    for (int i = 0; i < N_CHAR; ++i) {
      freq[i] = 1;
      son[i] = static_cast<uint32_t>(i + T);
      prnt[i + T] = static_cast<uint32_t>(i);
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
      freq[j] = static_cast<uint32_t>(freq[i] + freq[i + 1]);
      son[j] = static_cast<uint32_t>(i);
      prnt[i] = prnt[i + 1] = static_cast<uint32_t>(j);
    }
    for (unsigned i = T; i < T + kScan; ++i) freq[i] = 0xFFFF;
    prnt[R] = 0;
  }

  // Halves the leaf counts and builds the internal nodes again. The leaves
  // stay in ascending order and each new internal node (the sum of the next
  // two slots) is no smaller than the one before, so the slots fill as a
  // merge of the two: a leaf goes first unless it is above the node.
  void Rebuild() {
    uint32_t leafFreq[N_CHAR];
    uint32_t leafSon[N_CHAR];
    unsigned leaves = 0;
    for (unsigned i = 0; i < T; ++i) {
      if (son[i] >= T) {
        leafFreq[leaves] = (freq[i] + 1) / 2;
        leafSon[leaves] = son[i];
        ++leaves;
      }
    }
    unsigned nextLeaf = 0, nextPair = 0;
    for (unsigned slot = 0; slot < T; ++slot) {
      // Both slots of the next pair are filled once slot > 2 * nextPair + 1.
      const bool pairReady = 2 * nextPair + 1 < slot;
      const unsigned pairFreq = pairReady ? freq[2 * nextPair] + freq[2 * nextPair + 1] : 0;
      if (nextLeaf < leaves && (!pairReady || leafFreq[nextLeaf] <= pairFreq)) {
        freq[slot] = leafFreq[nextLeaf];
        son[slot] = leafSon[nextLeaf];
        ++nextLeaf;
      } else {
        freq[slot] = pairFreq;
        son[slot] = 2 * nextPair;
        ++nextPair;
      }
    }
    for (unsigned i = 0; i < T; ++i) {
      const unsigned k = son[i];
      if (k >= T) {
        prnt[k] = i;
      } else {
        prnt[k] = prnt[k + 1] = i;
      }
    }
  }

  // Last index at or after lo whose count is below k; freq[lo] < k <= freq[T].
  // Counts ascend, so the number of counts below k among the next kScan is
  // the distance to it; longer runs (rare) continue with a galloping search.
  unsigned LastBelow(unsigned lo, unsigned k) const {
    // Counts stay below 2^31, so signed lanes compare them correctly.
    using Lanes = int32_t __attribute__((vector_size(16)));
    const int32_t key = static_cast<int32_t>(k);
    const Lanes keys = {key, key, key, key};
    Lanes below = {};
    for (unsigned i = 0; i < kScan; i += 4) {
      Lanes f;
      std::memcpy(&f, &freq[lo + 1 + i], sizeof f);
      below += f < keys;  // -1 in each lane that is below
    }
    const unsigned n = static_cast<unsigned>(-(below[0] + below[1] + below[2] + below[3]));
    if (n < kScan) [[likely]] return lo + n;
    lo += kScan;
    unsigned hi;
    for (unsigned step = 1;; step <<= 1) {
      const unsigned probe = lo + step;
      if (probe >= T) { hi = T; break; }
      if (freq[probe] >= k) { hi = probe; break; }
      lo = probe;
    }
    while (hi - lo > 1) {
      const unsigned mid = (lo + hi) / 2;
      if (freq[mid] < k) lo = mid; else hi = mid;
    }
    return lo;
  }

  // Counts one more occurrence of symbol c and restores the order of counts;
  // onSwap(a, b) hears of every pair of slots whose subtrees trade places.
  void Update(unsigned c) {
    Update(c, [](unsigned, unsigned) {});
  }
  template <typename OnSwap>
  void Update(unsigned c, OnSwap&& onSwap) {
    if (freq[R] == MAX_FREQ) [[unlikely]] Rebuild();
    c = prnt[c + T];
    do {
      const unsigned k = ++freq[c];
      if (k > freq[c + 1]) {
        const unsigned l = LastBelow(c + 1, k);
        freq[c] = freq[l];
        freq[l] = k;
        const unsigned i = son[c];
        prnt[i] = l;
        prnt[i < T ? i + 1 : kSpare] = l;
        const unsigned j = son[l];
        son[l] = i;
        prnt[j] = c;
        prnt[j < T ? j + 1 : kSpare] = c;
        son[c] = j;
        onSwap(c, l);
        c = l;
      }
      c = prnt[c];
    } while (c != 0);
  }
};

}  // namespace pelorin::lzh
