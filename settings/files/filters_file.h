#pragma once
// The filters file QMFilters.txt: one five-line block per filter, in index order, block k
// describing the filter with index k + 1:
//   [FILTERk]  "Title"="..."  "Sensitivity"=dword:n  "Visible"=dword:n  "Uncategorized"=dword:n
// Written as UTF-16 little-endian with CR LF line ends.
#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/files/category_items.h"

std::wstring FormatFiltersFile(std::span<const std::unique_ptr<CategoryFilter>> filters);

// The file's lines: complete lines only (text after the last line feed is dropped), line
// feeds removed, carriage returns kept, null characters dropped. Files this program writes
// are UTF-16 and read as such, so titles keep every character; an 8-bit file of the same
// layout is read a byte to a character.
std::vector<std::wstring> FiltersFileLines(std::string_view bytes);

// The blocks found in order from [FILTER0] on, each filter given the index of its block
// number + 1. Lines between blocks are skipped; a block out of order is not found.
std::vector<std::unique_ptr<CategoryFilter>> ParseFilterBlocks(const std::vector<std::wstring>& lines);
