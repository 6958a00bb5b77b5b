// Decoding of bitmap files: ImageMagick fixtures of every kind against their
// source pixels, hand-made RLE and bit-field files, and saving round trips.
#include <gtest/gtest.h>

#include <algorithm>

#include "BmpTestFiles.h"
#include "host/core/Exceptions.h"

using namespace pelorin;
using namespace pelorin::testing;

TEST(BmpDecode, FixturesOfEveryKindMatchTheirSource) {
  using enum TPixelFormat;
  const struct { const char* file; const char* source; TPixelFormat pf; } cases[] = {
      {"bmp3-1bit.bmp", "two.ppm", pf1bit},   {"bmp5-1bit.bmp", "two.ppm", pf1bit},
      {"os2-1bit.bmp", "two.ppm", pf1bit},    {"bmp3-4bit.bmp", "pal16.ppm", pf4bit},
      {"bmp5-4bit.bmp", "pal16.ppm", pf4bit}, {"bmp3-8bit.bmp", "many.ppm", pf8bit},
      {"bmp5-8bit.bmp", "many.ppm", pf8bit},  {"os2-8bit.bmp", "many.ppm", pf8bit},
      {"bmp3-rle8.bmp", "many.ppm", pf8bit},  {"bmp5-rle8.bmp", "many.ppm", pf8bit},
      {"bmp5-565.bmp", "prim.ppm", pf16bit},  {"bmp5-555.bmp", "prim.ppm", pf15bit},
      {"bmp3-24.bmp", "many.ppm", pf24bit},   {"bmp5-24.bmp", "many.ppm", pf24bit},
      {"os2-24.bmp", "many.ppm", pf24bit},    {"bmp5-32argb.bmp", "many.ppm", pf32bit},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    TBitmap bmp;
    bmp.LoadFromFile(DataPath(c.file));
    EXPECT_EQ(SizeAndPixelsOf(bmp), ReadPpm(DataPath(c.source)));
    EXPECT_EQ(bmp.PixelFormat(), c.pf);
  }
}

TEST(BmpDecode, TopDownFilesMatchBottomUp) {
  for (const char* file : {"bmp3-1bit.bmp", "bmp5-8bit.bmp", "bmp3-24.bmp"}) {
    SCOPED_TRACE(file);
    TBytes f = ReadFileBytes(DataPath(file));
    const size_t off = bmp::GetU32(&f[10]);
    const int h = bmp::GetI32(&f[22]);
    const size_t stride = (f.size() - off) / h;
    for (int r = 0; r < h / 2; ++r)
      std::swap_ranges(f.begin() + off + r * stride, f.begin() + off + (r + 1) * stride,
                       f.begin() + off + (h - 1 - r) * stride);
    bmp::PutU32(&f[22], uint32_t(-h));
    TBitmap bmp;
    LoadBytes(bmp, f);
    TBitmap reference;
    reference.LoadFromFile(DataPath(file));
    EXPECT_EQ(PixelsOf(bmp), PixelsOf(reference));
  }
}

TEST(BmpDecode, RleEscapesClipAndLeaveSkippedPixelsBlack) {
  const uint32_t c0 = 0x111111, c1 = 0xFF0000, c2 = 0x00FF00, c3 = 0x0000FF;
  // RLE8 5x4: run cut at the right edge, odd absolute run with its pad byte,
  // delta, index past the 4-entry table, end of bitmap with a pixel unwritten.
  TBmpSpec rle8{.width = 5, .height = 4, .bits = 8, .compression = bmp::kBiRle8,
                .palette = {c0, c1, c2, c3}, .clrUsed = 4,
                .pixels = {3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 2, 1, 2, 2, 0, 0, 0, 4, 0, 2, 3, 9, 0, 1}};
  TBitmap bmp;
  LoadBytes(bmp, BuildBmp(rle8));
  EXPECT_EQ(PixelsOf(bmp), (std::vector<uint32_t>{c0, c2, c3, 0, 0,  //
                                                  0, 0, c2, c2, 0,   //
                                                  0, 0, 0, 0, 0,     //
                                                  c1, c1, c1, c2, c3}));
  EXPECT_EQ(bmp.PixelFormat(), TPixelFormat::pf8bit);

  // RLE4 7x2: two-colour run, absolute runs of odd nibble counts with padding.
  std::vector<uint32_t> pal16;
  for (uint32_t i = 0; i < 16; ++i) pal16.push_back(i * 0x0F0F0F);
  TBmpSpec rle4{.width = 7, .height = 2, .bits = 4, .compression = bmp::kBiRle4, .palette = pal16,
                .pixels = {5, 0x12, 0, 3, 0x34, 0x50, 0, 0, 0, 5, 0x67, 0x89, 0xA0, 0, 2, 0xBC, 0, 1}};
  LoadBytes(bmp, BuildBmp(rle4));
  std::vector<uint32_t> expected;
  for (int i : {6, 7, 8, 9, 10, 11, 12, 1, 2, 1, 2, 1, 3, 4}) expected.push_back(pal16[i]);
  EXPECT_EQ(PixelsOf(bmp), expected);
  EXPECT_EQ(bmp.PixelFormat(), TPixelFormat::pf4bit);
}

TEST(BmpDecode, BitFieldsScaleAndPalettesClamp) {
  using bmp::kBiBitfields;
  TBytes noOffset = BuildBmp({.bits = 24, .palette = {1, 2}, .clrUsed = 2, .pixels = {0x33, 0x22, 0x11, 0}});
  bmp::PutU32(&noOffset[10], 0);
  const struct { TBytes file; std::vector<uint32_t> pixels; } cases[] = {
      // 10-bit channels keep their top 8 bits; plain 32 bits ignore the X byte.
      {BuildBmp({.bits = 32, .compression = kBiBitfields, .masks = {0x3FF00000, 0xFFC00, 0x3FF},
                 .pixels = {0x01, 0x00, 0xF8, 0x3F}}), {0xFF8000}},
      {BuildBmp({.bits = 32, .pixels = {1, 2, 3, 0xFF}}), {0x030201}},
      // 16 bits: 555 without masks, 565 and 444 with; narrow channels stretch to 255.
      {BuildBmp({.width = 2, .bits = 16, .pixels = {0xFF, 0x7F, 0x10, 0x42}}), {0xFFFFFF, 0x848484}},
      {BuildBmp({.width = 2, .bits = 16, .compression = kBiBitfields, .masks = {0xF800, 0x07E0, 0x001F},
                 .pixels = {0x00, 0xF8, 0x10, 0x04}}), {0xFF0000, 0x008284}},
      {BuildBmp({.bits = 16, .compression = kBiBitfields, .masks = {0xF00, 0xF0, 0xF}, .pixels = {0x80, 0x0F, 0, 0}}),
       {0xFF8800}},
      // Two table entries before the pixel data although 256 are implied:
      // indexes past them read as black.
      {BuildBmp({.width = 3, .bits = 8, .palette = {0x123456, 0xABCDEF}, .pixels = {1, 0, 2, 0}}),
       {0xABCDEF, 0x123456, 0}},
      // No pixel offset: the data follows the table, even a hint table of a 24-bit file.
      {noOffset, {0x112233}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    TBitmap bmp;
    LoadBytes(bmp, c.file);
    EXPECT_EQ(PixelsOf(bmp), c.pixels);
  }
}

TEST(BmpSave, RoundTripsAreExactAndStreamsStayAligned) {
  TMemoryStream m;
  std::vector<TBitmap> originals;
  for (auto [w, h, pf] : {std::tuple{1, 1, TPixelFormat::pf24bit}, {3, 2, TPixelFormat::pf32bit},
                          {7, 5, TPixelFormat::pf24bit}, {6, 3, TPixelFormat::pf8bit}}) {
    TBitmap& b = originals.emplace_back(w, h);
    for (int i = 0; i < w * h; ++i) b.Bits()[i] = uint32_t(i * 0x9E3779B9u) & 0xFFFFFFu;
    b.SetPixelFormat(pf);
    b.SaveToStream(m);
  }
  // Four files back to back read back in turn.
  m.SetPosition(0);
  for (const TBitmap& o : originals) {
    TBitmap b;
    b.LoadFromStream(m);
    EXPECT_EQ(PixelsOf(b), PixelsOf(o));
    EXPECT_EQ(b.PixelFormat(), o.PixelFormat() == TPixelFormat::pf32bit ? TPixelFormat::pf32bit
                                                                         : TPixelFormat::pf24bit);
  }
  EXPECT_EQ(m.GetPosition(), m.GetSize());

  const TTempFile file("pelorin_bmp_roundtrip.bmp");
  originals[2].SaveToFile(file.path);
  EXPECT_EQ(ReadFileBytes(file.path).size(), 54u + 24 * 5);  // rows of 21 bytes padded to 24
  TBitmap b;
  b.LoadFromFile(file.path);
  EXPECT_EQ(PixelsOf(b), PixelsOf(originals[2]));
  TMemoryStream empty;
  TBitmap().SaveToStream(empty);
  EXPECT_EQ(empty.GetSize(), 0);
}
