#include "controls/ButtonFrames.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

TButtonFacts Facts(bool hot, bool pressed, bool focused, bool enabled, bool down = false) {
  return {hot, pressed, focused, enabled, down};
}

TEST(ButtonFrames, PushButtonStatesAndPrecedence) {
  EXPECT_EQ(PushButtonFrame(Facts(false, false, false, true)), cfNormal);
  EXPECT_EQ(PushButtonFrame(Facts(true, false, false, true)), cfHot);
  EXPECT_EQ(PushButtonFrame(Facts(false, false, true, true)), cfHot);  // focus shows as hot
  EXPECT_EQ(PushButtonFrame(Facts(true, true, true, true)), cfPressed);
  EXPECT_EQ(PushButtonFrame(Facts(true, true, true, false)), cfDisabled);  // disabled wins
  EXPECT_EQ(PushButtonFrame(Facts(false, false, false, true, true)), cfNormal);  // Down is not theirs
}

TEST(ButtonFrames, SpeedButtonStatesAndPrecedence) {
  EXPECT_EQ(SpeedButtonFrame(Facts(false, false, true, true)), cfNormal);  // focus plays no part
  EXPECT_EQ(SpeedButtonFrame(Facts(true, false, false, true)), cfHot);
  EXPECT_EQ(SpeedButtonFrame(Facts(true, true, false, true)), cfPressed);
  EXPECT_EQ(SpeedButtonFrame(Facts(true, true, false, false)), cfDisabled);
  EXPECT_EQ(SpeedButtonFrame(Facts(true, false, false, false, true)), cfPressed);  // Down wins
}

TEST(ButtonFrames, SpeedButtonGlyphFallsBackToTheFirst) {
  EXPECT_EQ(SpeedButtonGlyph(cfNormal, 4), 1);
  EXPECT_EQ(SpeedButtonGlyph(cfHot, 4), 1);
  EXPECT_EQ(SpeedButtonGlyph(cfDisabled, 4), 2);
  EXPECT_EQ(SpeedButtonGlyph(cfPressed, 3), 3);
  EXPECT_EQ(SpeedButtonGlyph(cfPressed, 2), 1);
  EXPECT_EQ(SpeedButtonGlyph(cfDisabled, 1), 1);
  EXPECT_EQ(SpeedButtonGlyph(cfPressed, 0), 1);
}

TEST(ButtonFrames, CaptionColourFollowsTheFrame) {
  const TButtonColours c{10, 11, 12, 13, 14};
  EXPECT_EQ(ButtonCaptionColour(cfNormal, true, c), 11);
  EXPECT_EQ(ButtonCaptionColour(cfHot, true, c), 12);
  EXPECT_EQ(ButtonCaptionColour(cfPressed, true, c), 13);
  EXPECT_EQ(ButtonCaptionColour(cfDisabled, true, c), 10);
  EXPECT_EQ(ButtonCaptionColour(cfHot, false, c), 14);
}

}  // namespace
}  // namespace pelorin
