// The framework's one replaceable message-box function. Everything that shows
// a message box goes through it, so tests can intercept it instead of blocking.
#pragma once

#include <functional>
#include <string>

namespace pelorin {

// Button sets and results, with the Windows values.
enum : int { mbOK = 0, mbOKCancel = 1, mbYesNo = 4 };
enum : int { idOK = 1, idCancel = 2, idYes = 6, idNo = 7 };

using TMessageBoxFunc = std::function<int(const std::string& text, const std::string& caption, int flags)>;

// Shows text through the current function and returns its result.
int ShowMessageBox(const std::string& text, const std::string& caption = "", int flags = mbOK);
// Installs a new function (an empty one restores the platform default) and
// returns the previous one.
TMessageBoxFunc SetMessageBoxFunc(TMessageBoxFunc func);
// The platform default: a real message box on Windows, stderr elsewhere.
int PlatformMessageBox(const std::string& text, const std::string& caption, int flags);

}  // namespace pelorin
