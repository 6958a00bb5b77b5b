// Without a window system a message box is a line on stderr, answered with OK.
#include <cstdio>

#include "host/core/MessageBox.h"

namespace pelorin {

int PlatformMessageBox(const std::string& text, const std::string& caption, int) {
  std::fprintf(stderr, "%s%s%s\n", caption.c_str(), caption.empty() ? "" : ": ", text.c_str());
  return idOK;
}

}  // namespace pelorin
