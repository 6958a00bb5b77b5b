// UTF-8 <-> UTF-16 conversion for the wide Win32 API.
#pragma once

#include <string>
#include <string_view>

namespace pelorin {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace pelorin
