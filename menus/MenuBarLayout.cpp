// Menu bar item placement, hit testing and accelerators.
#include "menus/MenuBarLayout.h"

#include <algorithm>
#include <cstdint>

#include "skinmodel/SkinRecords.h"

namespace pelorin {

int MenuBarFirstX(const TDataSkinObject* menuBar, int barWidth) {
  if (!menuBar) return 6;
  // A negative margin would hide the first item under the left border.
  const int64_t x = int64_t(std::max(0, menuBar->Margins.Left)) + 4;
  return x > barWidth ? 12 : int(x);
}

std::vector<TMenuBarSlot> LayoutMenuBar(const std::vector<TMenuBarEntry>& items, const TRect& bar, int firstX,
                                        const TTextWidthFunc& textWidth) {
  std::vector<TMenuBarSlot> slots;
  slots.reserve(items.size());
  const int h = bar.Height();
  // Widths are summed in 64 bits and capped, so absurd captions cannot wrap x around.
  long long x = firstX;
  constexpr long long limit = 1 << 28;
  for (const TMenuBarEntry& item : items) {
    long long w = static_cast<long long>(textWidth(StripMenuAccel(item.Caption))) + 10;
    if (w < 10) w = 10;
    if (x + w > limit) w = limit - x > 0 ? limit - x : 0;
    const int left = static_cast<int>(x), right = static_cast<int>(x + w);
    TMenuBarSlot slot;
    slot.Text = {left, 0, right, h - 1};
    slot.Bounds = {bar.Left + left, bar.Top, bar.Left + right, bar.Bottom - 1};
    slots.push_back(slot);
    x += w;
  }
  return slots;
}

int MenuBarItemAt(const std::vector<TMenuBarEntry>& items, const std::vector<TMenuBarSlot>& slots, TPoint p) {
  const size_t n = items.size() < slots.size() ? items.size() : slots.size();
  for (size_t i = 0; i < n; ++i)
    if (!items[i].Caption.empty() && slots[i].Bounds.Contains(p)) return static_cast<int>(i);
  return -1;
}

int NeighbourBarItem(int index, int count, int step) {
  if (count <= 0) return -1;
  const int next = (index + (step < 0 ? -1 : 1)) % count;
  return next < 0 ? next + count : next;
}

namespace {
// Decodes the UTF-8 character at s[i] (a lone byte counts as itself).
unsigned CodePointAt(const std::string& s, size_t i) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned c = b(i);
  int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
  if (i + extra >= s.size()) return c;
  unsigned cp = extra == 0 ? c : c & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return c;
    cp = (cp << 6) | (b(i + k) & 0x3F);
  }
  return cp;
}
unsigned UpperAscii(unsigned c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }
}  // namespace

unsigned MenuAccelOf(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;  // a literal ampersand
      continue;
    }
    return UpperAscii(CodePointAt(caption, i + 1));
  }
  return 0;
}

std::string StripMenuAccel(const std::string& caption) {
  std::string out;
  out.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') ++i;
      else continue;
    }
    out += caption[i];
  }
  return out;
}

int FindMenuAccel(const std::vector<TMenuBarEntry>& items, unsigned ch) {
  if (ch == 0) return -1;
  ch = UpperAscii(ch);
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].Enabled && MenuAccelOf(items[i].Caption) == ch) return static_cast<int>(i);
  return -1;
}

}  // namespace pelorin
