#include "settings/controls/kinetic_scroller.h"

#include <cmath>
#include <cstdlib>

#include "settings/base/scale.h"
#include "settings/controls/gdi_guards.h"

namespace {

int Signed16(int v) { return static_cast<short>(static_cast<unsigned short>(v)); }

int Truncated(double v) { return static_cast<int>(v); }

}  // namespace

DWORD WindowScrollerHost::Now() { return GetTickCount(); }

void WindowScrollerHost::StartTimer(UINT_PTR id, UINT milliseconds) {
  if (owner_) SetTimer(owner_, id, milliseconds, nullptr);
}

void WindowScrollerHost::StopTimer(UINT_PTR id) {
  if (owner_) KillTimer(owner_, id);
}

void WindowScrollerHost::CaptureMouse() {
  if (owner_) SetCapture(owner_);
}

void WindowScrollerHost::ReleaseMouse() {
  // Only our own capture: another window of the thread may hold one for its own reasons.
  if (owner_ && GetCapture() == owner_) ReleaseCapture();
}

void WindowScrollerHost::Invalidate(const RECT& rect) {
  if (!owner_) return;
  InvalidateRect(owner_, &rect, FALSE);
  UpdateWindow(owner_);
}

void WindowScrollerHost::Pause(DWORD milliseconds) { Sleep(milliseconds); }

bool KineticScroller::Init(HWND owner, int x, int y, ScrollContent* content, void* cookie, int width,
                           int height) {
  Destroy();
  owner_ = owner;
  windowHost_.SetOwner(owner);
  x_ = x;
  y_ = y;
  width_ = width;
  height_ = height;
  content_ = content;
  cookie_ = cookie;
  highlightShown_ = tapStoppedFling_ = scrolling_ = pointerDown_ = false;
  lastY_ = pressX_ = offset_ = spare_ = contentHeight_ = springSteps_ = 0;
  previousY_ = thirdY_ = 0;
  newestTime_ = previousTime_ = thirdTime_ = 0;
  velocity_ = 0.0;
  ScopedGetDC screen(owner_);
  if (!image_.Create(screen, width_, height_)) return false;
  Repaint(false);
  return true;
}

bool KineticScroller::Resize(int width, int height) {
  if (width == width_ && height == height_) return false;
  width_ = width;
  height_ = height;
  ScopedGetDC screen(owner_);
  image_.Create(screen, width_, height_);
  Repaint(true);
  return true;
}

bool KineticScroller::SetOffset(int offset, bool repaint) {
  bool changed = offset != offset_;
  offset_ = offset;
  if (repaint) Repaint(true);
  return changed;
}

void KineticScroller::Repaint(bool invalidate) {
  if (content_ && image_.Dc()) {
    contentHeight_ = content_->Paint(cookie_, image_.Dc(), spare_, offset_, width_, height_);
  }
  if (invalidate) Host().Invalidate(Rect());
}

void KineticScroller::Draw(HDC dc) const {
  if (image_.Dc()) BitBlt(dc, x_, y_, width_, height_, image_.Dc(), 0, 0, SRCCOPY);
}

bool KineticScroller::PointerDown(int px, int py) {
  px = Signed16(px);
  py = Signed16(py);
  if (px < x_ || px > x_ + width_ || py < y_ || py > y_ + height_) {
    pointerDown_ = false;
    return false;
  }
  pointerDown_ = true;
  StopTimer(kGlideTimer);
  Host().CaptureMouse();
  pressX_ = px;
  lastY_ = py - y_;
  previousY_ = thirdY_ = lastY_;
  newestTime_ = previousTime_ = thirdTime_ = Host().Now();
  if (!scrolling_) {
    // A fresh press: whatever an earlier press stopped has no say over this one's tap.
    tapStoppedFling_ = false;
    StartTimer(kPressTimer, kPressDelay);
    return true;
  }
  // The press catches a glide or spring-back: stop where it is, inside the range.
  SnapIntoRange();
  velocity_ = 0.0;
  scrolling_ = false;
  tapStoppedFling_ = true;
  return true;
}

bool KineticScroller::PointerMove(int, int py) {
  if (!pointerDown_) return false;
  int y = Signed16(py) - y_;
  if (!scrolling_) {
    if (std::abs(lastY_ - y) < ScaleY(12)) return true;
    scrolling_ = true;
    StopTimer(kPressTimer);
    if (content_) content_->CancelPress(cookie_);
    highlightShown_ = false;
  }
  thirdTime_ = previousTime_;
  thirdY_ = previousY_;
  previousTime_ = newestTime_;
  previousY_ = lastY_;
  newestTime_ = Host().Now();
  offset_ += y - lastY_;
  lastY_ = y;
  Repaint(true);
  return true;
}

bool KineticScroller::PointerUp(int, int py) {
  Host().ReleaseMouse();
  if (!pointerDown_) return false;
  pointerDown_ = false;
  int y = Signed16(py) - y_;
  if (scrolling_) {
    int distance = y - thirdY_;
    if (std::abs(distance) > kGlideMinDistance) {
      // Samples taken within the same tick still glide: the span counts as 1 ms.
      DWORD span = newestTime_ - thirdTime_;
      if (span == 0) span = 1;
      velocity_ = std::trunc(45.0 / static_cast<double>(span) * distance);
      StartTimer(kGlideTimer, kGlideInterval);
      tapStoppedFling_ = false;
    } else if (!StartSpringBack()) {
      scrolling_ = false;
    }
    return true;
  }
  if (tapStoppedFling_) {
    tapStoppedFling_ = false;
    return true;
  }
  StopTimer(kPressTimer);
  int contentX = pressX_ - x_;
  int contentY = lastY_ - offset_;
  if (!highlightShown_) {
    if (content_) content_->Press(cookie_, contentX, contentY);
    Repaint(true);
    Host().Pause(kTapPause);
  }
  highlightShown_ = false;
  tapStoppedFling_ = false;
  if (content_) content_->Click(cookie_, contentX, contentY);
  return true;
}

bool KineticScroller::Timer(UINT_PTR id) {
  switch (id) {
    case kPressTimer:
      if (TimerRunning(id)) PressDelayExpired();
      return true;
    case kGlideTimer:
      if (TimerRunning(id)) GlideTick();
      return true;
    case kSpringTimer:
      if (TimerRunning(id)) SpringTick();
      return true;
    default:
      return false;
  }
}

void KineticScroller::Destroy() {
  StopTimer(kPressTimer);
  StopTimer(kGlideTimer);
  StopTimer(kSpringTimer);
  pointerDown_ = scrolling_ = highlightShown_ = tapStoppedFling_ = false;
  image_.Destroy();
}

void KineticScroller::StartTimer(UINT_PTR id, UINT milliseconds) {
  Host().StartTimer(id, milliseconds);
  if (id == kGlideTimer) glideRunning_ = true;
  if (id == kPressTimer) pressRunning_ = true;
  if (id == kSpringTimer) springRunning_ = true;
}

void KineticScroller::StopTimer(UINT_PTR id) {
  Host().StopTimer(id);
  if (id == kGlideTimer) glideRunning_ = false;
  if (id == kPressTimer) pressRunning_ = false;
  if (id == kSpringTimer) springRunning_ = false;
}

bool KineticScroller::TimerRunning(UINT_PTR id) const {
  if (id == kGlideTimer) return glideRunning_;
  if (id == kPressTimer) return pressRunning_;
  return id == kSpringTimer && springRunning_;
}

RECT KineticScroller::Rect() const { return RECT{x_, y_, x_ + width_, y_ + height_}; }

bool KineticScroller::PastBottom() const {
  return contentHeight_ > height_ && offset_ + contentHeight_ < height_;
}

// Content shorter than the scroller counts as out of range anywhere but at offset 0.
bool KineticScroller::OutOfRange() const {
  return PastBottom() || offset_ >= 1 || offset_ + contentHeight_ < height_;
}

bool KineticScroller::StartSpringBack() {
  if (!OutOfRange()) return false;
  springSteps_ = 3;
  StartTimer(kSpringTimer, kSpringInterval);
  return true;
}

void KineticScroller::SnapIntoRange() {
  StopTimer(kSpringTimer);
  scrolling_ = false;
  if (PastBottom()) {
    offset_ = height_ - contentHeight_;
  } else if (!(offset_ < 1 && offset_ + contentHeight_ >= height_)) {
    offset_ = 0;
  }
  Repaint(true);
}

void KineticScroller::PressDelayExpired() {
  StopTimer(kPressTimer);
  if (!pointerDown_ || scrolling_) return;
  bool repaint = content_ && content_->Press(cookie_, pressX_ - x_, lastY_ - offset_);
  highlightShown_ = true;
  if (repaint) Repaint(true);
}

void KineticScroller::GlideTick() {
  int speed = std::abs(Truncated(velocity_));
  if (speed > 200) {
    velocity_ *= 0.7;
  } else if (speed > 100) {
    velocity_ *= 0.8;
  } else if (speed < 41) {
    velocity_ *= 0.94;
  } else {
    velocity_ *= 0.9;
  }
  offset_ += Truncated(std::ceil(velocity_));
  Repaint(true);
  bool springing = StartSpringBack();
  bool slow = std::abs(Truncated(velocity_)) < 2;
  if (!springing && !slow) return;
  StopTimer(kGlideTimer);
  // A glide that runs into an end stays "scrolling" until the spring-back has finished,
  // so that a press during the spring-back snaps instead of clicking.
  if (slow && !springing) scrolling_ = false;
  velocity_ = 0.0;
}

void KineticScroller::SpringTick() {
  int step = springSteps_;
  if (PastBottom()) {
    int target = height_ - contentHeight_;
    int distance = target - offset_;
    switch (step) {
      case 3: offset_ += Truncated(0.5 * distance); break;
      case 2: offset_ += Truncated(0.2 * distance); break;
      case 1: offset_ += Truncated(0.02 * distance); break;
      default: offset_ = target; break;
    }
  } else if (OutOfRange()) {
    switch (step) {
      case 3: offset_ = Truncated(offset_ * 0.5); break;
      case 2: offset_ = Truncated(offset_ * 0.4); break;
      case 1: offset_ = Truncated(offset_ * 0.2); break;
      default: offset_ = 0; break;
    }
  }
  if (step > 0) {
    springSteps_ = step - 1;
  } else {
    StopTimer(kSpringTimer);
    scrolling_ = false;
  }
  Repaint(true);
}
