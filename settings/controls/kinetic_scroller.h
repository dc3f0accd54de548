#pragma once
// A content that follows the finger, keeps gliding after a flick and springs back when
// pulled past either end. Painted into the owner window's device context and fed the
// owner's mouse and timer messages; it is not a window itself.
#include <windows.h>

#include "settings/controls/memory_image.h"
#include "settings/controls/scroll_content.h"

// Everything the scroller needs from the window system, so that its physics can run on a
// test's own clock.
class ScrollerHost {
 public:
  virtual ~ScrollerHost() = default;
  virtual DWORD Now() = 0;
  virtual void StartTimer(UINT_PTR id, UINT milliseconds) = 0;  // restarts a running one
  virtual void StopTimer(UINT_PTR id) = 0;
  virtual void CaptureMouse() = 0;
  virtual void ReleaseMouse() = 0;
  // Invalidates the rectangle of the owner and repaints it at once.
  virtual void Invalidate(const RECT& rect) = 0;
  virtual void Pause(DWORD milliseconds) = 0;
};

// The real host: the owner window's timers, capture and painting, GetTickCount and Sleep.
class WindowScrollerHost final : public ScrollerHost {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }

  DWORD Now() override;
  void StartTimer(UINT_PTR id, UINT milliseconds) override;
  void StopTimer(UINT_PTR id) override;
  void CaptureMouse() override;
  void ReleaseMouse() override;
  void Invalidate(const RECT& rect) override;
  void Pause(DWORD milliseconds) override;

 private:
  HWND owner_ = nullptr;
};

class KineticScroller {
 public:
  static constexpr UINT_PTR kGlideTimer = 1030;
  static constexpr UINT_PTR kPressTimer = 1031;
  static constexpr UINT_PTR kSpringTimer = 1032;
  static constexpr UINT kGlideInterval = 70;
  static constexpr UINT kPressDelay = 100;
  static constexpr UINT kSpringInterval = 50;
  // How long a quick tap's highlight stays visible before the click.
  static constexpr DWORD kTapPause = 50;
  // A release that moved no more than this over the last samples does not glide.
  static constexpr int kGlideMinDistance = 6;

  KineticScroller() = default;
  KineticScroller(const KineticScroller&) = delete;
  KineticScroller& operator=(const KineticScroller&) = delete;
  ~KineticScroller() { Destroy(); }

  // Replaces the window host (tests run the physics on their own clock); null restores it.
  // The host must outlive the scroller.
  void SetHost(ScrollerHost* host) { host_ = host; }

  // Stops whatever ran before, stores everything with offset 0 and all flags clear, builds
  // the content image and paints the content into it. False when the image cannot be built.
  bool Init(HWND owner, int x, int y, ScrollContent* content, void* cookie, int width, int height);
  // Rebuilds the content image and repaints when the size differs; returns whether it did.
  bool Resize(int width, int height);
  bool SetOffset(int offset, bool repaint);
  // Paints the content into the content image; with `invalidate` also repaints the owner.
  void Repaint(bool invalidate);
  // Copies the content image to the scroller's rectangle.
  void Draw(HDC dc) const;

  // Owner coordinates. Both are read as signed 16-bit values, so the raw LOWORD/HIWORD of
  // a mouse message's lParam may be passed (a captured pointer above the window is
  // negative). Each returns whether the scroller handled the message.
  bool PointerDown(int x, int y);
  bool PointerMove(int x, int y);
  bool PointerUp(int x, int y);
  bool Timer(UINT_PTR id);

  // Kills the three timers and frees the content image.
  void Destroy();

  int X() const { return x_; }
  int Y() const { return y_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Offset() const { return offset_; }
  int ContentHeight() const { return contentHeight_; }
  double Velocity() const { return velocity_; }
  bool Scrolling() const { return scrolling_; }
  bool PointerIsDown() const { return pointerDown_; }
  bool HighlightShown() const { return highlightShown_; }
  bool TapStoppedFling() const { return tapStoppedFling_; }
  int SpringSteps() const { return springSteps_; }
  HDC ImageDc() const { return image_.Dc(); }

 private:
  ScrollerHost& Host() { return host_ ? *host_ : windowHost_; }
  void StartTimer(UINT_PTR id, UINT milliseconds);
  void StopTimer(UINT_PTR id);
  bool TimerRunning(UINT_PTR id) const;
  RECT Rect() const;

  bool PastBottom() const;
  bool OutOfRange() const;
  bool StartSpringBack();
  void SnapIntoRange();
  void PressDelayExpired();
  void GlideTick();
  void SpringTick();

  WindowScrollerHost windowHost_;
  ScrollerHost* host_ = nullptr;
  HWND owner_ = nullptr;
  int x_ = 0;
  int y_ = 0;
  int width_ = 0;
  int height_ = 0;
  MemoryImage image_;
  bool highlightShown_ = false;
  bool tapStoppedFling_ = false;
  int lastY_ = 0;
  int pressX_ = 0;
  int offset_ = 0;
  int spare_ = 0;
  int contentHeight_ = 0;
  double velocity_ = 0.0;
  bool scrolling_ = false;
  bool pointerDown_ = false;
  int springSteps_ = 0;
  DWORD newestTime_ = 0;
  DWORD previousTime_ = 0;
  DWORD thirdTime_ = 0;
  int previousY_ = 0;
  int thirdY_ = 0;
  ScrollContent* content_ = nullptr;
  void* cookie_ = nullptr;
  // Which of the three timers run: a WM_TIMER already queued when its timer was killed
  // must not act.
  bool glideRunning_ = false;
  bool pressRunning_ = false;
  bool springRunning_ = false;
};
