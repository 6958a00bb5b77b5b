// The skin description (INI text) of a generated skin.
#pragma once

#include <string>
#include <vector>

#include "tools/skingen/SkinBuild.h"

namespace pelorin::skingen {

// CR LF line ends, as descriptions written on Windows have.
std::string DescribeSkin(const TSkinTheme& theme, const std::vector<TTitleButton>& buttons);

}  // namespace pelorin::skingen
