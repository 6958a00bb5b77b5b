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
  const int parts[][2] = {{ppLeftArrow, ppUpArrow}, {ppRightArrow, ppDownArrow}, {ppNone, ppNone}, {ppNone, ppNone},
                          {ppNone, ppNone}, {ppHorzThumb, ppVertThumb}};  // by scroll code 0..5
  for (int code = 0; code < 6; ++code)
    for (int v = 0; v < 2; ++v) EXPECT_EQ(PressedPartFor(v == 1, code), parts[code][v]) << code;
  EXPECT_EQ(PressedPartFor(true, scEndScroll), ppNone);
  EXPECT_EQ(PressedPartFor(true, 0x10000 + scLineUp), ppNone);
  EXPECT_EQ(ArrowFrame(false, false, ppNone), 1);
  EXPECT_EQ(ArrowFrame(false, true, ppRightArrow), 6);
  EXPECT_EQ(ArrowFrame(true, false, ppUpArrow), 10);
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
  const std::pair<int, int> cases[] = {{-5, scLineUp},    {15, scLineUp},     {16, scPageUp},    {65, scPageUp},
                                       {66, scThumbTrack}, {85, scThumbTrack}, {86, scPageDown},  {215, scPageDown},
                                       {216, scLineDown},  {231, scLineDown},  {232, scNoPart},     {INT_MAX, scNoPart}};
  for (auto [pos, code] : cases) EXPECT_EQ(HitTestBar(pos, m), code) << pos;
}

TEST(ScrollGeometry, DragStaysInRangeAndReachesBothEnds) {
  const TScrollValues v = Values(0, 99, 10, 0);
  const TBarMetrics m = Thumb(232, v);
  EXPECT_EQ(DragThumb(0, 90, m, v).Pos, 45);
  EXPECT_EQ(DragThumb(0, 10000, m, v).Pos, 90);  // never past the last page
  EXPECT_EQ(DragThumb(0, 10000, m, v).Offset, 180);  // nor the thumb past the track
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

// A scripted drag: events in order (running out counts as the window gone,
// so a runaway loop ends), and what the drag told the control.
struct TScriptedDrag : TDragMessageSource {
  std::deque<TDragEvent> events;
  int waits = 0, last = 0;
  std::vector<int> offsets, posted, finished;
  TDragEvent Next() override {
    ++waits;
    if (events.empty()) return {TDragEventKind::Gone, {}};
    const TDragEvent e = events.front();
    events.pop_front();
    return e;
  }
  void Track(int offset, int pos, bool changed) override {
    offsets.push_back(offset);
    if (changed) posted.push_back(pos);
  }
  void Finish(int pos) override { finished.push_back(pos); }
};

TScriptedDrag Drag(const TDragStart& start, std::deque<TDragEvent> events) {
  TScriptedDrag d;
  d.events = std::move(events);
  d.last = RunThumbDrag(d, start);
  return d;
}

TDragEvent Move(int x, int y) { return {TDragEventKind::Move, {x, y}}; }
constexpr TDragEvent Release{TDragEventKind::Release, {}}, Abort{TDragEventKind::Abort, {}}, Gone{TDragEventKind::Gone, {}};

TEST(ThumbDrag, FollowsTheMouseAndEndsOnEveryWayOut) {
  TDragStart start{true, {-500, -300}, {}, Values(0, 99, 10, 45)};  // signed screen points
  start.Metrics = Thumb(232, start.Values);
  TScriptedDrag d = Drag(start, {Move(-400, -290), Move(-400, -290), Move(0, 10000), Move(0, -250), Release});
  EXPECT_EQ(d.last, 70);
  EXPECT_EQ(d.offsets, (std::vector<int>{100, 180, 140}));  // a move that changes nothing is not told
  EXPECT_EQ(d.posted, (std::vector<int>{50, 90, 70}));
  EXPECT_EQ(d.finished, std::vector<int>{70});
  EXPECT_EQ(Drag(start, {Release}).finished, std::vector<int>{45});  // no movement: the start position
  EXPECT_EQ(Drag(start, {Move(-500, -280), Abort}).finished, std::vector<int>{55});  // capture lost, or quitting
  d = Drag(start, {Move(-500, -280), Gone});  // window destroyed: nothing more is sent
  EXPECT_TRUE(d.finished.empty());
  EXPECT_EQ(d.waits, 2);
  start.Values = Values(0, 99, 10, 1000);  // a stale position outside the range starts clamped
  EXPECT_EQ(Drag(start, {Release}).finished, std::vector<int>{90});
}

}  // namespace
}  // namespace pelorin
