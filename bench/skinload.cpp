// Loading a skin end to end (archive bytes to a ready model, bitmaps decoded)
// for each of our skins and for a large one with about 4 MB of bitmaps. Next
// to the whole load every step is timed on its own, and a table at the end
// gives each step's share of the load:
//   decode       LZH decompression of the archive
//   container    reading the decompressed archive (directory, data kept in
//                the reader) and handing each image file to the parser
//   description  INI parse and model build with every image missing
//   bitmaps      what the images add to the model build besides the
//                container's hand-over: bitmap decoding and frame setup
// Plain benchmark options (--benchmark_filter, --benchmark_repetitions) work;
// the table uses medians when there are repetitions.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/core/IniFile.h"
#include "host/core/Streams.h"
#include "skinfile/Lzh.h"
#include "skinfile/SkinReader.h"
#include "skinmodel/SkinModel.h"
#include "tests/support/SkinFixtures.h"
#include "tools/skingen/SkinTheme.h"

namespace pelorin {
namespace {

using testing::TBytes;

// --- the large skin's images

// Value noise: random values on a square lattice, smoothly interpolated.
class TNoise {
public:
  TNoise(int width, int height, int cell, std::mt19937& rng)
      : cell_(cell), columns_(width / cell + 2), values_(size_t(columns_) * size_t(height / cell + 2)) {
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (float& v : values_) v = unit(rng);
  }
  float At(int x, int y) const {
    const int cx = x / cell_, cy = y / cell_;
    const float fx = Smooth(float(x % cell_) / float(cell_)), fy = Smooth(float(y % cell_) / float(cell_));
    const float top = Mix(Value(cx, cy), Value(cx + 1, cy), fx);
    const float bottom = Mix(Value(cx, cy + 1), Value(cx + 1, cy + 1), fx);
    return Mix(top, bottom, fy);
  }

private:
  static float Smooth(float t) { return t * t * (3 - 2 * t); }
  static float Mix(float a, float b, float t) { return a + (b - a) * t; }
  float Value(int cx, int cy) const { return values_[size_t(cy) * size_t(columns_) + size_t(cx)]; }
  int cell_, columns_;
  std::vector<float> values_;
};

uint32_t Channel(float v) { return uint32_t(std::lround(std::fmin(std::fmax(v, 0.0f), 255.0f))); }

// Looks like a photograph to the codec: soft shapes over several scales,
// colours drifting across the image, and sensor grain on every pixel.
TBitmap PhotoBitmap(int w, int h, uint32_t seed) {
  std::mt19937 rng(seed);
  const TNoise broad(w, h, 160, rng), middle(w, h, 40, rng), fine(w, h, 9, rng), tint(w, h, 220, rng);
  std::normal_distribution<float> grain(0.0f, 5.0f);
  TBitmap b(w, h);
  b.SetPixelFormat(TPixelFormat::pf24bit);
  for (int y = 0; y < h; ++y) {
    uint32_t* row = b.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      const float light = 255.0f * (0.5f * broad.At(x, y) + 0.3f * middle.At(x, y) + 0.2f * fine.At(x, y));
      const float warm = tint.At(x, y) - 0.5f;
      const float r = light * (1.0f + 0.4f * warm) + grain(rng);
      const float g = light * (0.9f + 0.1f * float(y) / float(h)) + grain(rng);
      const float bl = light * (1.0f - 0.4f * warm) + grain(rng);
      row[x] = Channel(bl) | Channel(g) << 8 | Channel(r) << 16;
    }
  }
  return b;
}

// A diagonal colour gradient with a soft vignette, as skin images often are.
TBitmap GradientBitmap(int w, int h, TPixelFormat format) {
  TBitmap b(w, h);
  b.SetPixelFormat(format);
  for (int y = 0; y < h; ++y) {
    uint32_t* row = b.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      const float dx = float(x) / float(w) - 0.5f, dy = float(y) / float(h) - 0.5f;
      const float shade = 1.0f - 0.6f * (dx * dx + dy * dy);
      row[x] = Channel(shade * 255.0f * float(x) / float(w)) | Channel(shade * 255.0f * float(y) / float(h)) << 8 |
               Channel(shade * (128.0f + 127.0f * float(x + y) / float(w + h))) << 16;
    }
  }
  return b;
}

TBytes BmpBytes(const TBitmap& b) {
  TMemoryStream s;
  b.SaveToStream(s);
  return s.Bytes();
}

// Slate with four large images in optional elements the parser always reads:
// two photographs (a popup menu backdrop and a five-frame tool bar) and two
// gradients (24-bit header items, 32-bit status panels), about 4 MB of
// bitmap files in all.
TBytes LargeArchive() {
  testing::TSkinFiles files = testing::ThemeFiles(skingen::AllThemes().front());
  const struct {
    const char* section;
    const char* file;
    TBitmap image;
  } extra[] = {
      {"MenuBackground", "large-backdrop.bmp", PhotoBitmap(960, 720, 1)},
      {"Toolbars", "large-toolbar.bmp", PhotoBitmap(5 * 128, 400, 2)},
      {"Headerbar", "large-header.bmp", GradientBitmap(640, 480, TPixelFormat::pf24bit)},
      {"StatusBarEdges", "large-status.bmp", GradientBitmap(256, 256, TPixelFormat::pf32bit)},
  };
  for (const auto& e : extra) {
    testing::SetKey(files, e.section, "Image", e.file);
    files.emplace_back(e.file, BmpBytes(e.image));
  }
  return testing::PackFiles(files);
}

// --- what the steps work on

struct TSkinCase {
  std::string name;
  TBytes archive;
  TMemoryStream container;               // the archive, decompressed
  TSkinReader reader;                    // the archive, read
  std::string description;               // its INI text
  std::vector<std::string> imageNames;   // the files the parser asks for and gets, in order
  std::vector<TBytes> images;            // their bytes
  int64_t imageBytes = 0;
};

std::unique_ptr<TSkinCase> MakeCase(std::string name, TBytes archive) {
  auto c = std::make_unique<TSkinCase>();
  c->name = std::move(name);
  c->archive = std::move(archive);
  TMemoryStream source;
  source.Assign(c->archive.data(), c->archive.size());
  DecompressStream(source, c->container);
  if (!c->reader.ReadContainer(c->container)) throw std::runtime_error(c->name + ": archive refused");
  TMemoryStream text;
  std::string textName;
  c->reader.ExtractFirstMatch(".ini", text, textName);
  c->description.assign(text.Bytes().begin(), text.Bytes().end());
  TSkinModel model;
  model.ParseSkin(TIniFile::FromText(c->description), [&c](const std::string& file, TMemoryStream& dest) {
    c->reader.ExtractFile(file, dest);
    if (dest.GetSize() == 0) return;
    c->imageNames.push_back(file);
    c->images.push_back(dest.Bytes());
    c->imageBytes += dest.GetSize();
  });
  return c;
}

const std::vector<std::unique_ptr<TSkinCase>>& Cases() {
  static const std::vector<std::unique_ptr<TSkinCase>> cases = [] {
    std::vector<std::unique_ptr<TSkinCase>> all;
    for (const skingen::TSkinTheme& theme : skingen::AllThemes())
      all.push_back(MakeCase(theme.FileName, testing::ThemeArchive(theme)));
    all.push_back(MakeCase("large", LargeArchive()));
    return all;
  }();
  return cases;
}

// --- the benchmarks, one of each per skin

void BM_Load(benchmark::State& state, TSkinCase& c) {
  TMemoryStream archive;
  archive.Assign(c.archive.data(), c.archive.size());
  TSkinModel model;
  for (auto _ : state) {
    if (!model.LoadSkinArchive(archive)) {
      state.SkipWithError("load refused");
      break;
    }
    benchmark::DoNotOptimize(model.Empty);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(c.archive.size()));
}

void BM_Decode(benchmark::State& state, TSkinCase& c) {
  TMemoryStream archive;
  archive.Assign(c.archive.data(), c.archive.size());
  for (auto _ : state) {
    TMemoryStream container;  // a fresh output each time, as the reader has
    DecompressStream(archive, container);
    benchmark::DoNotOptimize(container.Memory());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * c.container.GetSizeConst());
}

// What the reader does after the decode: directory checks and the data kept.
void BM_Container(benchmark::State& state, TSkinCase& c) {
  for (auto _ : state) {
    TSkinReader reader;
    if (!reader.ReadContainer(c.container)) {
      state.SkipWithError("archive refused");
      break;
    }
    benchmark::DoNotOptimize(reader.Count);
  }
}

// The parser's lookups of its image files, into one reused stream as it does.
void BM_Extract(benchmark::State& state, TSkinCase& c) {
  TSkinReader& reader = c.reader;
  for (auto _ : state) {
    TMemoryStream temp;
    for (const std::string& name : c.imageNames) {
      temp.Clear();
      reader.ExtractFile(name, temp);
      benchmark::DoNotOptimize(temp.Memory());
    }
  }
}

void BM_Description(benchmark::State& state, TSkinCase& c) {
  for (auto _ : state) {
    TSkinModel fresh;
    fresh.ParseSkin(TIniFile::FromText(c.description), TSkinFileExtractor{});
    benchmark::DoNotOptimize(fresh.Empty);
  }
}

// The model build as the load does it, images taken from the read archive.
void BM_Model(benchmark::State& state, TSkinCase& c) {
  TSkinReader& reader = c.reader;
  for (auto _ : state) {
    TSkinModel fresh;
    fresh.ParseSkin(TIniFile::FromText(c.description),
                    [&reader](const std::string& name, TMemoryStream& dest) { reader.ExtractFile(name, dest); });
    benchmark::DoNotOptimize(fresh.Empty);
  }
}

// Only the bitmap files decoded, for comparison with what the table derives.
void BM_BitmapFiles(benchmark::State& state, TSkinCase& c) {
  std::vector<std::unique_ptr<TMemoryStream>> files;
  for (const TBytes& bytes : c.images) {
    files.push_back(std::make_unique<TMemoryStream>());
    files.back()->Assign(bytes.data(), bytes.size());
  }
  for (auto _ : state) {
    for (auto& f : files) {
      TBitmap b;
      f->SetPosition(0);
      b.LoadFromStream(*f);
      benchmark::DoNotOptimize(b.Bits());
    }
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * c.imageBytes);
}

const struct {
  const char* name;
  void (*run)(benchmark::State&, TSkinCase&);
} kSteps[] = {{"Load", BM_Load},       {"Decode", BM_Decode},           {"Container", BM_Container},
              {"Extract", BM_Extract}, {"Description", BM_Description}, {"Model", BM_Model},
              {"BitmapFiles", BM_BitmapFiles}};

// --- the table

// Keeps each benchmark's CPU time per iteration in microseconds (the median
// when there are repetitions) while the console shows the runs as usual.
class TShareReporter : public benchmark::ConsoleReporter {
public:
  std::map<std::string, double> micros;

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
      if (r.run_type == Run::RT_Aggregate && !median) continue;
      const std::string name = r.run_name.function_name;
      if (!median && medians_.count(name)) continue;
      if (median) medians_.insert(name);
      micros[name] = r.GetAdjustedCPUTime() * 1e6 / benchmark::GetTimeUnitMultiplier(r.time_unit);
    }
  }

private:
  std::set<std::string> medians_;
};

void PrintShares(const std::map<std::string, double>& us) {
  std::printf("\nShares of the whole load (CPU time; container = Container + Extract,\n"
              "bitmaps = Model - Description - Extract; after = container + description + bitmaps)\n");
  std::printf("%-9s %8s %8s %10s %7s %10s %12s %8s %8s %12s\n", "skin", "archive", "bitmaps", "load ms",
              "decode", "container", "description", "bitmaps", "sum", "after/decode");
  for (const auto& c : Cases()) {
    auto get = [&](const char* step) {
      const auto it = us.find(std::string(step) + "/" + c->name);
      return it == us.end() ? -1.0 : it->second;
    };
    const double load = get("Load"), decode = get("Decode"), reading = get("Container"), extract = get("Extract"),
                 description = get("Description"), model = get("Model");
    if (load <= 0 || decode <= 0 || reading < 0 || extract < 0 || description < 0 || model < 0) continue;
    const double container = reading + extract, bitmaps = model - description - extract;
    const double after = container + description + bitmaps;
    auto pct = [load](double v) { return 100.0 * v / load; };
    std::printf("%-9s %7lldK %7lldK %10.3f %6.1f%% %9.1f%% %11.1f%% %7.1f%% %7.1f%% %12.2f\n", c->name.c_str(),
                static_cast<long long>(c->archive.size() / 1024), static_cast<long long>(c->imageBytes / 1024),
                load / 1000.0, pct(decode), pct(container), pct(description), pct(bitmaps), pct(decode + after),
                after / decode);
  }
}

}  // namespace
}  // namespace pelorin

int main(int argc, char** argv) {
  using namespace pelorin;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  for (const auto& c : Cases())
    for (const auto& step : kSteps)
      benchmark::RegisterBenchmark((std::string(step.name) + "/" + c->name).c_str(), step.run, std::ref(*c))
          ->Unit(benchmark::kMicrosecond);
  TShareReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintShares(reporter.micros);
  benchmark::Shutdown();
  return 0;
}
