#include "settings/files/preview_items.h"

#include <algorithm>

#include "settings/files/category_items.h"

namespace {

// The category manager's order: names compared ignoring case in the user's locale.
bool NameBefore(const Category* left, const Category* right) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, left->name.c_str(), -1, right->name.c_str(), -1) ==
         CSTR_LESS_THAN;
}

}  // namespace

void PimItem::AddCategory(const Category* category) {
  if (!category || std::find(categories.begin(), categories.end(), category) != categories.end()) return;
  categories.insert(std::upper_bound(categories.begin(), categories.end(), category, NameBefore), category);
}
