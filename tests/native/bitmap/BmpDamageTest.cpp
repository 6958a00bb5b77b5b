// Damaged bitmap files: every kind of damage raises EInvalidGraphic and keeps
// the bitmap and the stream position; truncated and corrupted files never
// read outside their bytes (the sanitizer build checks that).
#include <gtest/gtest.h>

#include "BmpTestFiles.h"
#include "host/core/Exceptions.h"

using namespace pelorin;
using namespace pelorin::testing;

namespace {

TBytes With(TBytes f, size_t offset, uint32_t value, int size = 4) {
  if (size == 2) bmp::PutU16(&f[offset], uint16_t(value));
  else bmp::PutU32(&f[offset], value);
  return f;
}

}  // namespace

TEST(BmpDamage, EveryDamageClassRaisesAndKeepsTheBitmap) {
  const TBytes good = ReadFileBytes(DataPath("bmp3-24.bmp"));
  const TBytes pal8 = BuildBmp({.bits = 8, .palette = std::vector<uint32_t>(256, 7), .pixels = {0, 0, 0, 0}});
  // RLE8 1x2: a run, end of line, then what the case appends.
  auto rle = [](TBytes tail) {
    TBytes px = {1, 0, 0, 0};
    px.insert(px.end(), tail.begin(), tail.end());
    return BuildBmp({.height = 2, .bits = 8, .compression = bmp::kBiRle8, .palette = {1}, .pixels = px});
  };
  const struct { const char* what; TBytes file; } cases[] = {
      {"empty", {}},
      {"one byte", {'B'}},
      {"signature", With(good, 0, 'B' | 'A' << 8, 2)},
      {"truncated header", TBytes(good.begin(), good.begin() + 30)},
      {"header size", With(good, 14, 20)},
      {"zero width", With(good, 18, 0)},
      {"negative width", With(good, 18, uint32_t(-9))},
      {"zero height", With(good, 22, 0)},
      {"huge side", With(good, 18, 40000)},
      {"most negative height", With(good, 22, 0x80000000u)},
      {"width times height", With(With(good, 18, 30000), 22, 30000)},
      {"area larger than the data", With(With(good, 18, 16000), 22, 16000)},
      {"2 bits", With(good, 28, 2, 2)},
      {"0 bits", With(good, 28, 0, 2)},
      {"JPEG", With(good, 30, bmp::kBiJpeg)},
      {"PNG", With(good, 30, bmp::kBiPng)},
      {"unknown compression", With(good, 30, 9)},
      {"RLE8 at 24 bits", With(good, 30, bmp::kBiRle8)},
      {"bit fields at 24 bits", With(good, 30, bmp::kBiBitfields)},
      {"masks cut off", BuildBmp({.bits = 16, .compression = bmp::kBiBitfields, .pixels = {0, 0, 0, 0}})},
      {"table outside the file", With(TBytes(pal8.begin(), pal8.begin() + 300), 10, 0)},
      {"offset outside the file", With(good, 10, uint32_t(good.size() + 1))},
      {"truncated pixels", TBytes(good.begin(), good.end() - 2)},
      {"top-down RLE", With(rle({0, 1}), 22, uint32_t(-2))},
      {"RLE delta below", rle({0, 2, 0, 1, 0, 1})},
      {"RLE without end", rle({})},
      {"RLE absolute run cut off", rle({0, 5, 0, 0})},
      {"RLE area far beyond its data", With(With(rle({0, 1}), 18, 8000), 22, 8000)},
      {"OS/2 Huffman", With(BuildBmp({.bits = 16, .headerSize = 64, .pixels = {0, 0, 0, 0}}), 30, 3)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TBitmap bmp(2, 1);
    bmp.SetPixel(1, 0, clRed);
    bmp.SetPixelFormat(TPixelFormat::pf4bit);
    TMemoryStream m;
    m.WriteBuffer("xy", 2);
    m.WriteBuffer(c.file.data(), int64_t(c.file.size()));
    m.SetPosition(2);
    EXPECT_THROW(bmp.LoadFromStream(m), EInvalidGraphic);
    EXPECT_EQ(m.GetPosition(), 2);
    EXPECT_EQ(bmp.Width(), 2);
    EXPECT_EQ(bmp.GetPixel(1, 0), clRed);
    EXPECT_EQ(bmp.PixelFormat(), TPixelFormat::pf4bit);
  }
  // Only the last row's padding may be missing.
  TBitmap bmp;
  LoadBytes(bmp, TBytes(good.begin(), good.end() - 1));
  EXPECT_EQ(bmp.Width(), 9);
}

TEST(BmpDamage, TruncatedAndCorruptedFilesFailCleanly) {
  for (const char* file : {"bmp5-rle8.bmp", "bmp3-4bit.bmp", "bmp5-565.bmp", "os2-8bit.bmp", "bmp5-32argb.bmp"}) {
    SCOPED_TRACE(file);
    const TBytes f = ReadFileBytes(DataPath(file));
    ASSERT_FALSE(f.empty());
    int loaded = 0;
    for (size_t len = 0; len < f.size(); ++len) {
      TBitmap bmp;
      try {
        LoadBytes(bmp, TBytes(f.begin(), f.begin() + len));
        ++loaded;
      } catch (const EInvalidGraphic&) {
      }
    }
    // Only prefixes missing row padding or the RLE end marker may load.
    EXPECT_LE(loaded, 4);
    for (size_t i = 0; i < f.size(); ++i) {
      for (uint8_t v : {uint8_t(0x00), uint8_t(0xFF), uint8_t(f[i] ^ 0x80)}) {
        TBytes g = f;
        g[i] = v;
        TBitmap bmp;
        try {
          LoadBytes(bmp, g);
        } catch (const EInvalidGraphic&) {
        }
      }
    }
  }
}
