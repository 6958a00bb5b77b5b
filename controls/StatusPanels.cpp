#include "controls/StatusPanels.h"

#include <algorithm>

namespace pelorin {

namespace {
constexpr unsigned NoBorders = 0x0100, PopOut = 0x0200;  // the system bar's drawing flags
constexpr int TextInset = 4;  // clear of the bevel or the image's edge
}  // namespace

int PanelFrameOfBevel(int bevel) {
  switch (bevel) {
    case 0: return pfFlat;
    case 2: return pfRaised;
    default: return pfLowered;
  }
}

int PanelFrameOfDrawFlags(unsigned flags) {
  if (flags & NoBorders) return pfFlat;
  if (flags & PopOut) return pfRaised;
  return pfLowered;
}

int AlignmentFormat(int alignment) {
  switch (alignment) {
    case 1: return 2;
    case 2: return 1;
    default: return 0;
  }
}

TStatusPanelView PanelFromSystemText(int index, std::wstring text, unsigned flags) {
  size_t tabs = 0;
  while (tabs < 2 && tabs < text.size() && text[tabs] == L'\t') ++tabs;
  text.erase(0, tabs);
  return {index, std::move(text), tabs == 0 ? 0 : tabs == 1 ? 1 : 2, PanelFrameOfDrawFlags(flags)};
}

std::vector<TStatusPanelView> PlanStatusPanels(bool simple, const std::wstring& simpleText,
                                               std::vector<TStatusPanelView> panels) {
  if (simple || panels.empty()) return {{-1, simpleText, 0, pfLowered}};
  return panels;
}

TRect PlacePanelText(const TRect& panel, TPoint measured, int format) {
  const int left = panel.Left + TextInset, right = std::max(left, panel.Right - TextInset);
  int x = left;
  if (format == 1) x = left + (right - left - measured.X) / 2;
  if (format == 2) x = right - measured.X;
  x = std::max(x, left);  // a text too wide starts at the left and is clipped on the right
  const int y = panel.Top + (panel.Height() - measured.Y) / 2;
  return {x, y, std::min(x + measured.X, right), y + measured.Y};
}

}  // namespace pelorin
