#pragma once
// pimtool's commands on the device's category database.
#include "tools/pimtool/pimtool.h"

int ListCategories(const PimArguments& arguments);
int AddCategories(const PimArguments& arguments);
int RenameCategory(const PimArguments& arguments);
int RemoveCategory(const PimArguments& arguments);
