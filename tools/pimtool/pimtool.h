#pragma once
// pimtool's command table and what the commands share: arguments, exit codes and output.
// Output is UTF-8 without a byte-order mark; listings are tab-separated lines ending in
// "\n", the first line naming the columns.
#include <windows.h>

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

// The words after the verb (and the kind, for commands that have one).
using PimArguments = std::vector<std::wstring>;

enum PimExit { kPimSucceeded = 0, kPimFailed = 1, kPimBadUsage = 2 };

struct PimCommand {
  const wchar_t* verb;
  const wchar_t* kind;   // null: the command takes every word after the verb
  const wchar_t* usage;  // the arguments after verb and kind, for the usage text
  int (*run)(const PimArguments& arguments);
};

// Every command, in the order the usage text lists them (commands.cpp).
std::span<const PimCommand> PimCommands();

void WriteOut(const std::wstring& text);
void WriteStandardError(const std::wstring& text);
// A line on the standard error, after "pimtool: ".
void WriteError(const std::wstring& text);
// One line of a listing; tabs and line breaks inside a cell become spaces.
void WriteRow(std::initializer_list<std::wstring> cells);
void WriteRow(const std::vector<std::wstring>& cells);

// Names that fit a listing cell: not empty, no control characters.
bool IsPrintableName(const std::wstring& name);
// Equal under the device's rule for category names: the user's locale, ignoring case.
bool SameIgnoringCase(const std::wstring& a, const std::wstring& b);
