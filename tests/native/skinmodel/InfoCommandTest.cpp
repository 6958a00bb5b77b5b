// skintool info on a skin built in the test, in both output forms.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/BmpFiles.h"
#include "tests/support/Files.h"
#include "tests/support/SkinFixtures.h"
#include "tools/skintool/Commands.h"

using namespace pelorin;
using namespace pelorin::testing;

TEST(SkintoolInfo, PrintsTheParsedModel) {
  const std::string ini = "[Colours]\nButtonFace=16 32 48\n[Button0]\nAction=-1\nButtonImage=b.bmp\n"
                          "[Tabs]\nImage=b.bmp\n[Se\xe9]\n";
  const TTempFile file("pelorin_info_test.skn",
                       PackFiles({{"Blue Skin.ini", TextBytes(ini)}, {"b.bmp", BmpFile(60, 18)}}));

  std::ostringstream out, err;
  ASSERT_EQ(skintool::RunTool({"info", file.path, "--json"}, out, err), 0) << err.str();
  const std::string json = out.str();
  EXPECT_NE(json.find("\"format\": \"pelorin-skin-info\""), std::string::npos);
  EXPECT_NE(json.find("\"description\": \"blue skin.ini\""), std::string::npos);
  EXPECT_NE(json.find("\"csButtonFace\": {\"rgb\": \"#102030\", \"system\": false}"), std::string::npos);
  EXPECT_NE(json.find("\"csMenuBarText\": {\"rgb\": \"#"), std::string::npos);
  EXPECT_NE(json.find("\"system\": true}"), std::string::npos) << json;
  EXPECT_NE(json.find("{\"member\": \"Tab\", \"present\": true, \"name\": \"Tabs\", \"image\": [60, 18], "
                      "\"frameCount\": 5, \"frameWidth\": 12"),
            std::string::npos);
  EXPECT_NE(json.find("{\"member\": \"ComboButton\", \"present\": false}"), std::string::npos);
  EXPECT_NE(json.find("{\"name\": \"BUTTON0\", \"action\": -1, \"align\": 0, \"x\": 0, \"y\": 0, \"visibility\": 0, "
                      "\"visibility1\": 0, \"image\": [60, 18], \"frameCount\": 6}"),
            std::string::npos);
  EXPECT_NE(json.find("\"action\": 9, \"align\": 100"), std::string::npos);

  std::ostringstream text;
  ASSERT_EQ(skintool::RunTool({"info", file.path}, text, err), 0);
  EXPECT_NE(text.str().find("BUTTON0: action -1"), std::string::npos);

  // A damaged archive is reported, not printed.
  WriteFileBytes(file.path, std::string_view("\x10\0\0\0junk", 8));
  std::ostringstream none;
  EXPECT_EQ(skintool::RunTool({"info", file.path, "--json"}, none, err), skintool::ExitRefused);
  EXPECT_EQ(none.str(), "");
}
