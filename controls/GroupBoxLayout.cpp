#include "controls/GroupBoxLayout.h"

#include <algorithm>

namespace pelorin {

namespace {
constexpr int Indent = 8;  // from the box's side to the caption's gap
constexpr int Gap = 2;     // blank line on each side of the caption
}  // namespace

TGroupBoxLayout LayOutGroupBox(TPoint client, TPoint measured, int format) {
  const int width = std::max(client.X, 0), height = std::max(client.Y, 0);
  const int textHeight = std::clamp(measured.Y, 0, height);
  TGroupBoxLayout layout;
  layout.Frame = {0, std::min(textHeight / 2, height), width, height};
  if (measured.X <= 0) return layout;
  // The caption never leaves the frame's top line.
  const int room = std::max(width - 2 * Indent, 0);
  const int textWidth = measured.X > room - 2 * Gap ? room : measured.X + 2 * Gap;
  int left = Indent;
  if (format == 1) left = Indent + (room - textWidth) / 2;
  if (format == 2) left = Indent + room - textWidth;
  layout.Caption = {left, 0, left + textWidth, textHeight};
  return layout;
}

}  // namespace pelorin
