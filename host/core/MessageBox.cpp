// Routing of message boxes through one replaceable function.
#include "host/core/MessageBox.h"

#include <utility>

namespace pelorin {

namespace {
TMessageBoxFunc& Current() {
  static TMessageBoxFunc func;
  return func;
}
}  // namespace

int ShowMessageBox(const std::string& text, const std::string& caption, int flags) {
  const TMessageBoxFunc& f = Current();
  return f ? f(text, caption, flags) : PlatformMessageBox(text, caption, flags);
}

TMessageBoxFunc SetMessageBoxFunc(TMessageBoxFunc func) { return std::exchange(Current(), std::move(func)); }

}  // namespace pelorin
