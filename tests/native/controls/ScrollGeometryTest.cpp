#include "controls/ScrollGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <vector>

#include "controls/ThumbDrag.h"

namespace pelorin {
namespace {

TScrollValues Values(int min, int max, unsigned page, int pos) { return {min, max, page, pos, pos}; }

TBarMetrics Thumb(int barLength, const TScrollValues& v, int arrow = 16) {
  TBarMetrics m;
  EXPECT_TRUE(ComputeThumb(barLength, arrow, 8, 17, v, m));
  return m;
}

TEST(ScrollGeometry, BarsLieAlongTheClientAreaOnEitherSide) {
  // 200 x 100 window, 2-pixel border, 16-pixel bars.
  TBarFrame f{Rect(2, 2, 182, 82), true, true, false, 16};
  TBarRects r = ComputeBarRects(f);
  EXPECT_EQ(r.Horz, Rect(2, 82, 182, 98));
  EXPECT_EQ(r.Vert, Rect(182, 2, 198, 82));
  EXPECT_EQ(r.SizeBox, Rect(182, 82, 198, 98));
  f.LeftBar = true;
  f.Client = Rect(18, 2, 198, 82);
  r = ComputeBarRects(f);
  EXPECT_EQ(r.Vert, Rect(2, 2, 18, 82));
  EXPECT_EQ(r.Horz, Rect(18, 82, 198, 98));
  EXPECT_EQ(r.SizeBox, Rect(2, 82, 18, 98));
  f = {Rect(2, 2, 182, 98), false, true, false, 16};
  r = ComputeBarRects(f);
  EXPECT_EQ(r.Vert, Rect(182, 2, 198, 98));  // alone it runs the whole height
  EXPECT_TRUE(r.Horz.IsEmpty());
  EXPECT_TRUE(r.SizeBox.IsEmpty());
}

TEST(ScrollGeometry, PressedPartsAndArrowFrames) {
  EXPECT_EQ(PressedPartFor(false, scLineUp), ppLeftArrow);
  EXPECT_EQ(PressedPartFor(false, scLineDown), ppRightArrow);
  EXPECT_EQ(PressedPartFor(true, scLineUp), ppUpArrow);
  EXPECT_EQ(PressedPartFor(true, scLineDown), ppDownArrow);
  EXPECT_EQ(PressedPartFor(false, scThumbTrack), ppHorzThumb);
  EXPECT_EQ(PressedPartFor(true, scThumbTrack), ppVertThumb);
  for (int code : std::initializer_list<int>{scPageUp, scPageDown, scThumbPosition, scEndScroll, 0x10000 + scLineUp})
    EXPECT_EQ(PressedPartFor(true, code), ppNone) << code;
  EXPECT_EQ(ArrowFrame(false, false, ppNone), 1);
  EXPECT_EQ(ArrowFrame(false, true, ppRightArrow), 6);
  EXPECT_EQ(ArrowFrame(true, false, ppUpArrow), 10);
  EXPECT_EQ(ArrowFrame(true, true, ppNone), 13);
  EXPECT_EQ(ArrowFrame(true, true, ppUpArrow), 13);  // only the arrow pressed shows it
}

TEST(ScrollGeometry, ThumbSizeAndPlace) {
  // 232-pixel bar: 200-pixel track.
  TBarMetrics m = Thumb(232, Values(0, 99, 10, 0));
  EXPECT_EQ(m.TrackLength, 200);
  EXPECT_EQ(m.ThumbLength, 20);
  EXPECT_EQ(m.ThumbOffset, 0);
  EXPECT_EQ(Thumb(232, Values(0, 99, 10, 90)).ThumbOffset, 180);  // last page: at the end
  EXPECT_EQ(Thumb(232, Values(0, 99, 10, 45)).ThumbOffset, 90);
  EXPECT_EQ(Thumb(232, Values(0, 99, 10, 500)).ThumbOffset, 180);  // out of range: clamped
  EXPECT_EQ(Thumb(232, Values(0, 99999, 1, 0)).ThumbLength, 8);   // minimum size
  m = Thumb(232, Values(0, 99, 0, 99));                             // no page: the fixed thumb
  EXPECT_EQ(m.ThumbLength, 17);
  EXPECT_EQ(m.ThumbOffset, 183);
  m = Thumb(232, Values(0, 99, 100, 0));  // page == range: one pixel short of the track
  EXPECT_EQ(m.ThumbLength, 199);
  EXPECT_EQ(m.ThumbOffset, 0);
  m = Thumb(20, Values(0, 99, 10, 50));  // shorter than two arrows
  EXPECT_EQ(m.TrackLength, 0);
  EXPECT_EQ(m.ThumbLength, 0);
  m = Thumb(232, Values(INT_MIN, INT_MAX - 1, 1u << 31, INT_MIN / 2));  // 32-bit extremes
  EXPECT_EQ(m.ThumbLength, 100);
  EXPECT_EQ(m.ThumbOffset, 50);
  TBarMetrics kept{16, 1, 2, 3};
  EXPECT_FALSE(ComputeThumb(232, 16, 8, 17, Values(5, 4, 0, 0), kept));  // empty range
  EXPECT_FALSE(ComputeThumb(232, 16, 8, 17, Values(INT_MAX, INT_MIN, 0, 0), kept));
  EXPECT_EQ(kept.ThumbOffset, 3);
}

TEST(ScrollGeometry, HitTestWalksThePartsInOrder) {
  const TBarMetrics m{16, 200, 20, 50};
  const std::vector<std::pair<int, int>> cases = {{-5, scLineUp},     {15, scLineUp},      {16, scPageUp},
                                                  {65, scPageUp},     {66, scThumbTrack},  {85, scThumbTrack},
                                                  {86, scPageDown},   {215, scPageDown},   {216, scLineDown},
                                                  {231, scLineDown},  {232, scNone},       {INT_MAX, scNone}};
  for (auto [pos, code] : cases) EXPECT_EQ(HitTestBar(pos, m), code) << pos;
}

TEST(ScrollGeometry, DragStaysInRangeAndReachesBothEnds) {
  const TScrollValues v = Values(0, 99, 10, 0);
  const TBarMetrics m = Thumb(232, v);
  EXPECT_EQ(DragThumb(0, 90, m, v).Pos, 45);
  EXPECT_EQ(DragThumb(0, 90, m, v).Offset, 90);
  EXPECT_EQ(DragThumb(0, 10000, m, v).Pos, 90);  // never past the last page
  EXPECT_EQ(DragThumb(0, 10000, m, v).Offset, 180);
  EXPECT_EQ(DragThumb(90, -10000, m, v).Pos, 0);
  EXPECT_EQ(DragThumb(0, 10000, m, Values(0, 99, 0, 0)).Pos, 99);  // no page: up to Max, never Max + 1
  // A minimum-size thumb over 100000 rows still reaches the last one, beyond 16 bits.
  const TScrollValues big = Values(1, 99999, 1, 1);
  EXPECT_EQ(DragThumb(0, 1000, Thumb(232, big), big).Pos, 99999);
  EXPECT_EQ(DragThumb(0, 96, Thumb(232, big), big).Pos, 50000);
  const TScrollValues huge = Values(INT_MIN, INT_MAX, 0, 0);
  EXPECT_EQ(DragThumb(0, INT64_MAX / 2, Thumb(232, huge), huge).Pos, INT_MAX);
  EXPECT_EQ(DragThumb(0, INT64_MIN / 2, Thumb(232, huge), huge).Pos, INT_MIN);
  EXPECT_EQ(DragThumb(0, 50, TBarMetrics{16, 0, 0, 0}, v).Pos, 0);  // no track: no movement
  EXPECT_EQ(MulDiv64(7, 3, 2), 11);
  EXPECT_EQ(MulDiv64(-7, 3, 2), -11);
  EXPECT_EQ(MulDiv64(1, 1, 0), -1);
  EXPECT_EQ(MulDiv64(INT_MAX, 4, 2), -1);
}

// A scripted drag: events in order, and what the drag told the control.
class TScriptedDrag : public TDragMessageSource {
public:
  explicit TScriptedDrag(std::deque<TDragEvent> events) : events_(std::move(events)) {}
  TDragEvent Next() override {
    ++waits;
    if (events_.empty()) return {TDragEventKind::Gone, {}};  // a runaway loop ends the test
    TDragEvent e = events_.front();
    events_.pop_front();
    return e;
  }
  void Track(int offset, int pos, bool changed) override {
    offsets.push_back(offset);
    if (changed) posted.push_back(pos);
  }
  void Finish(int pos) override { finished.push_back(pos); }
  int waits = 0;
  std::vector<int> offsets, posted, finished;

private:
  std::deque<TDragEvent> events_;
};

TDragEvent Move(int x, int y) { return {TDragEventKind::Move, {x, y}}; }

TEST(ThumbDrag, FollowsTheMouseAndEndsOnEveryWayOut) {
  TDragStart start{true, {-500, -300}, {}, Values(0, 99, 10, 45)};  // signed screen points
  start.Metrics = Thumb(232, start.Values);
  {
    TScriptedDrag drag({Move(-400, -290), Move(-400, -290), Move(0, 10000), Move(0, -250), {TDragEventKind::Release, {}}});
    EXPECT_EQ(RunThumbDrag(drag, start), 70);
    EXPECT_EQ(drag.offsets, (std::vector<int>{100, 180, 140}));  // a move that changes nothing is not told
    EXPECT_EQ(drag.posted, (std::vector<int>{50, 90, 70}));
    EXPECT_EQ(drag.finished, std::vector<int>{70});
  }
  {
    TScriptedDrag drag({{TDragEventKind::Release, {}}});  // no movement: the start position
    RunThumbDrag(drag, start);
    EXPECT_EQ(drag.finished, std::vector<int>{45});
  }
  {
    TScriptedDrag drag({Move(-500, -280), {TDragEventKind::Abort, {}}});  // capture lost, or quitting
    RunThumbDrag(drag, start);
    EXPECT_EQ(drag.finished, std::vector<int>{55});
  }
  {
    TScriptedDrag drag({Move(-500, -280), {TDragEventKind::Gone, {}}});  // window destroyed
    RunThumbDrag(drag, start);
    EXPECT_TRUE(drag.finished.empty());
    EXPECT_EQ(drag.waits, 2);
  }
  start.Values = Values(0, 99, 10, 1000);  // a stale position outside the range starts clamped
  TScriptedDrag drag({{TDragEventKind::Release, {}}});
  RunThumbDrag(drag, start);
  EXPECT_EQ(drag.finished, std::vector<int>{90});
}

}  // namespace
}  // namespace pelorin
