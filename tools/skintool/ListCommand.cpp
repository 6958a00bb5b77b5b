// skintool list: the names and sizes of an archive's files.
#include <iomanip>

#include "tools/skintool/Commands.h"

namespace pelorin::skintool {

void RunList(const std::vector<std::string>& args, std::ostream& out) {
  const TInOut io = ParseInOut(args, false);
  TSkinReader reader;
  LoadArchive(io.input, reader);
  int64_t total = 0;
  for (int i = 0; i < reader.Count; ++i) {
    out << std::setw(10) << reader.Sizes[i] << "  " << reader.Names[i] << "\n";
    total += reader.Sizes[i];
  }
  out << std::setw(10) << total << "  (" << reader.Count << " files)\n";
}

}  // namespace pelorin::skintool
