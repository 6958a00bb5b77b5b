// skintool commands run in-process: pack, list and unpack of a folder, and
// the exit codes of bad usage and refused archives.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tests/support/Files.h"
#include "tests/support/SkinFixtures.h"
#include "tools/skintool/Commands.h"

using namespace pelorin;
using namespace pelorin::testing;
namespace fs = std::filesystem;

namespace {

struct TRun {
  int code;
  std::string out, err;
};

TRun Tool(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int code = skintool::RunTool(args, out, err);
  return {code, out.str(), err.str()};
}

class Skintool : public ::testing::Test {
protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("skintool_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "in" / "sub");
  }
  void TearDown() override { fs::remove_all(root_); }
  std::string P(const char* rel) const { return (root_ / rel).string(); }
  fs::path root_;
};

}  // namespace

TEST_F(Skintool, PackListUnpackRoundTrip) {
  WriteFileBytes(root_ / "in" / "Skin.ini", "[Form]\r\nTitle=title.bmp\r\n");
  WriteFileBytes(root_ / "in" / "title.bmp", std::string(3000, 'B'));
  WriteFileBytes(root_ / "in" / "empty.bmp", "");
  WriteFileBytes(root_ / "in" / "sub" / "ignored.bmp", "x");

  TRun r = Tool({"pack", P("in"), "-o", P("a.skn")});
  ASSERT_EQ(r.code, 0) << r.err;
  r = Tool({"list", P("a.skn")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("3000  title.bmp"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("skin.ini"), std::string::npos);
  EXPECT_NE(r.out.find("(3 files)"), std::string::npos);
  EXPECT_EQ(r.out.find("ignored"), std::string::npos);

  r = Tool({"unpack", P("a.skn"), "-o", P("out")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(ReadFileBytes(root_ / "out" / "skin.ini"), TextBytes("[Form]\r\nTitle=title.bmp\r\n"));
  EXPECT_EQ(ReadFileBytes(root_ / "out" / "title.bmp"), TBytes(3000, 'B'));
  EXPECT_TRUE(fs::exists(root_ / "out" / "empty.bmp"));
}

TEST_F(Skintool, ExitCodes) {
  EXPECT_EQ(Tool({}).code, 2);
  EXPECT_EQ(Tool({"frobnicate"}).code, 2);
  EXPECT_EQ(Tool({"pack", P("in")}).code, 2);
  EXPECT_EQ(Tool({"list"}).code, 2);
  EXPECT_EQ(Tool({"list", P("a.skn"), "extra"}).code, 2);

  // Refused archives: one line on stderr, code 1.
  auto expectRefused = [](const TRun& r, const char* text) {
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find(text), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  };
  expectRefused(Tool({"list", P("missing.skn")}), "missing.skn");
  WriteFileBytes(root_ / "short.skn", "ab");
  expectRefused(Tool({"list", P("short.skn")}), "LZH");

  auto writeContainer = [&](const char* file, int32_t version, const std::string& list, int32_t size) {
    WriteFileBytes(root_ / file, PackedContainer(version, list, {size}, "data"));
  };
  writeContainer("old.skn", 10000, "a.bmp\r\n", 4);
  expectRefused(Tool({"list", P("old.skn")}), "Older Skin File Please update");
  writeContainer("bad.skn", 20000, "a.bmp\r\n", 99);
  expectRefused(Tool({"list", P("bad.skn")}), "damaged");
  // Names that would leave the target folder are refused before anything is written.
  writeContainer("evil.skn", 20000, "..\\evil.bmp\r\n", 4);
  expectRefused(Tool({"unpack", P("evil.skn"), "-o", P("evil")}), "unsafe");
  EXPECT_FALSE(fs::exists(root_ / "evil"));
  expectRefused(Tool({"pack", P("nothere"), "-o", P("x.skn")}), "not a folder");
}
