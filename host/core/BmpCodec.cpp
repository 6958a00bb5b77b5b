// TBitmap's Windows bitmap file codec: header parsing and validation, the
// uncompressed and RLE pixel decoders, and the 24/32-bit writer.
#include <algorithm>
#include <array>
#include <bit>
#include <string>
#include <vector>

#include "host/core/Bitmap.h"
#include "host/core/BmpFormat.h"
#include "host/core/Exceptions.h"
#include "host/core/Streams.h"

namespace pelorin {

namespace {

using namespace bmp;

[[noreturn]] void Invalid(const char* why) { throw EInvalidGraphic(std::string(SInvalidBitmap) + " (" + why + ")"); }

// The longest file accepted: the largest bitmap at 32 bits plus headers,
// palette and slack. RLE data that needs more is refused as damaged.
constexpr uint64_t kMaxFileSize = uint64_t(TBitmap::MaxPixels) * 4 + (uint64_t(1) << 20);

// One colour channel of a bit-field pixel, scaled to 8 bits.
struct TChannel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit TChannel(uint32_t m = 0) : mask(m) {
    if (!m) return;
    shift = std::countr_zero(m);
    bits = std::bit_width(m >> shift);
  }
  uint32_t Extract(uint32_t v) const {
    if (!bits) return 0;
    const uint32_t c = (v & mask) >> shift;
    if (bits >= 8) return c >> (bits - 8);
    // Narrow channels stretch to the full range, so 5-bit 31 becomes 255.
    const uint32_t max = (1u << bits) - 1;
    return (c * 255 + max / 2) / max;
  }
};

// Everything the pixel decoders need, taken from the headers and checked.
struct TBmpLayout {
  int width = 0;
  int height = 0;  // rows, always positive
  bool topDown = false;
  int bits = 0;
  uint32_t compression = kBiRgb;
  std::array<uint32_t, 3> masks{};
  std::array<uint32_t, 256> palette{};  // entries past the file's table stay black
  size_t pixelOffset = 0;
  uint32_t fileSize = 0;  // the header's claim, used only to consume the stream
};

// RLE images up to this size are accepted whatever their data size.
constexpr uint64_t kRleFreePixels = uint64_t(1) << 22;

bool IsRle(const TBmpLayout& l) { return l.compression == kBiRle8 || l.compression == kBiRle4; }

// Bytes per uncompressed row in the file, padded to 4 bytes.
uint64_t RowStride(const TBmpLayout& l) { return (uint64_t(l.width) * l.bits + 31) / 32 * 4; }

bool KnownHeaderSize(uint32_t size) {
  switch (size) {
    case kCoreHeaderSize: case kInfoHeaderSize: case kV2HeaderSize: case kV3HeaderSize:
    case kOs2V2HeaderSize: case kV4HeaderSize: case kV5HeaderSize:
      return true;
    default:
      return false;
  }
}

void CheckFormat(const TBmpLayout& l, uint32_t headerSize) {
  const int b = l.bits;
  switch (l.compression) {
    case kBiRgb:
      if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32) Invalid("unsupported bit depth");
      return;
    case kBiRle8:
    case kBiRle4:
      if (b != (l.compression == kBiRle8 ? 8 : 4)) Invalid("RLE compression does not match the bit depth");
      if (l.topDown) Invalid("top-down RLE bitmap");
      return;
    case kBiBitfields:
    case kBiAlphaBitfields:
      // For OS/2 2.x headers code 3 means Huffman coding.
      if (headerSize == kOs2V2HeaderSize) Invalid("unsupported compression");
      if (b != 16 && b != 32) Invalid("bit fields need 16 or 32 bits");
      return;
    case kBiJpeg:
      Invalid("JPEG compressed bitmaps are not supported");
    case kBiPng:
      Invalid("PNG compressed bitmaps are not supported");
    default:
      Invalid("unsupported compression");
  }
}

TBmpLayout ParseHeaders(const uint8_t* d, size_t n) {
  if (n < kFileHeaderSize + 4) Invalid("truncated header");
  if (d[0] != 'B' || d[1] != 'M') Invalid("bad signature");
  TBmpLayout l;
  l.fileSize = GetU32(d + 2);
  const uint32_t offBits = GetU32(d + kOffBitsField);
  const uint32_t hs = GetU32(d + kHeaderSizeField);
  if (!KnownHeaderSize(hs)) Invalid("unknown header");
  if (n - kFileHeaderSize < hs) Invalid("truncated header");
  const uint8_t* h = d + kFileHeaderSize;
  const bool core = hs == kCoreHeaderSize;
  int64_t width, height;
  uint32_t clrUsed = 0;
  if (core) {
    width = GetU16(h + 4);
    height = GetU16(h + 6);
    l.bits = GetU16(h + 10);
  } else {
    width = GetI32(h + 4);
    height = GetI32(h + 8);
    l.bits = GetU16(h + 14);
    l.compression = GetU32(h + 16);
    clrUsed = GetU32(h + 32);
  }
  l.topDown = height < 0;
  height = height < 0 ? -height : height;
  if (width <= 0 || height == 0) Invalid("empty size");
  if (width > TBitmap::MaxSide || height > TBitmap::MaxSide || width * height > TBitmap::MaxPixels)
    Invalid("size too large");
  l.width = int(width);
  l.height = int(height);
  CheckFormat(l, hs);

  uint64_t headerEnd = kFileHeaderSize + hs;
  if (l.compression == kBiBitfields || l.compression == kBiAlphaBitfields) {
    if (hs >= kV2HeaderSize) {
      for (int i = 0; i < 3; ++i) l.masks[i] = GetU32(h + 40 + 4 * i);
    } else {
      // Info headers keep the masks right after the header.
      const uint64_t maskBytes = l.compression == kBiAlphaBitfields ? 16 : 12;
      if (n - headerEnd < maskBytes) Invalid("truncated colour masks");
      for (int i = 0; i < 3; ++i) l.masks[i] = GetU32(d + headerEnd + 4 * i);
      headerEnd += maskBytes;
    }
  } else if (l.bits == 16) {
    l.masks = {0x7C00, 0x03E0, 0x001F};
  } else if (l.bits == 32) {
    l.masks = {0xFF0000, 0xFF00, 0xFF};
  }

  // The colour table: bits <= 8 index into it; deeper formats may carry one
  // as a hint, which only moves the pixel data.
  const uint64_t entrySize = core ? 3 : 4;
  const uint64_t maxEntries = l.bits <= 8 ? uint64_t(1) << l.bits : 0;
  const uint64_t tableEntries = core ? maxEntries : (clrUsed ? clrUsed : maxEntries);
  uint64_t entries = std::min(tableEntries, maxEntries);
  if (offBits > n) Invalid("pixel data offset outside the file");
  if (offBits >= headerEnd) {
    l.pixelOffset = offBits;
    // A short table before the pixel data: take what is there.
    entries = std::min(entries, (offBits - headerEnd) / entrySize);
  } else {
    // Offset missing or pointing into the headers: the pixels follow the table.
    const uint64_t start = headerEnd + tableEntries * entrySize;
    if (start > n) Invalid("colour table outside the file");
    l.pixelOffset = size_t(start);
  }
  if (entries * entrySize > n - headerEnd) Invalid("colour table outside the file");
  for (uint64_t i = 0; i < entries; ++i) {
    const uint8_t* e = d + headerEnd + i * entrySize;
    l.palette[i] = uint32_t(e[0]) | uint32_t(e[1]) << 8 | uint32_t(e[2]) << 16;
  }
  if (IsRle(l)) {
    // A few RLE bytes can claim a huge image (escapes skip rows); beyond a
    // generous floor, each pixel must be backed by at least 1/1024 of a data
    // byte, so a tiny hostile file cannot make us allocate gigabytes.
    const uint64_t pixels = uint64_t(l.width) * uint64_t(l.height);
    if (pixels > kRleFreePixels && pixels / 1024 > n - l.pixelOffset) Invalid("RLE image larger than its data");
  } else {
    // The last row may lack its padding; some writers drop it.
    const uint64_t lastRow = (uint64_t(l.width) * l.bits + 7) / 8;
    if (n - l.pixelOffset < RowStride(l) * (l.height - 1) + lastRow) Invalid("truncated pixel data");
  }
  return l;
}

TPixelFormat FormatOf(const TBmpLayout& l) {
  switch (l.bits) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 16:
      return l.masks == std::array<uint32_t, 3>{0x7C00, 0x03E0, 0x001F} ? TPixelFormat::pf15bit
                                                                         : TPixelFormat::pf16bit;
    case 24: return TPixelFormat::pf24bit;
    default: return TPixelFormat::pf32bit;
  }
}

// Uncompressed rows (their size was checked with the headers); returns the
// end of the data used.
size_t DecodeRows(const TBmpLayout& l, const uint8_t* d, size_t n, TBitmap& out) {
  const uint64_t stride = RowStride(l);
  const TChannel r(l.masks[0]), g(l.masks[1]), b(l.masks[2]);
  const bool plain32 = l.bits == 32 && l.masks == std::array<uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
  for (int row = 0; row < l.height; ++row) {
    const uint8_t* s = d + l.pixelOffset + row * stride;
    uint32_t* dst = out.ScanLine(l.topDown ? row : l.height - 1 - row);
    const int w = l.width;
    switch (l.bits) {
      case 1:
        for (int x = 0; x < w; ++x) dst[x] = l.palette[(s[x >> 3] >> (7 - (x & 7))) & 1];
        break;
      case 4:
        for (int x = 0; x < w; ++x) dst[x] = l.palette[(s[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
        break;
      case 8:
        for (int x = 0; x < w; ++x) dst[x] = l.palette[s[x]];
        break;
      case 16:
        for (int x = 0; x < w; ++x) {
          const uint32_t v = GetU16(s + 2 * x);
          dst[x] = r.Extract(v) << 16 | g.Extract(v) << 8 | b.Extract(v);
        }
        break;
      case 24:
        for (int x = 0; x < w; ++x) dst[x] = uint32_t(s[3 * x]) | uint32_t(s[3 * x + 1]) << 8 | uint32_t(s[3 * x + 2]) << 16;
        break;
      default:
        for (int x = 0; x < w; ++x) {
          const uint32_t v = GetU32(s + 4 * x);
          dst[x] = plain32 ? v & 0xFFFFFFu : r.Extract(v) << 16 | g.Extract(v) << 8 | b.Extract(v);
        }
        break;
    }
  }
  return size_t(std::min<uint64_t>(l.pixelOffset + stride * l.height, n));
}

// RLE8 and RLE4 (bottom-up only). Pixels the data skips stay black. Runs that
// cross the right edge are cut there (common encoders also code the row
// padding); moving below the last row or running out of data before the
// end-of-bitmap escape is damage. Returns the end of the data used.
size_t DecodeRle(const TBmpLayout& l, const uint8_t* d, size_t n, TBitmap& out) {
  const bool rle4 = l.compression == kBiRle4;
  const int w = l.width;
  int x = 0, y = 0;  // y counts file rows from the bottom
  size_t i = l.pixelOffset;
  auto put = [&](uint32_t index) {
    if (x < w) out.ScanLine(l.height - 1 - y)[x] = l.palette[index];
    ++x;
  };
  while (y < l.height) {
    if (n - i < 2) Invalid("truncated RLE data");
    const uint8_t count = d[i], value = d[i + 1];
    i += 2;
    if (count) {
      for (int k = 0; k < count && x < w; ++k) put(rle4 ? ((k & 1) ? value & 0xF : value >> 4) : value);
      x = std::min(x, w);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of bitmap
      break;
    } else if (value == 2) {  // delta
      if (n - i < 2) Invalid("truncated RLE data");
      x = std::min(x + d[i], w);
      y += d[i + 1];
      i += 2;
      if (y >= l.height) Invalid("RLE delta below the bitmap");
    } else {  // absolute run, padded to a 16-bit boundary
      const size_t bytes = rle4 ? (value + 1u) / 2 : value;
      if (n - i < bytes) Invalid("truncated RLE data");
      for (int k = 0; k < value && x < w; ++k) {
        const uint8_t byte = d[i + (rle4 ? k / 2 : k)];
        put(rle4 ? ((k & 1) ? byte & 0xF : byte >> 4) : byte);
      }
      x = std::min(x, w);
      i += std::min(bytes + (bytes & 1), n - i);
    }
  }
  return i;
}

}  // namespace

void TBitmap::LoadFromStream(TStream& stream) {
  const int64_t start = stream.GetPosition();
  const int64_t remaining = std::max<int64_t>(stream.GetSize() - start, 0);
  std::vector<uint8_t> data(size_t(std::min<uint64_t>(uint64_t(remaining), kMaxFileSize)));
  // Look at the signature before reading a possibly large foreign file.
  const size_t peek = std::min<size_t>(data.size(), 2);
  stream.ReadBuffer(data.data(), int64_t(peek));
  if (peek < 2 || data[0] != 'B' || data[1] != 'M') {
    stream.SetPosition(start);
    Invalid(peek < 2 ? "truncated header" : "bad signature");
  }
  stream.ReadBuffer(data.data() + peek, int64_t(data.size() - peek));

  TBitmap image;
  size_t end = 0;
  try {
    // Every size is checked against the data here, before pixels are allocated.
    const TBmpLayout l = ParseHeaders(data.data(), data.size());
    image.SetSize(l.width, l.height);
    end = IsRle(l) ? DecodeRle(l, data.data(), data.size(), image) : DecodeRows(l, data.data(), data.size(), image);
    if (l.fileSize >= end && l.fileSize <= data.size()) end = l.fileSize;
    image.pixelFormat_ = FormatOf(l);
  } catch (...) {
    stream.SetPosition(start);
    throw;
  }
  // Leave the stream after the bitmap file, as a reader of embedded images expects.
  stream.SetPosition(start + int64_t(end));
  image.transparent_ = transparent_;
  image.transparentColor_ = transparentColor_;
  *this = std::move(image);
}

void TBitmap::SaveToStream(TStream& stream) const {
  // An empty bitmap has no file form; it writes nothing, as an empty image
  // stream reads back as an empty bitmap.
  if (Empty()) return;
  const bool deep = pixelFormat_ == TPixelFormat::pf32bit;
  const uint32_t bytesPerPixel = deep ? 4 : 3;
  const uint32_t stride = (uint32_t(width_) * bytesPerPixel + 3) & ~3u;
  const uint32_t imageSize = stride * uint32_t(height_);
  const uint32_t offBits = kFileHeaderSize + kInfoHeaderSize;
  uint8_t header[kFileHeaderSize + kInfoHeaderSize] = {};
  header[0] = 'B';
  header[1] = 'M';
  PutU32(header + 2, offBits + imageSize);
  PutU32(header + kOffBitsField, offBits);
  uint8_t* info = header + kFileHeaderSize;
  PutU32(info, kInfoHeaderSize);
  PutU32(info + 4, uint32_t(width_));
  PutU32(info + 8, uint32_t(height_));
  PutU16(info + 12, 1);
  PutU16(info + 14, uint16_t(bytesPerPixel * 8));
  PutU32(info + 16, kBiRgb);
  PutU32(info + 20, imageSize);
  stream.WriteBuffer(header, sizeof header);
  std::vector<uint8_t> row(stride, 0);
  for (int y = height_ - 1; y >= 0; --y) {
    const uint32_t* src = ScanLine(y);
    uint8_t* p = row.data();
    for (int x = 0; x < width_; ++x, p += bytesPerPixel) {
      p[0] = uint8_t(src[x]);
      p[1] = uint8_t(src[x] >> 8);
      p[2] = uint8_t(src[x] >> 16);
    }
    stream.WriteBuffer(row.data(), stride);
  }
}

void TBitmap::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyNone);
  LoadFromStream(stream);
}

void TBitmap::SaveToFile(const std::string& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}

}  // namespace pelorin
