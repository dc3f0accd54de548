#include "settings/controls/kinetic_scroller.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "settings/base/scale.h"

namespace {

// The window system as the scroller sees it, on a clock the test sets.
class FakeHost : public ScrollerHost {
 public:
  DWORD Now() override { return now; }
  void StartTimer(UINT_PTR id, UINT milliseconds) override { timers[id] = milliseconds; }
  void StopTimer(UINT_PTR id) override { timers.erase(id); }
  void CaptureMouse() override { captured = true; }
  void ReleaseMouse() override { captured = false; }
  void Invalidate(const RECT&) override { ++invalidations; }
  void Pause(DWORD milliseconds) override { pauses.push_back(milliseconds); }

  bool Running(UINT_PTR id) const { return timers.count(id) != 0; }

  DWORD now = 1000;
  std::map<UINT_PTR, UINT> timers;
  bool captured = false;
  int invalidations = 0;
  std::vector<DWORD> pauses;
};

class FakeContent : public ScrollContent {
 public:
  int Paint(void* cookie, HDC dc, int spare, int offset, int width, int height) override {
    EXPECT_EQ(expectedCookie, cookie);
    EXPECT_NE(nullptr, dc);
    EXPECT_EQ(0, spare);
    ++paints;
    lastOffset = offset;
    lastWidth = width;
    lastHeight = height;
    return contentHeight;
  }
  bool Press(void* cookie, int x, int y) override {
    EXPECT_EQ(expectedCookie, cookie);
    calls.push_back("press " + std::to_string(x) + " " + std::to_string(y));
    return repaintOnPress;
  }
  void CancelPress(void* cookie) override {
    EXPECT_EQ(expectedCookie, cookie);
    calls.push_back("cancel");
  }
  void Click(void* cookie, int x, int y) override {
    EXPECT_EQ(expectedCookie, cookie);
    calls.push_back("click " + std::to_string(x) + " " + std::to_string(y));
  }

  void* expectedCookie = nullptr;
  int contentHeight = 1000;
  bool repaintOnPress = true;
  int paints = 0;
  int lastOffset = 0;
  int lastWidth = 0;
  int lastHeight = 0;
  std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

constexpr int kTop = 20;     // the scroller's top in owner coordinates
constexpr int kHeight = 300;
constexpr int kWidth = 200;
constexpr UINT_PTR kGlide = KineticScroller::kGlideTimer;
constexpr UINT_PTR kPress = KineticScroller::kPressTimer;
constexpr UINT_PTR kSpring = KineticScroller::kSpringTimer;

class ScrollerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ScaleSetForTest(false, 96, 96);
    content.expectedCookie = &cookie;
    scroller.SetHost(&host);
    ASSERT_TRUE(scroller.Init(nullptr, 0, kTop, &content, &cookie, kWidth, kHeight));
  }
  void TearDown() override { ScaleSetForTest(false, 96, 96); }

  // Pointer positions below are relative to the scroller's top.
  void Down(int y, int x = 50) { EXPECT_TRUE(scroller.PointerDown(x, kTop + y)); }
  void Move(DWORD elapsed, int y) {
    host.now += elapsed;
    EXPECT_TRUE(scroller.PointerMove(50, kTop + y));
  }
  void Up(int y) { EXPECT_TRUE(scroller.PointerUp(50, kTop + y)); }

  // A release whose last two samples lie `distance` pixels and 45 ms apart: it glides at
  // `distance` pixels per tick. The drag itself moves the offset by distance +- 20.
  void Flick(int distance) {
    int sign = distance < 0 ? -1 : 1;
    Down(150);
    Move(10, 150 + 20 * sign);
    Move(20, 150 + 20 * sign + distance / 2);
    Move(25, 150 + 20 * sign + distance);
    Up(150 + 20 * sign + distance);
  }

  // Drags the content by `pull` and lets go slowly: no glide.
  void PullAndRelease(int pull) {
    int sign = pull < 0 ? -1 : 1;
    Down(150);
    Move(10, 150 + pull - 4 * sign);
    Move(10, 150 + pull - 2 * sign);
    Move(10, 150 + pull);
    Up(150 + pull);
  }

  // A fresh scroller over content of the given height, scrolled to `offset`.
  void Restart(int contentHeight, int offset) {
    content.contentHeight = contentHeight;
    ASSERT_TRUE(scroller.Init(nullptr, 0, kTop, &content, &cookie, kWidth, kHeight));
    scroller.SetOffset(offset, false);
  }

  std::vector<int> RunSpringBack() {
    std::vector<int> offsets;
    for (int i = 0; i < 10 && host.Running(kSpring); ++i) {
      EXPECT_TRUE(scroller.Timer(kSpring));
      offsets.push_back(scroller.Offset());
    }
    return offsets;
  }

  int cookie = 0;
  FakeHost host;
  FakeContent content;
  KineticScroller scroller;
};

TEST_F(ScrollerTest, PointerOutsideTheRectangleIsLeftToTheOwner) {
  EXPECT_FALSE(scroller.PointerDown(kWidth + 1, kTop + 10));
  EXPECT_FALSE(scroller.PointerDown(10, kTop - 1));
  EXPECT_FALSE(scroller.PointerDown(10, kTop + kHeight + 1));
  EXPECT_FALSE(scroller.PointerIsDown());
  EXPECT_FALSE(host.Running(kPress));
  EXPECT_FALSE(scroller.PointerMove(10, kTop + 100));
  host.captured = true;
  EXPECT_FALSE(scroller.PointerUp(10, kTop + 100));
  EXPECT_FALSE(host.captured);  // the capture is released even so
  EXPECT_TRUE(content.calls.empty());

  // The edges themselves belong to the scroller.
  EXPECT_TRUE(scroller.PointerDown(kWidth, kTop + kHeight));
  EXPECT_TRUE(scroller.PointerIsDown());
}

TEST_F(ScrollerTest, PressDelayHighlightsAndReleaseClicksWithoutPause) {
  scroller.SetOffset(-200, false);
  Down(100, 30);
  EXPECT_TRUE(host.captured);
  ASSERT_TRUE(host.Running(kPress));
  EXPECT_EQ(100u, host.timers[kPress]);
  EXPECT_TRUE(content.calls.empty());

  int invalidations = host.invalidations;
  EXPECT_TRUE(scroller.Timer(kPress));
  EXPECT_FALSE(host.Running(kPress));
  EXPECT_TRUE(scroller.HighlightShown());
  EXPECT_EQ(invalidations + 1, host.invalidations);

  Up(100);
  EXPECT_FALSE(host.captured);
  EXPECT_EQ((Calls{"press 30 300", "click 30 300"}), content.calls);
  EXPECT_TRUE(host.pauses.empty());
  EXPECT_FALSE(scroller.HighlightShown());

  // A press that asks for no repaint gets none.
  content.repaintOnPress = false;
  Down(100);
  invalidations = host.invalidations;
  scroller.Timer(kPress);
  EXPECT_EQ(invalidations, host.invalidations);
}

TEST_F(ScrollerTest, QuickTapShowsTheHighlightBrieflyThenClicks) {
  Down(40, 70);
  int invalidations = host.invalidations;
  Up(40);
  EXPECT_EQ((Calls{"press 70 40", "click 70 40"}), content.calls);
  EXPECT_EQ(std::vector<DWORD>{50}, host.pauses);
  EXPECT_GT(host.invalidations, invalidations);
  EXPECT_FALSE(host.Running(kPress));
  // A press-delay message already queued when its timer was killed changes nothing.
  EXPECT_TRUE(scroller.Timer(kPress));
  EXPECT_EQ(2u, content.calls.size());
}

TEST_F(ScrollerTest, SmallMovesKeepThePressAndTwelvePixelsStartADrag) {
  Down(100);
  Move(5, 111);
  Move(5, 89);
  EXPECT_FALSE(scroller.Scrolling());
  EXPECT_TRUE(host.Running(kPress));
  EXPECT_EQ(0, scroller.Offset());

  scroller.Timer(kPress);
  Move(5, 112);
  EXPECT_TRUE(scroller.Scrolling());
  EXPECT_FALSE(host.Running(kPress));
  EXPECT_FALSE(scroller.HighlightShown());
  EXPECT_EQ((Calls{"press 50 100", "cancel"}), content.calls);
  EXPECT_EQ(12, content.lastOffset);

  // Content follows the pointer one to one, unlimited while dragging; y is signed 16-bit.
  Move(5, 700);
  EXPECT_EQ(600, scroller.Offset());
  EXPECT_TRUE(scroller.PointerMove(50, 0xFFF6));  // HIWORD of a pointer 10 pixels above the owner
  EXPECT_EQ(-10 - kTop - 100, scroller.Offset());
  Up(-10 - kTop);
  EXPECT_EQ(2u, content.calls.size());  // a drag never clicks
}

TEST_F(ScrollerTest, DragThresholdIsScaled) {
  ScaleSetForTest(false, 192, 192);
  Down(100);
  Move(5, 123);
  EXPECT_FALSE(scroller.Scrolling());
  Move(5, 124);
  EXPECT_TRUE(scroller.Scrolling());
}

TEST_F(ScrollerTest, GlideSpeedIsDistanceOverTheSpanOfTheLastSamples) {
  // 70 pixels over 40 ms, across the tick count's wrap: 45 / 40 * 70 = 78.75, truncated.
  Restart(100000, -5000);
  host.now = 0xFFFFFFF0;
  Down(150);
  Move(10, 130);
  Move(10, 100);
  Move(30, 60);
  Up(60);
  EXPECT_EQ(-78.0, scroller.Velocity());
  ASSERT_TRUE(host.Running(kGlide));
  EXPECT_EQ(70u, host.timers[kGlide]);
  EXPECT_TRUE(scroller.Scrolling());

  // Samples within one tick count the span as 1 ms instead of dividing by zero.
  Restart(100000, -5000);
  Down(150);
  Move(0, 130);
  Move(0, 120);
  Move(0, 110);
  Up(110);
  EXPECT_EQ(45.0 * -20, scroller.Velocity());
  scroller.Timer(kGlide);
  EXPECT_DOUBLE_EQ(-630.0, scroller.Velocity());
}

TEST_F(ScrollerTest, GlideDecaysByTheSpeedBandAndStepsByTheCeiling) {
  struct Band {
    int speed;
    double factor;
  };
  for (int sign : {-1, 1}) {
    for (Band band : {Band{250, 0.7}, Band{201, 0.7}, Band{200, 0.8}, Band{150, 0.8}, Band{101, 0.8},
                      Band{100, 0.9}, Band{41, 0.9}, Band{40, 0.94}, Band{10, 0.94}}) {
      SCOPED_TRACE(sign * band.speed);
      Restart(1000000, -500000);
      Flick(sign * band.speed);
      ASSERT_EQ(sign * band.speed, scroller.Velocity());
      int before = scroller.Offset();
      scroller.Timer(kGlide);
      double speed = sign * band.speed * band.factor;
      EXPECT_DOUBLE_EQ(speed, scroller.Velocity());
      EXPECT_EQ(before + static_cast<int>(std::ceil(speed)), scroller.Offset());  // 9.4 -> 10, -9.4 -> -9
    }
  }
}

TEST_F(ScrollerTest, GlideComesToRestBelowTwoPixelsPerTick) {
  Restart(100000, -5000);
  Flick(-10);
  int ticks = 0;
  while (host.Running(kGlide) && ticks < 100) {
    EXPECT_GE(std::abs(static_cast<int>(scroller.Velocity())), 2);
    scroller.Timer(kGlide);
    ++ticks;
  }
  EXPECT_LT(ticks, 100);
  EXPECT_FALSE(scroller.Scrolling());
  EXPECT_EQ(0.0, scroller.Velocity());
  EXPECT_FALSE(host.Running(kSpring));
  EXPECT_EQ(Calls{"cancel"}, content.calls);
}

TEST_F(ScrollerTest, ReleaseWithinSixPixelsDoesNotGlide) {
  scroller.SetOffset(-500, false);
  Down(150);
  Move(10, 170);
  Move(10, 173);
  Move(10, 176);
  Up(176);  // 6 pixels from the third-newest sample
  EXPECT_FALSE(host.Running(kGlide));
  EXPECT_FALSE(host.Running(kSpring));
  EXPECT_FALSE(scroller.Scrolling());
  EXPECT_EQ(-474, scroller.Offset());

  Down(150);
  Move(10, 170);
  Move(10, 173);
  Move(10, 177);
  Up(177);
  EXPECT_TRUE(host.Running(kGlide));
}

TEST_F(ScrollerTest, RangeEndsAreInclusive) {
  struct Case {
    int finalOffset;
    bool springs;
  };
  for (Case c : {Case{0, false}, Case{-700, false}, Case{1, true}, Case{-701, true}, Case{-350, false}}) {
    SCOPED_TRACE(c.finalOffset);
    int pull = c.finalOffset < -350 ? -20 : 20;
    Restart(1000, c.finalOffset - pull);
    PullAndRelease(pull);
    ASSERT_EQ(c.finalOffset, scroller.Offset());
    EXPECT_EQ(c.springs, host.Running(kSpring));
    EXPECT_EQ(c.springs, scroller.Scrolling());
  }
}

TEST_F(ScrollerTest, SpringBackRunsFourStepsTowardsTheNearestEnd) {
  PullAndRelease(100);
  EXPECT_EQ(50u, host.timers[kSpring]);
  EXPECT_EQ(3, scroller.SpringSteps());
  EXPECT_EQ((std::vector<int>{50, 20, 4, 0}), RunSpringBack());
  EXPECT_FALSE(host.Running(kSpring));
  EXPECT_FALSE(scroller.Scrolling());
  EXPECT_EQ(0, content.lastOffset);

  // Past the bottom the target is the last screen: 1000 - 300.
  scroller.SetOffset(-700, false);
  PullAndRelease(-100);
  EXPECT_EQ((std::vector<int>{-750, -740, -740, -700}), RunSpringBack());

  // Content shorter than the scroller always returns to the top.
  Restart(100, 0);
  PullAndRelease(-100);
  EXPECT_EQ((std::vector<int>{-50, -20, -4, 0}), RunSpringBack());
  PullAndRelease(60);
  EXPECT_EQ((std::vector<int>{30, 12, 2, 0}), RunSpringBack());
}

TEST_F(ScrollerTest, PressDuringAGlideOrSpringBackSnapsIntoRangeWithoutClicking) {
  scroller.SetOffset(-600, false);
  Flick(-100);
  EXPECT_EQ(-720, scroller.Offset());  // the drag itself went past the bottom
  ASSERT_TRUE(host.Running(kGlide));
  Down(100);
  EXPECT_FALSE(host.Running(kGlide));
  EXPECT_FALSE(host.Running(kPress));
  EXPECT_EQ(-700, scroller.Offset());
  EXPECT_EQ(0.0, scroller.Velocity());
  EXPECT_FALSE(scroller.Scrolling());
  EXPECT_TRUE(scroller.TapStoppedFling());
  Up(100);
  EXPECT_EQ(Calls{"cancel"}, content.calls);
  Down(100);
  Up(100);
  EXPECT_EQ((Calls{"cancel", "press 50 800", "click 50 800"}), content.calls);

  content.calls.clear();
  Restart(1000, 0);
  PullAndRelease(100);
  scroller.Timer(kSpring);
  EXPECT_EQ(50, scroller.Offset());
  Down(100);
  EXPECT_FALSE(host.Running(kSpring));
  EXPECT_EQ(0, scroller.Offset());
  Up(100);
  EXPECT_EQ(Calls{"cancel"}, content.calls);
  scroller.Timer(kSpring);  // still queued after the snap: ignored
  EXPECT_EQ(0, scroller.Offset());
}

TEST_F(ScrollerTest, TapAfterAStoppedGlideAndAShortDragStillClicks) {
  Restart(100000, -5000);
  Flick(-100);
  Down(100);  // stops the glide
  Move(10, 120);
  Move(10, 121);
  Move(10, 122);
  Up(122);  // a drag too slow to glide, inside the range
  EXPECT_FALSE(scroller.Scrolling());
  content.calls.clear();
  Down(100);
  Up(100);
  ASSERT_EQ(2u, content.calls.size());
  EXPECT_EQ(0u, content.calls[1].find("click"));
}

TEST_F(ScrollerTest, SlowGlideThatRunsIntoTheTopStillSnapsOnPress) {
  // Released at 3 pixels per tick (7 pixels over 100 ms), 19 pixels below the top: the
  // seventh tick, at 1.9 pixels per tick, crosses the top and starts the spring-back.
  scroller.SetOffset(-46, false);
  Down(150);
  Move(10, 170);
  Move(50, 175);
  Move(50, 177);
  Up(177);
  EXPECT_EQ(-19, scroller.Offset());
  EXPECT_EQ(3.0, scroller.Velocity());
  for (int i = 0; i < 7; ++i) scroller.Timer(kGlide);
  EXPECT_EQ(1, scroller.Offset());
  EXPECT_FALSE(host.Running(kGlide));
  EXPECT_EQ(0.0, scroller.Velocity());
  EXPECT_TRUE(host.Running(kSpring));
  EXPECT_TRUE(scroller.Scrolling());

  Down(100);
  EXPECT_EQ(0, scroller.Offset());
  EXPECT_FALSE(host.Running(kSpring));
  Up(100);
  EXPECT_EQ(Calls{"cancel"}, content.calls);
}

TEST_F(ScrollerTest, LifecycleOwnsTheImageAndTheTimers) {
  EXPECT_EQ(1, content.paints);  // Init paints once
  EXPECT_EQ(1000, scroller.ContentHeight());
  EXPECT_FALSE(scroller.Resize(kWidth, kHeight));
  EXPECT_TRUE(scroller.Resize(kWidth, 400));
  EXPECT_EQ(400, content.lastHeight);

  EXPECT_FALSE(scroller.Timer(1029));
  EXPECT_FALSE(scroller.Timer(1033));
  int paints = content.paints;
  EXPECT_TRUE(scroller.Timer(kGlide));  // not running: ignored
  EXPECT_TRUE(scroller.Timer(kSpring));
  EXPECT_EQ(paints, content.paints);

  Down(100);
  PullAndRelease(100);
  host.timers[kGlide] = 70;
  scroller.Destroy();
  EXPECT_TRUE(host.timers.empty());
  EXPECT_EQ(nullptr, scroller.ImageDc());
}

}  // namespace
