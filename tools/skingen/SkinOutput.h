// Writing generated skins to disk: the source folder and the archive.
#pragma once

#include <filesystem>

#include "tools/skingen/SkinBuild.h"

namespace pelorin::skingen {

// Writes the description and images into folder (created if needed; files of
// earlier runs with other names are left alone).
void WriteSourceFolder(const TSkinSource& source, const std::filesystem::path& folder);
// Writes the packed archive.
void WriteArchive(const TSkinSource& source, const std::filesystem::path& file);

}  // namespace pelorin::skingen
