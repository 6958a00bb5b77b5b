// LZH codec speed and ratio on a 24-bit gradient bitmap, English-like text and
// random bytes (1 MB each); throughput is counted in decompressed bytes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "skinfile/Lzh.h"
#include "tests/support/LzhReference.h"

using namespace pelorin;
using Bytes = std::vector<uint8_t>;

namespace {

constexpr size_t kSize = 1 << 20;

void PutLE(Bytes& b, uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A 24-bit bottom-up bitmap file of about 1 MB: a diagonal colour gradient
// with a soft vignette, the kind of image skins are made of.
Bytes GradientBitmap() {
  const int w = 512, h = static_cast<int>((kSize - 54) / (w * 3));
  Bytes b = {'B', 'M'};
  PutLE(b, 54 + w * h * 3, 4);
  PutLE(b, 0, 4);
  PutLE(b, 54, 4);
  PutLE(b, 40, 4);
  PutLE(b, w, 4);
  PutLE(b, h, 4);
  PutLE(b, 1, 2);
  PutLE(b, 24, 2);
  for (int i = 0; i < 6; ++i) PutLE(b, 0, 4);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double dx = (x - w / 2.0) / w, dy = (y - h / 2.0) / h;
      const double shade = 1.0 - 0.6 * (dx * dx + dy * dy);
      b.push_back(static_cast<uint8_t>(shade * (255.0 * x / w)));
      b.push_back(static_cast<uint8_t>(shade * (255.0 * y / h)));
      b.push_back(static_cast<uint8_t>(shade * (128.0 + 127.0 * (x + y) / (w + h))));
    }
  }
  return b;
}

// Sentences of common English words drawn with Zipf-like frequencies.
Bytes EnglishText() {
  static const char* const kWords[] = {
      "the", "of", "and", "to", "a", "in", "is", "that", "it", "was", "for", "on", "are", "as", "with", "his",
      "they", "at", "be", "this", "from", "have", "or", "by", "one", "had", "not", "but", "what", "all", "were",
      "when", "we", "there", "can", "an", "your", "which", "their", "said", "if", "do", "will", "each", "about",
      "how", "up", "out", "them", "then", "she", "many", "some", "so", "these", "would", "other", "into", "has",
      "more", "her", "two", "like", "him", "see", "time", "could", "no", "make", "than", "first", "been", "its",
      "who", "now", "people", "my", "made", "over", "did", "down", "only", "way", "find", "use", "may", "water",
      "long", "little", "very", "after", "words", "called", "just", "where", "most", "know", "get", "through",
      "back", "much", "before", "go", "good", "new", "write", "our", "used", "me", "man", "too", "any", "day",
      "same", "right", "look", "think", "also", "around", "another", "came", "come", "work", "three", "word",
      "must", "because", "does", "part", "even", "place", "well", "such", "here", "take", "why", "things",
      "help", "put", "years", "different", "away", "again", "off", "went", "old", "number", "great", "tell",
      "men", "say", "small", "every", "found", "still", "between", "name", "should", "home", "big", "give",
      "air", "line", "set", "own", "under", "read", "last", "never", "us", "left", "end", "along", "while",
      "might", "next", "sound", "below", "saw", "something", "thought", "both", "few", "those", "always",
      "show", "large", "often", "together", "asked", "house", "world", "going", "want", "school", "important",
      "until", "form", "food", "keep", "children", "feet", "land", "side", "without", "boy", "once", "animals",
      "life", "enough", "took", "sometimes", "four", "head", "above", "kind", "began", "almost", "live", "page",
      "got", "earth", "need", "far", "hand", "high", "year", "mother", "light", "parts", "country", "father",
      "let", "night", "following", "picture", "being", "study", "second", "eyes", "soon", "times", "story",
      "boys", "since", "white", "days", "ever", "paper", "hard", "near", "sentence", "better", "best", "across",
      "during", "today", "others", "however", "sure", "means", "knew", "try", "told", "young", "miles", "sun",
      "ways", "thing", "whole", "hear", "example", "heard", "several", "change", "answer", "room", "sea",
      "against", "top", "turned", "learn", "point", "city", "play", "toward", "five", "using", "himself",
      "usually", "window", "morning", "river", "mountain", "winter", "question", "garden", "letter", "music"};
  constexpr int kCount = sizeof kWords / sizeof kWords[0];
  std::vector<double> cumulative(kCount);
  double total = 0;
  for (int i = 0; i < kCount; ++i) cumulative[i] = total += 1.0 / (i + 2.7);
  std::mt19937 rng(1234);
  std::uniform_real_distribution<double> pick(0, total);
  std::string text, line;
  bool capital = true;
  while (text.size() < kSize) {
    std::string word = kWords[std::lower_bound(cumulative.begin(), cumulative.end(), pick(rng)) - cumulative.begin()];
    if (capital) word[0] = static_cast<char>(word[0] - 'a' + 'A');
    capital = false;
    const unsigned r = rng() % 100;
    if (r < 7) {
      word += '.';
      capital = true;
    } else if (r < 12) {
      word += ',';
    }
    if (line.size() + word.size() + 1 > 72) {
      text += line + "\r\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    if (capital && rng() % 8 == 0) {
      text += line + "\r\n\r\n";
      line.clear();
    }
  }
  return Bytes(text.begin(), text.begin() + kSize);
}

Bytes RandomData() {
  std::mt19937 rng(99);
  Bytes b(kSize);
  for (auto& x : b) x = static_cast<uint8_t>(rng());
  return b;
}

const Bytes& Input(int which) {
  static const Bytes inputs[3] = {GradientBitmap(), EnglishText(), RandomData()};
  return inputs[which];
}

const Bytes& Packed(int which) {
  static Bytes packed[3];
  if (packed[which].empty()) packed[which] = CompressBytes(Input(which).data(), Input(which).size());
  return packed[which];
}

const char* Name(int which) { return which == 0 ? "bitmap" : which == 1 ? "text" : "random"; }

void BM_Decode(benchmark::State& state) {
  const int which = static_cast<int>(state.range(0));
  const Bytes& packed = Packed(which);
  TMemoryStream src, dst;
  src.Assign(packed.data(), packed.size());
  for (auto _ : state) {
    DecompressStream(src, dst);
    benchmark::DoNotOptimize(dst.Memory());
  }
  state.SetLabel(Name(which));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Input(which).size()));
}

// The byte-serial decoder with one callback per byte, for comparison.
void BM_DecodeSerial(benchmark::State& state) {
  const int which = static_cast<int>(state.range(0));
  const Bytes& packed = Packed(which);
  TMemoryStream src, dst;
  src.Assign(packed.data(), packed.size());
  for (auto _ : state) {
    src.SetPosition(4);
    dst.SetPosition(0);
    pelorin::testing::TLZH lzh;
    lzh.InStream = &src;
    lzh.OutStream = &dst;
    lzh.LZHDecode(
        static_cast<int32_t>(Input(which).size()),
        [&](const uint8_t* b, uint16_t n, uint16_t& a) { lzh.PutBytes(b, n, a); },
        [&](uint8_t* b, uint16_t n, uint16_t& a) { lzh.GetBytes(b, n, a); });
  }
  state.SetLabel(Name(which));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Input(which).size()));
}

void BM_Encode(benchmark::State& state) {
  const int which = static_cast<int>(state.range(0));
  const Bytes& input = Input(which);
  const auto parsing = state.range(1) ? TLzhParsing::Lazy : TLzhParsing::Greedy;
  size_t size = 0;
  for (auto _ : state) {
    const Bytes packed = CompressBytes(input.data(), input.size(), parsing);
    size = packed.size();
  }
  state.SetLabel(std::string(Name(which)) + (state.range(1) ? " lazy" : " greedy"));
  state.counters["ratio"] = double(size) / double(input.size());
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(input.size()));
}

}  // namespace

BENCHMARK(BM_Decode)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeSerial)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
