#include "tests/support/modal_answerer.h"

namespace {

thread_local ModalAnswerer* t_answerer = nullptr;

}  // namespace

ModalAnswerer::ModalAnswerer() {
  t_answerer = this;
  hook_ = SetWindowsHookExW(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
}

ModalAnswerer::~ModalAnswerer() {
  if (hook_) UnhookWindowsHookEx(hook_);
  t_answerer = nullptr;
}

ModalAnswerer& ModalAnswerer::Then(Action action) {
  actions_.push_back(std::move(action));
  return *this;
}

LRESULT CALLBACK ModalAnswerer::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  ModalAnswerer* self = t_answerer;
  if (self && code == HCBT_ACTIVATE) {
    auto window = reinterpret_cast<HWND>(wParam);
    bool known = false;
    for (HWND seen : self->seen_) known = known || seen == window;
    if (!known && !(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) {
      self->seen_.push_back(window);
      self->waiting_.push_back(window);
      // Runs from the window's own modal loop, after its set-up has finished.
      SetTimer(nullptr, 0, 30, RunPending);
    }
  }
  return CallNextHookEx(self ? self->hook_ : nullptr, code, wParam, lParam);
}

void CALLBACK ModalAnswerer::RunPending(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  ModalAnswerer* self = t_answerer;
  if (!self || self->waiting_.empty()) return;
  HWND window = self->waiting_.front();
  self->waiting_.erase(self->waiting_.begin());
  if (!IsWindow(window) || self->next_ >= self->actions_.size()) return;
  Action action = self->actions_[self->next_++];
  ++self->answered_;
  action(window);
}

void PressButton(HWND window, int id) {
  HWND button = GetDlgItem(window, id);
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

std::wstring WindowText(HWND window) {
  wchar_t text[1024];
  int length = GetWindowTextW(window, text, 1024);
  return std::wstring(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::wstring ClassName(HWND window) {
  wchar_t name[256];
  int length = GetClassNameW(window, name, 256);
  return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}
