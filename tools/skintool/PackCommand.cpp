// skintool pack: every file of a folder (sub-folders are skipped) into one
// archive, in order of their lower-cased names.
#include <algorithm>
#include <filesystem>

#include "host/core/StringList.h"
#include "skinfile/SkinWriter.h"
#include "tools/skintool/Commands.h"

namespace pelorin::skintool {

namespace fs = std::filesystem;

void RunPack(const std::vector<std::string>& args, std::ostream& out) {
  const TInOut io = ParseInOut(args, true);
  std::error_code ec;
  if (!fs::is_directory(PathFromUtf8(io.input), ec)) throw EToolError(io.input + ": not a folder");
  std::vector<std::pair<std::string, fs::path>> files;
  for (const fs::directory_entry& e : fs::directory_iterator(PathFromUtf8(io.input))) {
    if (e.is_regular_file()) files.emplace_back(AnsiLowerAscii(Utf8(e.path().filename())), e.path());
  }
  std::sort(files.begin(), files.end());

  TSkinWriter writer;
  for (const auto& [name, path] : files) {
    TMemoryStream content;
    content.LoadFromFile(Utf8(path));
    writer.AddFile(Utf8(path.filename()), content.Bytes());
  }
  writer.SaveToFile(io.output);
  out << "packed " << writer.Count() << " files into " << io.output << "\n";
}

}  // namespace pelorin::skintool
