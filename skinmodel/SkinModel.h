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

// Everything a load replaces at once. Kept apart from the model so that a
// load can parse into a fresh set and move all of it in with one assignment:
// a record added here is replaced with the others without further code.
struct TSkinRecordSet {
  TSkinColors colors{};
  TBitmap IconBitmap;

  // Always present: created with the model, replaced by every load.
  TSkinBorders Borders;
  std::unique_ptr<TDataSkinTitle> Title = std::make_unique<TDataSkinTitle>("Title");
  std::unique_ptr<TDataSkinButton> Buttons = std::make_unique<TDataSkinButton>("Buttons");
  // The sections' buttons, then the three MDI buttons.
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;

  // Present only when the skin gives an image for them.
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
};

class TSkinModel : public TSkinRecordSet {
public:
  TSkinModel();
  virtual ~TSkinModel();
  TSkinModel(const TSkinModel&) = delete;
  TSkinModel& operator=(const TSkinModel&) = delete;

  // True until a description has been parsed completely; painters skip an
  // empty model.
  bool Empty = true;

  TFaceBrush FaceBrush;

  // Fills the model in place from a description; images come through extract
  // (which may be empty: every image is then missing). Clears Empty at the
  // end; an error (a damaged bitmap) leaves the model Empty and its records
  // partly refilled: meant for a fresh model. A model in use is loaded
  // through LoadSkinArchive, which never half replaces its records.
  void ParseSkin(const TIniFile& ini, const TSkinFileExtractor& extract);
  // The same for a description file on disk.
  void ParseSkin(const std::string& fileName, const TSkinFileExtractor& extract);

  // Loads a compressed skin archive (.skn bytes): decompresses it, takes the
  // first ".ini" entry as the description and parses it from memory. Returns
  // false when the archive is refused (wrong version; the reader shows its
  // message). Raises ESkinLoadError when there is no description entry, and
  // passes codec, stream and bitmap errors through. All or nothing: the
  // description is parsed into a fresh record set that replaces this one's
  // only when the whole of it was read; otherwise the records stay as they
  // were, untouched, and the model is Empty. descriptionName, when given,
  // receives the archive name of the description.
  bool LoadSkinArchive(TStream& archive, std::string* descriptionName = nullptr);

  // Every optional record of the model in a fixed order, for tools.
  struct TOptionalRecord {
    const char* Member;
    const TDataSkinObject* Record;
  };
  std::vector<TOptionalRecord> OptionalRecords() const;

protected:
  // Called once a load has succeeded, just before the current records are
  // freed: whoever holds pointers into them lets go here.
  virtual void RecordsReplacing() {}

private:
  // Moves fresh's records and brush colour in; the old records are freed.
  void ReplaceRecords(TSkinModel& fresh);
};

// A skin archive that cannot be used (no description in it).
class ESkinLoadError : public Exception {
  using Exception::Exception;
};

}  // namespace pelorin
