#pragma once
// The line rules of the settings text files: the backup file, colour schemes and the filters
// file. A line includes what ends it (a line feed, or the carriage return that the filters
// file leaves in place). The results are views into the line; nothing is escaped.
#include <windows.h>

#include <string_view>

// "[" name "]" followed by the line end: at least 3 characters, the second-to-last one "]".
bool ParseSectionHeader(std::wstring_view line, std::wstring_view& name);

// A quoted name, `"="`, a text and a closing quote before the line end. The name ends at the
// first `"="`; quotes inside the text stay in it.
bool ParseStringLine(std::wstring_view line, std::wstring_view& name, std::wstring_view& text);

// A quoted name followed by "=dword:" and a signed number in `base`, read as the runtime's
// string-to-long conversion reads it (leading blanks and a sign; stops at the first other
// character; clamped to the 32-bit range).
bool ParseNumberLine(std::wstring_view line, int base, std::wstring_view& name, LONG& value);

// Whether a line is the empty line that separates sections: a line feed alone.
inline bool IsSectionBreak(std::wstring_view line) { return line == L"\n"; }
