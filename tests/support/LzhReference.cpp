// TLZH: the byte-serial decoder, one callback per byte and a 16-bit bit buffer,
// with the linear-scan tree update. It is the plain statement of the codec that
// the block decoder is checked against.
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "tests/support/LzhReference.h"

#include "skinfile/Lzh.h"
#include "skinfile/LzhTables.h"

namespace pelorin::testing {

using namespace lzh;

struct TLZH::Tables {
  uint8_t text[N + F - 1];  // the window; bytes past the pre-filled part start as zero
  uint16_t freq[T + 1];
  uint16_t prnt[T + N_CHAR];
  uint16_t son[T];

  void StartHuff() {
    for (int i = 0; i < N_CHAR; ++i) {
      freq[i] = 1;
      son[i] = static_cast<uint16_t>(i + T);
      prnt[i + T] = static_cast<uint16_t>(i);
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
      freq[j] = static_cast<uint16_t>(freq[i] + freq[i + 1]);
      son[j] = static_cast<uint16_t>(i);
      prnt[i] = prnt[i + 1] = static_cast<uint16_t>(j);
    }
    freq[T] = 0xFFFF;
    prnt[R] = 0;
  }

  void Reconst() {
    int j = 0;
    for (int i = 0; i < T; ++i) {
      if (son[i] >= T) {
        freq[j] = static_cast<uint16_t>((freq[i] + 1) / 2);
        son[j] = son[i];
        ++j;
      }
    }
    for (int i = 0, n = N_CHAR; n < T; i += 2, ++n) {
      const unsigned f = freq[i] + freq[i + 1];
      int k = n - 1;
      while (f < freq[k]) --k;
      ++k;
      std::memmove(&freq[k + 1], &freq[k], (n - k) * sizeof freq[0]);
      freq[k] = static_cast<uint16_t>(f);
      std::memmove(&son[k + 1], &son[k], (n - k) * sizeof son[0]);
      son[k] = static_cast<uint16_t>(i);
    }
    for (int i = 0; i < T; ++i) {
      const int k = son[i];
      if (k >= T) prnt[k] = static_cast<uint16_t>(i);
      else prnt[k] = prnt[k + 1] = static_cast<uint16_t>(i);
    }
  }

  void Update(int c) {
    if (freq[R] == MAX_FREQ) Reconst();
    c = prnt[c + T];
    do {
      const unsigned k = ++freq[c];
      if (k > freq[c + 1]) {
        int l = c + 1;
        while (k > freq[l + 1]) ++l;
        freq[c] = freq[l];
        freq[l] = static_cast<uint16_t>(k);
        const int i = son[c];
        prnt[i] = static_cast<uint16_t>(l);
        if (i < T) prnt[i + 1] = static_cast<uint16_t>(l);
        const int j = son[l];
        son[l] = static_cast<uint16_t>(i);
        prnt[j] = static_cast<uint16_t>(c);
        if (j < T) prnt[j + 1] = static_cast<uint16_t>(c);
        son[c] = static_cast<uint16_t>(j);
        c = l;
      }
      c = prnt[c];
    } while (c != 0);
  }
};

void TLZH::GetBytes(uint8_t* buffer, uint16_t count, uint16_t& actual) {
  actual = count;
  const int64_t remaining = std::max<int64_t>(0, InStream->Remaining());
  if (remaining < actual) actual = static_cast<uint16_t>(remaining);
  if (actual > 0) InStream->ReadBuffer(buffer, actual);
}

void TLZH::PutBytes(const uint8_t* buffer, uint16_t count, uint16_t& actual) {
  OutStream->WriteBuffer(buffer, count);
  actual = count;
}

void TLZH::FillBits(const TLzhGetBytes& getBytes) {
  while (getlen_ <= 8) {
    uint8_t b = 0;
    uint16_t actual = 0;
    getBytes(&b, 1, actual);
    if (actual != 1) b = 0;
    getbuf_ = static_cast<uint16_t>(getbuf_ | (b << (8 - getlen_)));
    getlen_ = static_cast<uint8_t>(getlen_ + 8);
  }
}

unsigned TLZH::GetBit(const TLzhGetBytes& getBytes) {
  FillBits(getBytes);
  const unsigned bit = getbuf_ >> 15;
  getbuf_ = static_cast<uint16_t>(getbuf_ << 1);
  --getlen_;
  return bit;
}

unsigned TLZH::GetByte(const TLzhGetBytes& getBytes) {
  FillBits(getBytes);
  const unsigned byte = getbuf_ >> 8;
  getbuf_ = static_cast<uint16_t>(getbuf_ << 8);
  getlen_ = static_cast<uint8_t>(getlen_ - 8);
  return byte;
}

void TLZH::LZHDecode(int32_t textSize, const TLzhPutBytes& putBytes, const TLzhGetBytes& getBytes) {
  std::unique_ptr<Tables> t;
  try {
    t = std::make_unique<Tables>();  // value-initialised: the window tail starts as zero
  } catch (const std::bad_alloc&) {
    throw ElzhException(SLzhNoMemory);
  }
  getbuf_ = 0;
  getlen_ = 0;
  t->StartHuff();
  std::memset(t->text, ' ', N - F);
  int r = N - F;
  const auto& pos = kPositionTables;

  auto emit = [&](uint8_t b) {
    uint16_t actual = 0;
    putBytes(&b, 1, actual);
    t->text[r] = b;
    r = (r + 1) & (N - 1);
  };

  for (int64_t count = 0; count < textSize;) {
    int c = t->son[R];
    while (c < T) c = t->son[c + GetBit(getBytes)];
    c -= T;
    t->Update(c);
    if (c < 256) {
      emit(static_cast<uint8_t>(c));
      ++count;
    } else {
      unsigned i = GetByte(getBytes);
      const unsigned high = pos.dCode[i] << 6;
      for (int n = pos.dLen[i] - 2; n > 0; --n) i = (i << 1) + GetBit(getBytes);
      const int distance = static_cast<int>(high | (i & 0x3F));
      const int start = (r - distance - 1) & (N - 1);
      const int length = c - 255 + THRESHOLD;
      for (int k = 0; k < length; ++k) emit(t->text[(start + k) & (N - 1)]);
      count += length;
    }
  }
}

void DecodeSerial(TStream& in, TStream& out, int32_t length) {
  TLZH lzh;
  lzh.InStream = &in;
  lzh.OutStream = &out;
  lzh.LZHDecode(
      length, [&](const uint8_t* b, uint16_t n, uint16_t& a) { lzh.PutBytes(b, n, a); },
      [&](uint8_t* b, uint16_t n, uint16_t& a) { lzh.GetBytes(b, n, a); });
}

std::vector<uint8_t> DecodeSerial(const uint8_t* data, size_t size) {
  TMemoryStream in, out;
  in.Assign(data, size);
  DecodeSerial(in, out, in.ReadInt32LE());
  return out.Bytes();
}

}  // namespace pelorin::testing
