#pragma once
// Answers the modal UI of the code under test the way a user would. Each top-level window
// that is activated on this thread while the answerer lives (a message box, a dialog) gets
// the next action, run from inside its modal loop once it has been set up.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class ModalAnswerer {
 public:
  using Action = std::function<void(HWND window)>;

  ModalAnswerer();
  ModalAnswerer(const ModalAnswerer&) = delete;
  ModalAnswerer& operator=(const ModalAnswerer&) = delete;
  ~ModalAnswerer();

  // Queues the action for the next modal window; returns *this to chain.
  ModalAnswerer& Then(Action action);
  // Windows that were answered so far, and actions not yet used.
  int Answered() const { return answered_; }
  int Pending() const { return static_cast<int>(actions_.size() - next_); }

 private:
  static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK RunPending(HWND, UINT, UINT_PTR timer, DWORD);

  HHOOK hook_ = nullptr;
  std::vector<Action> actions_;
  std::size_t next_ = 0;
  int answered_ = 0;
  std::vector<HWND> seen_;
  std::vector<HWND> waiting_;
};

// Presses a button of a dialog or message box (as a click would: WM_COMMAND from it).
void PressButton(HWND window, int id);
// The caption of a window.
std::wstring WindowText(HWND window);
// The class name of a window.
std::wstring ClassName(HWND window);
