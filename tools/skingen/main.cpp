// skingen: draws the project's own skins and writes them as archives.
//   skingen OUTDIR [--sources DIR] [--only NAME]
#include <iostream>
#include <string>

#include "tools/skingen/SkinOutput.h"

int main(int argc, char** argv) {
  using namespace pelorin::skingen;
  std::string out, sources, only;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if ((a == "--sources" || a == "--only") && i + 1 < argc) {
      (a == "--sources" ? sources : only) = argv[++i];
    } else if (out.empty() && !a.empty() && a[0] != '-') {
      out = a;
    } else {
      std::cerr << "usage: skingen OUTDIR [--sources DIR] [--only NAME]\n";
      return 2;
    }
  }
  if (out.empty()) {
    std::cerr << "usage: skingen OUTDIR [--sources DIR] [--only NAME]\n";
    return 2;
  }
  try {
    int count = 0;
    for (const TSkinTheme& theme : AllThemes()) {
      if (!only.empty() && only != theme.FileName && only != theme.Name) continue;
      const TSkinSource source = BuildSkin(theme);
      if (!sources.empty()) WriteSourceFolder(source, std::filesystem::path(sources) / theme.FileName);
      WriteArchive(source, std::filesystem::path(out) / (theme.FileName + ".skn"));
      ++count;
    }
    if (count == 0) {
      std::cerr << "skingen: no theme named \"" << only << "\"\n";
      return 1;
    }
  } catch (const std::exception& e) {
    std::cerr << "skingen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
