// The window -> skinner registry: one skinner per window, and a skinner that
// was replaced or already went cannot remove its successor.
#include <gtest/gtest.h>

#include "skinbase/SkinnerRegistry.h"

namespace pelorin {
namespace {

struct TFrameSkinner : TWindowSkinner {};
struct TOtherSkinner : TWindowSkinner {};

TEST(SkinnerRegistry, OneSkinnerPerWindowAndOnlyItsOwnEntryGoes) {
  TSkinnerRegistry registry;
  int windowA = 0, windowB = 0;
  TFrameSkinner frame;
  TOtherSkinner other;

  EXPECT_TRUE(registry.Add(&windowA, &frame));
  EXPECT_FALSE(registry.Add(&windowA, &other));  // a second skinner is refused
  EXPECT_FALSE(registry.Add(nullptr, &other));
  EXPECT_FALSE(registry.Add(&windowB, nullptr));
  EXPECT_EQ(registry.Find(&windowA), &frame);
  EXPECT_EQ(registry.FindAs<TFrameSkinner>(&windowA), &frame);
  EXPECT_EQ(registry.FindAs<TOtherSkinner>(&windowA), nullptr);
  EXPECT_EQ(registry.Find(&windowB), nullptr);

  registry.Remove(&windowA, &other);  // not its entry: stays
  EXPECT_EQ(registry.Find(&windowA), &frame);
  registry.Remove(&windowA, &frame);
  EXPECT_EQ(registry.Find(&windowA), nullptr);
  EXPECT_TRUE(registry.Add(&windowA, &other));
  EXPECT_EQ(registry.Count(), 1u);
}

}  // namespace
}  // namespace pelorin
