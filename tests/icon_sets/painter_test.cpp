// The item painter on a memory band: time columns, the two sample lines, shadows, folding,
// the leading rectangle, and which items a tab shows.
#include <windows.h>

#include <gtest/gtest.h>

#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/controls/memory_image.h"
#include "settings/files/category_manager.h"
#include "settings/files/drawing_cache.h"
#include "settings/files/preview_painter.h"
#include "settings/files/sample_lines.h"
#include "settings/store/settings_store.h"
#include "tests/icon_sets/icon_test_files.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF, kRed = 0x0000FF;
constexpr COLORREF kMagenta = 0xFF00FF;  // every glyph but the check boxes
constexpr COLORREF kCyan = 0xFFFF00;     // the check boxes

class PainterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    ScaleSetForTest(false, 96, 96);
    HMODULE language = nullptr;
    Store().LoadAll(language);
    for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
      const bool box = glyph == kGlyphTaskChecked || glyph == kGlyphTaskNotChecked;
      WriteTestFile(std::wstring(L"glyphs\\") + GlyphSourceOf(static_cast<Glyph>(glyph)).name + L".tga",
                    SolidTga(10, 10, box ? kCyan : kMagenta));
    }
    LoadGlyphs(Drawing(), nullptr, (kTestRoot + L"glyphs").c_str());
    Modules().languageLibrary = GetModuleHandleW(nullptr);
    HDC screen = GetDC(nullptr);
    band_.Create(screen, 240, 42);
    ReleaseDC(nullptr, screen);
    Clear();
  }
  void TearDown() override {
    FreeGlyphs(Drawing());
    Modules().languageLibrary = nullptr;
    RemoveTree(kTestRoot);
    ResetProductRegistry();
  }
  HDC Dc() const { return band_.Dc(); }
  void Clear() {
    const RECT all{0, 0, 240, 42};
    FillRect(Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  // The leftmost column from `fromX` holding a pixel of the colour (or, for -1, any text ink).
  int FirstX(COLORREF colour, int fromX = 0) const {
    for (int x = fromX; x < 240; ++x)
      for (int y = 0; y < 42; ++y) {
        const COLORREF pixel = GetPixel(Dc(), x, y);
        if (colour == CLR_INVALID ? pixel != kWhite && pixel != kMagenta && pixel != kCyan : pixel == colour) return x;
      }
    return -1;
  }

  MemoryImage band_;
};

TEST_F(PainterTest, TimeColumnWidthsByDisplayFormat) {
  PainterSettings settings;
  auto width = [&](DWORD format) {
    settings.displayFormat = format;
    AppointmentItem item;
    return TimeColumnWidth(item, settings, Dc());
  };
  EXPECT_EQ(ScaleX(2), width(7));
  const int full = width(1);
  EXPECT_GT(full, width(2));
  settings.leadingRects = 0;
  settings.apptLeftIcon1 = 1;
  settings.taskLeftIcon1 = settings.taskLeftIcon2 = 2;
  settings.indentItems = 1;
  EXPECT_EQ(full - ScaleX(12) + 2 * ScaleX(13) + ScaleX(8), width(5)) << "the larger icon pair and the indent";
}

TEST_F(PainterTest, SampleLinesShowTextIconsAndTheLeadingRectangle) {
  PaintSampleAppointment(Dc(), 240, 42);
  EXPECT_EQ(0u, GetPixel(Dc(), 5, 21)) << "the leading rectangle at ScaleX(5)";
  EXPECT_EQ(kWhite, GetPixel(Dc(), 7, 21));
  AppointmentItem probe;
  const int title = ScaleX(1) + TimeColumnWidth(probe, PainterSettingsFromStore(), Dc());
  EXPECT_LT(FirstX(CLR_INVALID, 13), title) << "the time in its column";
  EXPECT_GE(FirstX(CLR_INVALID, title), title) << "then the subject";
  EXPECT_GT(FirstX(kMagenta), title) << "then the right icons";
  Store().calendar.ClrApptRightIcons.value = 0;
  Store().calendar.LeadingRects.value = 0;
  Clear();
  PaintSampleAppointment(Dc(), 240, 42);
  EXPECT_EQ(-1, FirstX(kMagenta));
  EXPECT_EQ(kWhite, GetPixel(Dc(), 5, 21));

  Clear();
  PaintSampleTask(Dc(), 240, 42, 0, 0, 0);
  const int box = FirstX(kCyan);
  EXPECT_GE(box, 0);
  EXPECT_EQ(-1, FirstX(kMagenta));
  EXPECT_GT(FirstX(CLR_INVALID), box) << "the title after the check box";
  Clear();
  PaintSampleTask(Dc(), 240, 42, 1, 0, 383);
  EXPECT_LT(FirstX(kMagenta), FirstX(kCyan)) << "a left icon before the check box";
  EXPECT_GT(FirstX(kMagenta, FirstX(kCyan) + 10), 0) << "right icons after the title";
}

TEST_F(PainterTest, ShadowsFoldingSecondTextsAndConflicts) {
  PainterSettings settings;
  settings.useShadow = 2;
  settings.shadowColour = kRed;
  HFONT font = Drawing().Font(50);
  SelectObject(Dc(), font);
  SetBkMode(Dc(), TRANSPARENT);
  RECT measured{};
  DrawLineText(Dc(), L"Shadow", RECT{0, 0, 240, 42}, DT_SINGLELINE, settings, true, false, &measured);
  EXPECT_EQ(-1, FirstX(kRed)) << "none on the selected line";
  DrawLineText(Dc(), L"Shadow", RECT{0, 0, 240, 42}, DT_SINGLELINE, settings, false, false, &measured);
  EXPECT_GE(FirstX(kRed), 0);
  DrawLineText(Dc(), L"A subject too long for the space", RECT{0, 0, 60, 42}, DT_SINGLELINE, settings, false, true,
               &measured);
  EXPECT_EQ(60, measured.right) << "cut at the right edge";
  RECT plain{}, ampersand{};
  DrawLineText(Dc(), L"AB", RECT{0, 0, 240, 42}, DT_SINGLELINE, settings, false, true, &plain);
  DrawLineText(Dc(), L"A&B", RECT{0, 0, 240, 42}, DT_SINGLELINE, settings, false, true, &ampersand);
  EXPECT_GT(ampersand.right, plain.right) << "an ampersand is shown";

  TEXTMETRICW metrics;
  GetTextMetricsW(Dc(), &metrics);
  const int line = metrics.tmHeight;
  settings.useShadow = 0;
  AppointmentItem item;
  item.title.Assign(L"A subject long enough to need three lines or more on a band this narrow, surely");
  item.location.Assign(L"(Cafe)");
  item.hasReminder = true;
  auto paint = [&](DWORD folding, DWORD format, bool measureOnly) {
    settings.foldingType = folding;
    settings.displayFormat = format;
    item.timeColumnWidth = -1;
    return PaintAppointmentLine(item, LinePaint{Dc(), RECT{0, 0, 240, 400}, font, 0, false, measureOnly}, settings);
  };
  EXPECT_EQ(line + ScaleY(1), paint(1, 6, true));
  EXPECT_NE(kUnplacedRect.left, item.reminderRect.left) << "the reminder's tap area";
  EXPECT_EQ(kUnplacedRect.left, item.linkRect.left);
  EXPECT_GT(paint(0, 6, true), 3 * line) << "wrapped, and the second text below";
  EXPECT_EQ(2 * line + ScaleY(1), paint(2, 11, true)) << "one line, then the second text above format 10";
  item.conflicting = true;
  paint(1, 6, false);
  EXPECT_EQ(kRed, GetPixel(Dc(), 7, line / 2));
  settings.conflicting = 0;
  paint(1, 6, false);
  EXPECT_EQ(kWhite, GetPixel(Dc(), 7, line / 2));
}

TEST(Visibility, SelectionsAndHidingSettings) {
  Category business, family;
  business.name.Assign(L"business");
  family.name.Assign(L"Family");
  business.filterBits = 1u << 2;
  CategoryFilter filter;
  filter.index = 3;
  AppointmentItem item;
  for (const Category* category : {&family, &business, &business}) item.AddCategory(category);
  ASSERT_EQ(2, item.CategoryCount());
  EXPECT_EQ(&business, item.categories[0]) << "by name, ignoring case";
  EXPECT_TRUE(ShowsAppointment(item, &filter, false));
  filter.sensitivity = 1;
  item.sensitivity = 2;
  EXPECT_FALSE(ShowsAppointment(item, &filter, false)) << "the filter hides private items";
  item.passed = true;
  Categories().calendarSelection = &family;
  Store().calendar.dAppoPassedToday.value = 1;
  EXPECT_FALSE(ShowsAppointment(item)) << "passed ones hidden";
  Store().calendar.dAppoPassedToday.value = 0;
  EXPECT_TRUE(ShowsAppointment(item));
  Categories().calendarSelection = nullptr;
  TaskItem task;
  task.completed = true;
  EXPECT_TRUE(ShowsTask(task, nullptr, false));
  EXPECT_FALSE(ShowsTask(task, nullptr, true));
}

}  // namespace
