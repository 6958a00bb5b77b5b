// The Windows message box; text arrives as UTF-8.
#include <windows.h>

#include <string>

#include "host/core/MessageBox.h"
#include "host/win/platform/WideText.h"

namespace pelorin {

int PlatformMessageBox(const std::string& text, const std::string& caption, int flags) {
  return MessageBoxW(GetActiveWindow(), Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(),
                     static_cast<UINT>(flags) | MB_TASKMODAL);
}

}  // namespace pelorin
