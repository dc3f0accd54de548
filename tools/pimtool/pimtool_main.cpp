// pimtool: lists and edits the device's PIM volume ("\pim.vol") from scripts and tests.
//   pimtool VERB [KIND] ARGUMENTS...
// Exit code 0 on success, 1 on a failure (said on the standard error), 2 on bad usage.
#include <windows.h>

#include <cwchar>

#include "tools/pimtool/pimtool.h"

namespace {

int Usage() {
  std::wstring text = L"usage:\n";
  for (const PimCommand& command : PimCommands()) {
    text += L"  pimtool " + std::wstring(command.verb);
    if (command.kind) text += L" " + std::wstring(command.kind);
    if (*command.usage) text += L" " + std::wstring(command.usage);
    text += L"\n";
  }
  WriteStandardError(text);
  return kPimBadUsage;
}

// The command for the words: one whose kind is the second word, else the verb's one without
// a kind.
const PimCommand* Choose(int argc, wchar_t** argv, int& first) {
  for (const PimCommand& command : PimCommands()) {
    if (command.kind && argc > 2 && wcscmp(command.verb, argv[1]) == 0 && wcscmp(command.kind, argv[2]) == 0) {
      first = 3;
      return &command;
    }
  }
  for (const PimCommand& command : PimCommands()) {
    if (!command.kind && wcscmp(command.verb, argv[1]) == 0) {
      first = 2;
      return &command;
    }
  }
  return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int first = 0;
  const PimCommand* command = argc > 1 ? Choose(argc, argv, first) : nullptr;
  if (!command) return Usage();
  int code = command->run(PimArguments(argv + first, argv + argc));
  return code == kPimBadUsage ? Usage() : code;
}
