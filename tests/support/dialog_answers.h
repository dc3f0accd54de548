#pragma once
// The dialogs and message boxes the code under test runs, answered in the order they come.
// Other windows activated meanwhile (a page again, a menu bar's helper) are passed over, which
// a bare ModalAnswerer would hand the next answer to. A dialog
// still open after the time limit fails the test and is ended, so that no test can hang.
#include <windows.h>

#include <map>
#include <vector>

#include "tests/support/modal_answerer.h"

class DialogAnswers {
 public:
  using Action = ModalAnswerer::Action;

  explicit DialogAnswers(DWORD limitMilliseconds = 15000);
  DialogAnswers(const DialogAnswers&) = delete;
  DialogAnswers& operator=(const DialogAnswers&) = delete;
  ~DialogAnswers();

  DialogAnswers& Then(ModalAnswerer::Action action);
  int Answered() const { return static_cast<int>(next_); }

 private:
  static void CALLBACK Watch(HWND, UINT, UINT_PTR, DWORD);
  static BOOL CALLBACK EndIfOverdue(HWND window, LPARAM self);
  void Answer(HWND window);

  ModalAnswerer answerer_;
  std::vector<ModalAnswerer::Action> actions_;
  std::size_t next_ = 0;
  DWORD limit_;
  UINT_PTR watch_ = 0;
  std::map<HWND, DWORD> openSince_;
};

// Whether the window is a dialog or a message box.
bool IsDialog(HWND window);
