// Turns a fuzz input into a skin archive: the first byte picks raw .skn bytes,
// or a description and bitmap files separated by "@@@@" (named skin.ini,
// 0.bmp, 1.bmp ...) packed here, so the parser and the bitmap codec are
// reached every time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/core/MessageBox.h"
#include "host/core/Streams.h"
#include "skinfile/SkinWriter.h"
#include "skinmodel/SkinModel.h"

namespace pelorin::fuzzing {

// A failed check is a crash the fuzzer keeps.
inline void Check(bool ok) {
  if (!ok) __builtin_trap();
}

inline void QuietMessageBoxes() {
  static const bool quiet = (SetMessageBoxFunc([](const std::string&, const std::string&, int) { return idOK; }), true);
  (void)quiet;
}

// False for an empty input; may raise the library's exceptions.
inline bool SkinArchiveFromInput(const uint8_t* data, size_t size, TMemoryStream& archive) {
  if (size < 1) return false;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  if (data[0] & 1) {
    archive.Assign(rest.data(), rest.size());
    return true;
  }
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
  return true;
}

// The input loaded as a skin; false when it is empty or refused (a refusal by
// exception is the expected outcome for bad input, so none leaves here).
inline bool LoadSkinFromInput(const uint8_t* data, size_t size, TSkinModel& model) {
  QuietMessageBoxes();
  try {
    TMemoryStream archive;
    return SkinArchiveFromInput(data, size, archive) && model.LoadSkinArchive(archive);
  } catch (const Exception&) {
    return false;
  }
}

}  // namespace pelorin::fuzzing
