// The plain entry point's window-free steps: reading a skin file and checking
// bytes before they replace a running skin.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "pelorin/SkinLoading.h"
#include "tests/support/BmpFiles.h"
#include "tests/support/Files.h"
#include "tests/support/SkinFixtures.h"

namespace pelorin::testing {
namespace {

TBytes GoodSkin() {
  return PackFiles({{"Plain.ini", TextBytes("[Colours]\nButtonFace=1 2 3\n[Button0]\nButtonImage=b.bmp\n")},
                    {"b.bmp", BmpFile(60, 18)}});
}

TEST(PlainSkinFile, ReadsWholeFilesAndNamesEachFailure) {
  // A name outside ASCII, written through a wide path so Windows sees the
  // same name the UTF-8 text stands for.
  const std::string name = "pelorin_plain_\xC3\xA9t\xC3\xA9.skn";
  const auto wide = std::filesystem::temp_directory_path() / std::filesystem::path(std::u8string(name.begin(), name.end()));
  {
    const TBytes content = GoodSkin();
    std::ofstream(wide, std::ios::binary).write(reinterpret_cast<const char*>(content.data()), std::streamsize(content.size()));
  }
  const std::u8string utf8 = wide.u8string();
  TSkinBytes bytes;
  EXPECT_FALSE(ReadSkinFile(std::string(utf8.begin(), utf8.end()), bytes));
  EXPECT_EQ(bytes, GoodSkin());
  std::filesystem::remove(wide);

  const auto missing = (std::filesystem::temp_directory_path() / "pelorin_plain_missing.skn").string();
  TSkinError error = ReadSkinFile(missing, bytes);
  EXPECT_EQ(error.Code, TSkinErrorCode::FileNotFound);
  EXPECT_EQ(error.Text(), missing + ": the file does not exist");
  EXPECT_TRUE(bytes.empty());

  EXPECT_EQ(ReadSkinFile(std::filesystem::temp_directory_path().string(), bytes).Code,
            TSkinErrorCode::FileUnreadable);
  EXPECT_EQ(ReadSkinFile("", bytes).Code, TSkinErrorCode::FileNotFound);
  const TTempFile empty("pelorin_plain_empty.skn", std::string_view());
  EXPECT_EQ(ReadSkinFile(empty.path, bytes).Code, TSkinErrorCode::NoData);
}

TEST(PlainSkinCheck, WholeSkinsPassAndEveryFaultHasItsReasonWithoutAMessageBox) {
  TMessageLog boxes;
  TBytes bytes = GoodSkin();
  const TSkinSource copied = TSkinSource::Memory(bytes.data(), bytes.size());
  bytes.assign(bytes.size(), 0);  // the source holds its own copy
  EXPECT_FALSE(CheckSkinBytes(copied.Bytes(), copied.Describe()));

  const TSkinError refused = CheckSkinBytes(PackedContainer(31, "", {}, ""), "old.skn");
  EXPECT_EQ(refused.Code, TSkinErrorCode::Refused);
  EXPECT_NE(refused.Reason.find("Older Skin File"), std::string::npos) << refused.Reason;
  EXPECT_EQ(refused.Reason.find('\r'), std::string::npos);

  TBytes cut = GoodSkin();
  cut.resize(cut.size() / 2);
  const TSkinError damaged = CheckSkinBytes(cut, "cut.skn");
  EXPECT_TRUE(damaged.Code == TSkinErrorCode::Damaged || damaged.Code == TSkinErrorCode::Refused) << damaged.Text();
  EXPECT_FALSE(damaged.Reason.empty());
  EXPECT_EQ(CheckSkinBytes(PackFiles({{"b.bmp", BmpFile(2, 2)}}), "x").Code, TSkinErrorCode::Damaged);
  EXPECT_TRUE(CheckSkinBytes(TextBytes("not a skin at all"), "x"));
  EXPECT_EQ(CheckSkinBytes({}, "x").Code, TSkinErrorCode::NoData);

  // The reader's message became a reason; the program's own box function is back.
  EXPECT_TRUE(boxes.texts.empty());
  ShowMessageBox("after");
  EXPECT_EQ(boxes.texts, std::vector<std::string>{"after"});
}

}  // namespace
}  // namespace pelorin::testing
