// skintool unpack: every file of an archive into a folder, refusing names
// that could reach outside it.
#include <filesystem>

#include "skinfile/SkinWriter.h"
#include "tools/skintool/Commands.h"

namespace pelorin::skintool {

namespace fs = std::filesystem;

void RunUnpack(const std::vector<std::string>& args, std::ostream& out) {
  const TInOut io = ParseInOut(args, true);
  TSkinReader reader;
  LoadArchive(io.input, reader);
  // Names come from the archive: check them all before writing anything.
  for (int i = 0; i < reader.Count; ++i) {
    if (!IsPlainSkinFileName(reader.Names[i]))
      throw EToolError(io.input + ": unsafe file name in archive: \"" + reader.Names[i] + "\"");
  }
  const fs::path dir = PathFromUtf8(io.output);
  fs::create_directories(dir);
  int written = 0;
  for (int i = 0; i < reader.Count; ++i) {
    // A repeated name is never found by a lookup; only its first entry counts.
    bool repeated = false;
    for (int j = 0; j < i && !repeated; ++j) repeated = reader.Names[j] == reader.Names[i];
    if (repeated) continue;
    TMemoryStream content;
    reader.ExtractAt(i, content);
    content.SaveToFile(Utf8(dir / PathFromUtf8(reader.Names[i])));
    ++written;
  }
  out << "unpacked " << written << " files into " << io.output << "\n";
}

}  // namespace pelorin::skintool
