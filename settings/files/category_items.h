#pragma once
// The entries of the category manager: the "no category" entry, the device's categories and
// the category filters. A tab's selection points at one of them.
#include <windows.h>

#include "settings/base/wide_string.h"
#include "settings/controls/gdi_guards.h"

enum CategoryItemKind : int { kNoCategoryKind = 0, kCategoryKind = 1, kFilterKind = 2 };

inline constexpr COLORREF kNoCategoryColour = 0xFFFFFFFF;
inline constexpr int kFilterCount = 32;

class CategoryItem {
 public:
  CategoryItem() = default;
  CategoryItem(const CategoryItem&) = delete;
  CategoryItem& operator=(const CategoryItem&) = delete;
  virtual ~CategoryItem() = default;

  virtual int kind() const = 0;

  WideString name;
};

class NoCategoryItem final : public CategoryItem {
 public:
  int kind() const override { return kNoCategoryKind; }
};

class Category final : public CategoryItem {
 public:
  int kind() const override { return kCategoryKind; }
  // Bit i set: the category belongs to the filter with index i + 1.
  bool InFilter(LONG index) const { return index >= 1 && index <= kFilterCount && (filterBits >> (index - 1)) & 1; }

  DWORD filterBits = 0;
  COLORREF colour = kNoCategoryColour;
  ScopedBitmap icon;
  bool flag = false;
  WORD id = 0;
};

// A filter's title is its name.
class CategoryFilter final : public CategoryItem {
 public:
  int kind() const override { return kFilterKind; }

  DWORD sensitivity = 0;  // 0: any item; 1: hides private items (2); 2: hides normal ones (0)
  BYTE visible = 1;
  BYTE includeUncategorized = 0;
  LONG index = 0;  // 1 to 32
};
