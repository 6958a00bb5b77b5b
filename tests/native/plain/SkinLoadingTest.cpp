// The plain entry point's window-free steps: reading a skin file, checking
// bytes before they replace a running skin, which open windows are taken,
// and how errors name their source.
#include <gtest/gtest.h>

#include <filesystem>

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
  const TTempFile good("pelorin_plain_\xC3\xA9t\xC3\xA9.skn", GoodSkin());  // a UTF-8 name
  TSkinBytes bytes;
  EXPECT_FALSE(ReadSkinFile(good.path, bytes));
  EXPECT_EQ(bytes, GoodSkin());

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
  EXPECT_FALSE(CheckSkinBytes(GoodSkin(), "good"));

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

TEST(PlainSkinStart, TakesVisibleCaptionedWindowsAndDialogsOnly) {
  constexpr uint32_t visible = 0x10000000, child = 0x40000000, caption = 0x00C00000, popup = 0x80000000;
  EXPECT_TRUE(TakenAtStart("MyMain", visible | caption));
  EXPECT_TRUE(TakenAtStart("#32770", visible | popup));
  EXPECT_FALSE(TakenAtStart("MyMain", caption));                       // hidden: taken when activated
  EXPECT_FALSE(TakenAtStart("tooltips_class32", visible | popup));     // captionless popup
  EXPECT_FALSE(TakenAtStart("MyMain", visible | caption | child));
  EXPECT_FALSE(TakenAtStart("MyMain", visible | 0x00800000));          // a border is not a caption
}

TEST(PlainSkinSource, NamesItsOriginAndCopiesMemory) {
  std::vector<uint8_t> data = {1, 2, 3};
  const TSkinSource memory = TSkinSource::Memory(data.data(), data.size());
  data[0] = 9;
  EXPECT_EQ(memory.Bytes(), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(memory.Describe(), "memory (3 bytes)");
  EXPECT_TRUE(TSkinSource::Memory(nullptr, 5).Bytes().empty());
  EXPECT_EQ(TSkinSource::Resource(nullptr, 110).Describe(), "resource 110");
  EXPECT_EQ(TSkinSource::Resource(nullptr, L"SKIN\u00e9").Describe(), "resource SKIN?");
  EXPECT_EQ(TSkinSource::File("a/b.skn").Describe(), "a/b.skn");
  EXPECT_EQ((TSkinError{TSkinErrorCode::NoData, "", "empty"}).Text(), "empty");
}

}  // namespace
}  // namespace pelorin::testing
