// Source folders and archives of generated skins.
#include "tools/skingen/SkinOutput.h"

#include <fstream>

#include "host/core/Exceptions.h"

namespace pelorin::skingen {

namespace {

void WriteBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
  std::ofstream f(file, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!f) throw EFCreateError("cannot write " + file.string());
}

}  // namespace

void WriteSourceFolder(const TSkinSource& source, const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  for (const auto& [name, bytes] : SkinFiles(source)) WriteBytes(folder / name, bytes);
}

void WriteArchive(const TSkinSource& source, const std::filesystem::path& file) {
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
  WriteBytes(file, PackSkin(source));
}

}  // namespace pelorin::skingen
