// skintool preview: a sample window painted from a skin, saved as PNG.
#include <cstdio>

#include "host/core/Streams.h"
#include "tools/skintool/Commands.h"
#include "tools/skintool/PreviewPng.h"
#include "tools/skintool/PreviewRender.h"

namespace pelorin::skintool {

namespace {

const char* const FontDir = "/usr/share/fonts/truetype/dejavu/";

void ParseSize(const std::string& text, TPreviewOptions& o) {
  int w = 0, h = 0;
  char x = 0, extra = 0;
  if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &extra) != 3 || (x != 'x' && x != 'X'))
    throw EUsageError("--size wants WIDTHxHEIGHT, not \"" + text + "\"");
  if (w < 320 || h < 260 || w > 4000 || h > 4000) throw EUsageError("--size must lie between 320x260 and 4000x4000");
  o.Width = w;
  o.Height = h;
}

}  // namespace

void RunPreview(const std::vector<std::string>& args, std::ostream& out) {
  TPreviewOptions options;
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--inactive") options.Active = false;
    else if (args[i] == "--size") {
      if (i + 1 >= args.size()) throw EUsageError("--size needs a value");
      ParseSize(args[++i], options);
    } else rest.push_back(args[i]);
  }
  const TInOut io = ParseInOut(rest, true);

  TSkinReader check;
  LoadArchive(io.input, check);  // refuses wrong versions and damaged archives with a clear reason
  TSkinModel skin;
  TMemoryStream packed;
  packed.LoadFromFile(io.input);
  if (!skin.LoadSkinArchive(packed) || skin.Empty) throw EToolError(io.input + ": the skin could not be loaded");

  const TPreviewFont caption(std::string(FontDir) + "DejaVuSans-Bold.ttf", 12);
  const TPreviewFont text(std::string(FontDir) + "DejaVuSans.ttf", 12);
  const TBitmap picture = RenderPreview(skin, options, {caption, text});
  SavePng(picture, io.output);
  out << "wrote " << io.output << " (" << picture.Width() << "x" << picture.Height() << ")\n";
}

}  // namespace pelorin::skintool
