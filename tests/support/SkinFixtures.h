// Skins for tests: our generated themes as archives, models and skin data
// components, a skin's files edited key by key before packing (so a test can
// damage exactly one thing), archive containers built from their parts, and a
// log of the message boxes a load shows.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/core/MessageBox.h"
#include "skinmodel/WinSkinData.h"
#include "tools/skingen/SkinTheme.h"

namespace pelorin::testing {

using TBytes = std::vector<uint8_t>;
// A skin's files: the description first, then its images.
using TSkinFiles = std::vector<std::pair<std::string, TBytes>>;

TSkinFiles ThemeFiles(const skingen::TSkinTheme& theme);
// A compressed skin archive of files (in any order).
TBytes PackFiles(const TSkinFiles& files);
TBytes ThemeArchive(const skingen::TSkinTheme& theme);
inline TBytes TextBytes(const std::string& text) { return TBytes(text.begin(), text.end()); }
// An archive's container from its parts, the name list taken as given:
// version, list size (the list's own unless given), two unused words, the
// list, the size table and the data.
TBytes ContainerBytes(int32_t version, const std::string& list, const std::vector<int32_t>& sizes,
                      const std::string& data, std::optional<int32_t> listSize = {}, int32_t unused = 0);
// The same container compressed, as a skin file holds it.
TBytes PackedContainer(int32_t version, const std::string& list, const std::vector<int32_t>& sizes,
                       const std::string& data, std::optional<int32_t> listSize = {}, int32_t unused = 0);

// Loads archive bytes into model; the result of LoadSkinArchive (exceptions pass).
bool LoadArchive(TSkinModel& model, const TBytes& archive);
// A skin data component without owner holding the archive's skin (Empty when
// it did not load).
std::unique_ptr<TSkinData> MakeSkin(const TBytes& archive);
std::unique_ptr<TSkinData> MakeSkin(const skingen::TSkinTheme& theme);

// Collects the texts of message boxes instead of showing them, while it lives.
class TMessageLog {
public:
  TMessageLog() : saved_(SetMessageBoxFunc([this](const std::string& text, const std::string&, int) {
                    texts.push_back(text);
                    return idOK;
                  })) {}
  ~TMessageLog() { SetMessageBoxFunc(std::move(saved_)); }
  std::vector<std::string> texts;

private:
  TMessageBoxFunc saved_;
};

// Editing the description of files (files[0]). Section and key names match
// without regard to case, as the parser reads them.
// Sets a key (nullopt removes it); a missing section or key is added.
void SetKey(TSkinFiles& files, const std::string& section, const std::string& key, std::optional<std::string> value);
void SetKeys(TSkinFiles& files, const std::string& section, std::initializer_list<const char*> keys,
             const std::string& value);
void DropSection(TSkinFiles& files, const std::string& section);
// The bytes of the named file, added empty when missing.
TBytes& File(TSkinFiles& files, const std::string& name);

}  // namespace pelorin::testing
