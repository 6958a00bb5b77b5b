// Without a window system the system colours come from the classic Windows palette.
#include "host/core/Color.h"

namespace pelorin {

TColor PlatformSysColor(int index) {
  static constexpr TColor classic[SYS_COLOR_COUNT] = {
      MakeRGB(212, 208, 200), MakeRGB(58, 110, 165),  MakeRGB(10, 36, 106),   MakeRGB(128, 128, 128),
      MakeRGB(212, 208, 200), MakeRGB(255, 255, 255), MakeRGB(0, 0, 0),       MakeRGB(0, 0, 0),
      MakeRGB(0, 0, 0),       MakeRGB(255, 255, 255), MakeRGB(212, 208, 200), MakeRGB(212, 208, 200),
      MakeRGB(128, 128, 128), MakeRGB(10, 36, 106),   MakeRGB(255, 255, 255), MakeRGB(212, 208, 200),
      MakeRGB(128, 128, 128), MakeRGB(128, 128, 128), MakeRGB(0, 0, 0),       MakeRGB(212, 208, 200),
      MakeRGB(255, 255, 255), MakeRGB(64, 64, 64),    MakeRGB(212, 208, 200), MakeRGB(0, 0, 0),
      MakeRGB(255, 255, 225), MakeRGB(181, 181, 181), MakeRGB(0, 0, 128),     MakeRGB(166, 202, 240),
      MakeRGB(192, 192, 192), MakeRGB(49, 106, 197),  MakeRGB(212, 208, 200),
  };
  return index >= 0 && index < SYS_COLOR_COUNT ? classic[index] : 0;
}

}  // namespace pelorin
