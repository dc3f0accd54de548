// Glyphs by name from an icon-set folder, else from the resolution library (here the test's
// own resources: 2 x 2 images for note, reminder and task_checked); fonts by id.
#include <windows.h>

#include <gtest/gtest.h>

#include "settings/base/scale.h"
#include "settings/files/drawing_cache.h"
#include "settings/store/settings_store.h"
#include "tests/icon_sets/icon_test_files.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;

int Width(const PlanarImage& image) { return image.Drawable() ? image.Width() : 0; }

TEST(Glyphs, FilesBeforeResourcesPngBeforeTgaBitmapsOnlyForKeyedGlyphs) {
  RemoveTree(kTestRoot);
  StartImagingFactory();
  const HMODULE resources = GetModuleHandleW(nullptr);
  DrawingCache& cache = Drawing();
  WriteTestFile(L"set\\note.bmp", SolidBmp(5, 5, kBlue, kRed));
  WriteTestFile(L"set\\reminder.tga", SolidTga(4, 4, kBlue));
  WriteTestFile(L"set\\reminder.png", SolidPng(3, 3, kBlue));
  WriteTestFile(L"set\\private.tga", SolidTga(4, 4, kBlue));
  WriteTestFile(L"set\\task_checked_high.bmp", SolidBmp(6, 6, kBlue, kRed));

  LoadGlyphs(cache, resources, L"");
  for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
    const bool carried = glyph == kGlyphNote || glyph == kGlyphReminder || glyph == kGlyphTaskChecked;
    EXPECT_EQ(carried ? 2 : 0, Width(cache.GlyphImage(static_cast<Glyph>(glyph)))) << glyph;
  }
  const std::wstring folder = kTestRoot + L"set";
  LoadGlyphs(cache, resources, folder.c_str());
  EXPECT_EQ(3, Width(cache.GlyphImage(kGlyphReminder)));
  EXPECT_EQ(4, Width(cache.GlyphImage(kGlyphPrivate)));
  EXPECT_EQ(2, Width(cache.GlyphImage(kGlyphNote))) << "note never looks for bitmaps";
  const PlanarImage& checked = cache.GlyphImage(kGlyphTaskChecked);
  ASSERT_EQ(6, Width(checked));
  EXPECT_EQ(0, checked.Alpha()[0]) << "red is transparent";
  EXPECT_EQ(255, checked.Alpha()[1]);
  EXPECT_EQ(0, Width(cache.GlyphImage(kGlyphLink)));
  EXPECT_EQ(&cache.GlyphImage(kGlyphReminder), &IconCodeGlyph(1));
  EXPECT_EQ(&cache.GlyphImage(kGlyphHighImportance), &IconCodeGlyph(32, true));
  EXPECT_EQ(&cache.GlyphImage(kGlyphLowImportance), &IconCodeGlyph(32));
  EXPECT_FALSE(IconCodeGlyph(3).Drawable());

  WriteTestFile(L"set\\task_checked.bmp", SolidBmp(5, 5, kBlue, kRed));
  PlanarImage image;
  EXPECT_TRUE(LoadNamedImage(image, folder.c_str(), L"task_checked", resources, 190, kRed));
  EXPECT_EQ(5, Width(image)) << "the .bmp before the _high.bmp";
  EXPECT_FALSE(LoadNamedImage(image, folder.c_str(), L"missing", resources, 999, kRed));

  LoadGlyphs(cache, nullptr, L"");  // no library: the program itself is never searched
  EXPECT_FALSE(cache.GlyphImage(kGlyphNote).Drawable());
  FreeGlyphs(cache);
  StopImagingFactory();
  RemoveTree(kTestRoot);
}

LOGFONTW Described(HFONT font) {
  LOGFONTW description{};
  GetObjectW(font, sizeof description, &description);
  return description;
}

TEST(Glyphs, FontsByIdFollowTheSettings) {
  ResetProductRegistry();
  ScaleSetForTest(false, 120, 120);
  HMODULE language = nullptr;
  Store().LoadAll(language);
  Store().fonts.ForceClearType.value = 1;
  Store().fonts.FontGnrlSize.value = 17;
  DrawingCache cache;
  HFONT bold = cache.Font(2);
  EXPECT_EQ(bold, cache.Font(2)) << "made once, then kept";
  EXPECT_EQ(15, Described(bold).lfHeight);
  EXPECT_EQ(FW_BOLD, Described(bold).lfWeight);
  EXPECT_EQ(5, Described(bold).lfQuality);
  EXPECT_EQ(11, Described(cache.Font(1)).lfHeight) << "kept small below 136 dpi";
  EXPECT_EQ(1, Described(cache.Font(52)).lfStrikeOut);
  EXPECT_EQ(0, Described(cache.Font(500)).lfHeight) << "the system's default size";
  EXPECT_EQ(15, Described(cache.Font(4)).lfHeight) << "described, though it has no slot";
  EXPECT_EQ(Store().fonts.FontGeneral.font.lfHeight, Described(cache.Font(0)).lfHeight);
  EXPECT_EQ(1, Described(cache.Font(205)).lfStrikeOut);
  EXPECT_EQ(700, Described(cache.Font(113)).lfWeight) << "the day titles' record";
  cache.FreeFonts();
  EXPECT_FALSE(cache.HasFont(2));
  ScaleSetForTest(false, 96, 96);
  ResetProductRegistry();
}

}  // namespace
