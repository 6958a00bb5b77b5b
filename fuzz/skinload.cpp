// Fuzz target: the whole skin load (archive, description, bitmaps). The first
// byte picks the form of the input: raw .skn bytes, or a description and
// bitmap files (separated by "@@@@", named 0.bmp, 1.bmp ...) packed here into
// an archive so the parser and the bitmap codec are reached every time.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/core/MessageBox.h"
#include "skinfile/SkinWriter.h"
#include "skinmodel/SkinModel.h"
#include "skinmodel/SkinRules.h"

using namespace pelorin;

namespace {

void Touch(const TDataSkinObject* r) {
  if (!r) return;
  // Every frame of every image must be addressable with the counts the model gives.
  const int fw = SafeFrameWidth(r->Bitmap.Width(), r->FrameCount);
  if (fw > 0 && r->Bitmap.Height() > 0) {
    volatile uint32_t sink = r->Bitmap.ScanLine(r->Bitmap.Height() - 1)[fw * r->FrameCount - 1];
    (void)sink;
  }
  if (r->FrameCount < 1) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (SetMessageBoxFunc([](const std::string&, const std::string&, int) { return idOK; }), true);
  (void)quiet;
  if (size < 1) return 0;
  TMemoryStream archive;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    if (data[0] & 1) {
      archive.Assign(rest.data(), rest.size());
    } else {
      TSkinWriter writer;
      int index = -1;
      while (true) {
        size_t cut = rest.find("@@@@");
        std::string_view part = rest.substr(0, cut);
        writer.AddFile(index < 0 ? std::string("skin.ini") : std::to_string(index) + ".bmp", part.data(), part.size());
        ++index;
        if (cut == std::string_view::npos || index > 40) break;
        rest.remove_prefix(cut + 4);
      }
      writer.SaveToStream(archive);
    }
    TSkinModel model;
    if (!model.LoadSkinArchive(archive)) return 0;
    for (int i = bdLeft; i <= bdBottom; ++i) Touch(model.Borders[i]);
    Touch(model.Title.get());
    Touch(model.Buttons.get());
    for (const auto& b : model.SysButtons) Touch(b.get());
    for (const auto& r : model.OptionalRecords()) Touch(r.Record);
  } catch (const Exception&) {
    // Refusing bad input with an error is the expected outcome.
  }
  return 0;
}
