// The window-free steps of the plain entry point: reading a skin file,
// checking that bytes hold a whole skin before a running one is replaced,
// and which windows of the thread are taken when skinning starts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pelorin/Skin.h"

namespace pelorin {

using TSkinBytes = std::vector<std::uint8_t>;

// The whole file at utf8Path; FileNotFound, FileUnreadable or NoData otherwise.
TSkinError ReadSkinFile(const std::string& utf8Path, TSkinBytes& bytes);

// Parses bytes into a scratch model: Refused, Damaged or NoData with the
// reason, or no error. Whatever the reader would show in a message box
// becomes the reason instead.
TSkinError CheckSkinBytes(const TSkinBytes& bytes, const std::string& source);

// A window of the thread open when skinning starts is taken when it is a
// visible top-level window with a caption, or a visible dialog box. Hidden
// ones are taken by the manager when they are first activated; captionless
// popups (tool tips, drop-downs, menus) are never frames.
bool TakenAtStart(std::string_view className, std::uint32_t style);

}  // namespace pelorin
