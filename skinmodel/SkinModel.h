// The in-memory model of one skin: element records, colour table, face brush
// and icon image. TSkinData carries it; tools and tests use it on its own.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/core/Exceptions.h"
#include "skinmodel/FaceBrush.h"
#include "skinmodel/SkinColors.h"
#include "skinmodel/SkinRecords.h"

namespace pelorin {

class TIniFile;
class TMemoryStream;
class TStream;

// Window border positions; Borders is indexed 1 to 4 with these.
enum : int { bdLeft = 1, bdRight = 2, bdTop = 3, bdBottom = 4 };

// The four window borders, indexed 1..4 (other indexes raise EListError).
class TSkinBorders {
public:
  TSkinBorders();
  TDataSkinBorder* operator[](int index) const;
  static const char* BorderName(int index);

private:
  std::array<std::unique_ptr<TDataSkinBorder>, 4> items_;
};

// Fetches an archive file by name into dest (dest emptied; left empty when
// the file does not exist).
using TSkinFileExtractor = std::function<void(const std::string& fileName, TMemoryStream& dest)>;

class TSkinModel {
public:
  TSkinModel();
  virtual ~TSkinModel();
  TSkinModel(const TSkinModel&) = delete;
  TSkinModel& operator=(const TSkinModel&) = delete;

  // True until a description has been parsed completely; painters skip an
  // empty model.
  bool Empty = true;

  TSkinColors colors{};
  TBitmap IconBitmap;

  // Always present: created with the model, refilled by every load.
  TSkinBorders Borders;
  std::unique_ptr<TDataSkinTitle> Title;
  std::unique_ptr<TDataSkinButton> Buttons;
  // Rebuilt by every load: the sections' buttons, then the three MDI buttons.
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;

  // Present only when the skin gives an image for them; rebuilt by every load.
  std::unique_ptr<TDataSkinBorder> Tab;
  std::unique_ptr<TDataSkinObject> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinObject> Toolbar;
  std::unique_ptr<TDataSkinObject> StatusBarEdge;
  std::unique_ptr<TDataSkinObject> Progress;
  std::unique_ptr<TDataSkinObject> HeaderBar;
  std::unique_ptr<TDataSkinObject> MenuBar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> ScrollBar;
  std::unique_ptr<TDataSkinObject> HorzScroll;
  std::unique_ptr<TDataSkinObject> VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb;
  std::unique_ptr<TDataSkinObject> VertScrollThumb;

  TFaceBrush FaceBrush;

  // Fills the model from a description; images come through extract (which
  // may be empty: every image is then missing). Clears Empty at the end; an
  // error (a damaged bitmap) leaves the model Empty.
  void ParseSkin(const TIniFile& ini, const TSkinFileExtractor& extract);
  // The same for a description file on disk.
  void ParseSkin(const std::string& fileName, const TSkinFileExtractor& extract);

  // Loads a compressed skin archive (.skn bytes): decompresses it, takes the
  // first ".ini" entry as the description and parses it from memory. Returns
  // false when the archive is refused (wrong version; the reader shows its
  // message). Raises ESkinLoadError when there is no description entry, and
  // passes codec, stream and bitmap errors through. Empty stays true unless
  // the whole description was parsed. descriptionName, when given, receives
  // the archive name of the description.
  bool LoadSkinArchive(TStream& archive, std::string* descriptionName = nullptr);

  // Every optional record of the model in a fixed order, for tools.
  struct TOptionalRecord {
    const char* Member;
    const TDataSkinObject* Record;
  };
  std::vector<TOptionalRecord> OptionalRecords() const;
};

// A skin archive that cannot be used (no description in it).
class ESkinLoadError : public Exception {
  using Exception::Exception;
};

}  // namespace pelorin
