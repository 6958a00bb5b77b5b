// The last look a control skinner composed, kept as plain pixels (no GDI
// object per control): a repaint of an unchanged control is then a single
// blit, where composing it again costs tens of blits. Win32 build only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pelorin {

class TBitmap;

// Everything the composed look depends on besides the skin (a skin change
// clears the cache).
struct TLookKey {
  int Width = 0;
  int Height = 0;
  int Frame = 0;
  bool Enabled = false;
  uint32_t TextColour = 0;
  HFONT Font = nullptr;
  std::wstring Caption;
  bool operator==(const TLookKey&) const = default;
};

class TLookCache {
public:
  // Puts the remembered look at (x, y) when it was composed for key.
  bool Blit(HDC dc, int x, int y, const TLookKey& key) const;
  // Remembers the top-left key.Width x key.Height pixels of source.
  void Store(const TBitmap& source, const TLookKey& key);
  void Clear();

private:
  TLookKey key_;
  bool valid_ = false;
  std::vector<uint32_t> pixels_;
};

}  // namespace pelorin
