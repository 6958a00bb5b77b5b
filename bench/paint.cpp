// Speed of the painting primitives and the region scan, with a plain memcpy of
// the same pixel count measured in the same run for comparison.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "paint/PaintTypes.h"
#include "paint/RegionScan.h"
#include "paint/SkinPaint.h"

namespace pelorin {
namespace {

constexpr int FullW = 1920, FullH = 1080;
const TRect Margins = Rect(12, 30, 12, 10);

// A 3-frame 64 x 64 window image with a patterned centre.
TBitmap SkinImage() {
  TBitmap b(3 * 64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 3 * 64; ++x) b.ScanLine(y)[x] = uint32_t(x * 2654435761u ^ y * 40503u) & 0xFFFFFF;
  return b;
}

// A border strip with rounded (key-coloured) corners.
TBitmap RoundedBorder(int w, int h) {
  TBitmap b(w, h);
  b.Fill(MakeRGB(40, 60, 200));
  for (int y = 0; y < 6 && y < h; ++y)
    for (int x = 0; x < 6 - y; ++x) {
      b.ScanLine(y)[x] = 0xFF00FF;
      b.ScanLine(y)[w - 1 - x] = 0xFF00FF;
    }
  return b;
}

void BM_Memcpy_FullHD(benchmark::State& state) {
  std::vector<uint32_t> a(size_t(FullW) * FullH, 1), b(a.size());
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), a.size() * 4);
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(a.size()) * 4);
}
BENCHMARK(BM_Memcpy_FullHD);

void BM_BuildSkinBitmap_FullHD(benchmark::State& state) {
  const TBitmap src = SkinImage();
  const bool tile = state.range(0);
  for (auto _ : state) {
    TBitmap out = BuildSkinBitmap(Rect(0, 0, FullW, FullH), src, Margins, false, tile, 3, 2);
    benchmark::DoNotOptimize(out.Bits());
  }
  state.SetLabel(tile ? "tiled centre" : "stretched centre");
  state.SetBytesProcessed(int64_t(state.iterations()) * FullW * FullH * 4);
}
BENCHMARK(BM_BuildSkinBitmap_FullHD)->Arg(0)->Arg(1);

// The goal's ratio, both measured alternately in one run: nine-slice cost
// over memcpy cost of the same number of pixels.
void BM_NineSliceOverMemcpy(benchmark::State& state) {
  const TBitmap src = SkinImage();
  const bool tile = state.range(0);
  std::vector<uint32_t> a(size_t(FullW) * FullH, 1), b(a.size());
  using Clock = std::chrono::steady_clock;
  Clock::duration copy{}, build{};
  for (auto _ : state) {
    auto t0 = Clock::now();
    std::memcpy(b.data(), a.data(), a.size() * 4);
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
    auto t1 = Clock::now();
    TBitmap out = BuildSkinBitmap(Rect(0, 0, FullW, FullH), src, Margins, false, tile, 3, 2);
    benchmark::DoNotOptimize(out.Bits());
    auto t2 = Clock::now();
    copy += t1 - t0;
    build += t2 - t1;
  }
  state.counters["ratio"] = double(build.count()) / double(copy.count());
  state.counters["memcpy_us"] = std::chrono::duration<double, std::micro>(copy).count() / double(state.iterations());
  state.counters["nine_us"] = std::chrono::duration<double, std::micro>(build).count() / double(state.iterations());
  state.SetLabel(tile ? "tiled centre" : "stretched centre");
}
BENCHMARK(BM_NineSliceOverMemcpy)->Arg(0)->Arg(1);

void BM_DrawSkinImage_FullHD_Transparent(benchmark::State& state) {
  const TBitmap src = SkinImage();
  TBitmap target(FullW, FullH);
  for (auto _ : state) {
    DrawSkinImage(target, Rect(0, 0, FullW, FullH), src, false, false, true, 3, 2, Margins);
    benchmark::DoNotOptimize(target.Bits());
  }
}
BENCHMARK(BM_DrawSkinImage_FullHD_Transparent);

void BM_DrawSkinStrip_Title(benchmark::State& state) {
  // Two stacked 200 x 30 title frames, 40-pixel ends.
  TBitmap src(200, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) src.ScanLine(y)[x] = uint32_t(x * 7 + y * 131) & 0xFFFFFF;
  TBitmap target(FullW, 30);
  for (auto _ : state) {
    DrawSkinStrip(target, Rect(0, 0, FullW, 30), src, true, true, 2, 1, Rect(40, 0, 40, 0));
    benchmark::DoNotOptimize(target.Bits());
  }
}
BENCHMARK(BM_DrawSkinStrip_Title);

void BM_RegionScan_Border(benchmark::State& state) {
  const TBitmap border = RoundedBorder(FullW, 30);
  for (auto _ : state) {
    TRegionRects rects = CreateRegionRects(border, 0, 0, 1, 1, 1, TransparentKeyColour);
    benchmark::DoNotOptimize(rects.data());
  }
}
BENCHMARK(BM_RegionScan_Border)->Unit(benchmark::kMicrosecond);

void BM_RegionScan_ManyRuns_FullHD(benchmark::State& state) {
  TBitmap b(FullW, FullH);
  for (int y = 0; y < FullH; ++y)
    for (int x = 0; x < FullW; ++x) b.ScanLine(y)[x] = (x + y) % 7 == 0 ? 0xFF00FF : 0x204080;
  size_t runs = 0;
  for (auto _ : state) {
    TRegionRects rects = CreateRegionRects(b, 0, 0, 1, 1, 1, TransparentKeyColour);
    runs = rects.size();
    benchmark::DoNotOptimize(rects.data());
  }
  state.counters["runs"] = double(runs);
}
BENCHMARK(BM_RegionScan_ManyRuns_FullHD)->Unit(benchmark::kMillisecond);

// The same scan into a fixed 2000-rectangle batch, as the HRGN builder
// collects them (without the GDI calls): the scan's own cost.
void BM_RegionScan_ManyRuns_FullHD_Batched(benchmark::State& state) {
  TBitmap b(FullW, FullH);
  for (int y = 0; y < FullH; ++y)
    for (int x = 0; x < FullW; ++x) b.ScanLine(y)[x] = (x + y) % 7 == 0 ? 0xFF00FF : 0x204080;
  std::vector<TRect> batch(2000);
  const TRegionKey key(TransparentKeyColour, 1, 1, 1);
  for (auto _ : state) {
    size_t n = 0;
    ForEachOpaqueRun(b, key, [&](int y, int x0, int x1) {
      batch[n] = {x0, y, x1, y + 1};
      if (++n == batch.size()) n = 0;
    });
    benchmark::DoNotOptimize(batch.data());
  }
}
BENCHMARK(BM_RegionScan_ManyRuns_FullHD_Batched)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelorin

BENCHMARK_MAIN();
