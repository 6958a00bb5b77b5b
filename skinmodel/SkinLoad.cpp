// Loading a compressed skin archive into the model. The description is parsed
// from memory into a fresh model: nothing is written under the archive's
// entry names, and a load that fails half way leaves the records alone.
#include <string>

#include "host/core/IniFile.h"
#include "skinfile/SkinReader.h"
#include "skinmodel/SkinModel.h"

namespace pelorin {

bool TSkinModel::LoadSkinArchive(TStream& archive, std::string* nameOut) {
  Empty = true;
  TSkinReader reader;
  if (!reader.ReadFromStream(archive)) return false;

  TMemoryStream description;
  std::string descriptionName;
  reader.ExtractFirstMatch(".ini", description, descriptionName);
  if (descriptionName.empty()) throw ESkinLoadError("The skin archive holds no skin description (*.ini file)");
  if (nameOut) *nameOut = descriptionName;

  const auto* text = reinterpret_cast<const char*>(description.Memory());
  TIniFile ini = TIniFile::FromText(std::string_view(text, description.Bytes().size()));
  TSkinModel fresh;
  fresh.ParseSkin(ini, [&reader](const std::string& name, TMemoryStream& dest) { reader.ExtractFile(name, dest); });
  RecordsReplacing();
  ReplaceRecords(fresh);
  return true;
}

void TSkinModel::ReplaceRecords(TSkinModel& fresh) {
  static_cast<TSkinRecordSet&>(*this) = std::move(static_cast<TSkinRecordSet&>(fresh));
  // The brush is a handle of its own: made anew for the new face colour.
  FaceBrush.Recreate(fresh.FaceBrush.Color());
  Empty = fresh.Empty;
}

}  // namespace pelorin
