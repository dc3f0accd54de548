#include "tests/support/dialog_answers.h"

#include <gtest/gtest.h>

namespace {

thread_local DialogAnswers* t_answers = nullptr;
constexpr int kWindowsLooked = 64;  // more than any test opens

}  // namespace

bool IsDialog(HWND window) { return ClassName(window) == L"#32770"; }

DialogAnswers::DialogAnswers(DWORD limitMilliseconds) : limit_(limitMilliseconds) {
  t_answers = this;
  // Each activated window comes to Answer, which keeps the real answers for dialogs.
  for (int i = 0; i < kWindowsLooked; ++i) answerer_.Then([this](HWND window) { Answer(window); });
  watch_ = SetTimer(nullptr, 0, 200, Watch);
}

DialogAnswers::~DialogAnswers() {
  KillTimer(nullptr, watch_);
  t_answers = nullptr;
  EXPECT_EQ(actions_.size(), next_) << "dialogs that never came";
}

DialogAnswers& DialogAnswers::Then(ModalAnswerer::Action action) {
  actions_.push_back(std::move(action));
  return *this;
}

void DialogAnswers::Answer(HWND window) {
  if (!IsDialog(window) || !IsWindowVisible(window)) return;
  if (next_ >= actions_.size()) return;  // unexpected: the watch ends it
  ModalAnswerer::Action action = actions_[next_++];
  action(window);
}

void CALLBACK DialogAnswers::Watch(HWND, UINT, UINT_PTR, DWORD) {
  if (t_answers) EnumThreadWindows(GetCurrentThreadId(), EndIfOverdue, reinterpret_cast<LPARAM>(t_answers));
}

BOOL CALLBACK DialogAnswers::EndIfOverdue(HWND window, LPARAM self) {
  auto& answers = *reinterpret_cast<DialogAnswers*>(self);
  if (!IsDialog(window) || !IsWindowVisible(window)) return TRUE;
  const auto [since, first] = answers.openSince_.emplace(window, GetTickCount());
  if (!first && GetTickCount() - since->second > answers.limit_) {
    ADD_FAILURE() << "\"" << WindowText(window) << "\" was still open after " << answers.limit_ << " ms";
    answers.openSince_.erase(since);
    EndDialog(window, 0);
  }
  return TRUE;
}
