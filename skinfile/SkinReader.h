// TSkinReader: decompresses a skin archive, checks its version and keeps its
// files in memory for lookup by name.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "host/core/Streams.h"
#include "host/core/StringList.h"

namespace pelorin {

inline constexpr int32_t SkinArchiveVersion = 20000;
inline constexpr int SkinArchiveMaxFiles = 1001;
inline constexpr const char* SOlderSkinFile = "This is Older Skin File\rPlease update to new version !";

class TSkinReader {
public:
  TStringList Names;                            // file names, lower-cased
  int Count = 0;                                // number of names
  std::array<int32_t, SkinArchiveMaxFiles> Sizes{};  // file sizes in name order
  TMemoryStream Data;                           // the files' bytes, concatenated
  int32_t Header[4] = {};                       // version, list size, two reserved words

  // Decompresses source (from its first byte) and loads the archive. Returns
  // false for a version other than SkinArchiveVersion (after a message box) and
  // for an archive whose numbers do not fit together; the loaded state is then
  // left as it was. Codec and stream errors propagate.
  bool ReadFromStream(TStream& source);
  // The same for an archive already decompressed: container holds the header,
  // name list, size table and data (read from its first byte).
  bool ReadContainer(TMemoryStream& container);

  // dest receives the first file whose name equals fileName, ignoring ASCII
  // case; it is left empty when there is none.
  void ExtractFile(const std::string& fileName, TMemoryStream& dest);
  // dest receives the first file whose lower-cased name contains part, and
  // fileName its name; without a match dest is empty and fileName unchanged.
  void ExtractFirstMatch(const std::string& part, TMemoryStream& dest, std::string& fileName);
  // dest receives the file at position index of the list (empty when out of range).
  void ExtractAt(int index, TMemoryStream& dest);

private:
  void CopyEntry(int index, TMemoryStream& dest);
};

}  // namespace pelorin
