#pragma once
// The backup file's tests: a product registry and a category manager in known states.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline constexpr wchar_t kProductKey[] = L"Software\\Tessaly\\Quillmere";

// The category colours, memberships and filter fields, comparable as text.
std::wstring DumpCategories();

// Fills the product key with string and number values of every kind the writer meets,
// nested sub-keys and an empty key; long texts, quotes and "=" included.
void FillProductTree();

// Device categories "Business", "Café", "Family", "Путешествия" with colours and
// memberships, and filters with edited fields.
void FillCategories();

// The sections of a backup text, each beginning with its empty line.
std::vector<std::wstring> SplitSections(const std::wstring& text);

class BackupTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};
