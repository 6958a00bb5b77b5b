// Text for skin previews: one FreeType face at one pixel size, measuring and
// drawing UTF-8 text onto a TBitmap.
#pragma once

#include <string>

#include "host/core/Bitmap.h"

namespace pelorin::skintool {

// Where DrawText puts the text inside its rectangle.
enum class TTextAlign { Left, Centre, Right };

class TPreviewFont {
public:
  // Raises EToolError when the font file cannot be opened.
  TPreviewFont(const std::string& fontFile, int pixelSize);
  ~TPreviewFont();
  TPreviewFont(const TPreviewFont&) = delete;
  TPreviewFont& operator=(const TPreviewFont&) = delete;

  int TextWidth(const std::string& text) const;
  int LineHeight() const { return lineHeight_; }

  // One line, vertically centred when vcentre (else from r.Top), cut to r;
  // text wider than r ends in an ellipsis when ellipsis is set.
  void DrawText(TBitmap& target, const TRect& r, const std::string& text, TColor colour, TTextAlign align,
                bool vcentre, bool ellipsis = false) const;

private:
  struct TImpl;
  TImpl* impl_;
  int lineHeight_ = 0;
  int ascent_ = 0;
};

}  // namespace pelorin::skintool
