// Building the icon library over a tree of 500 bitmaps, and drawing the Calendar page's
// sample appointment line.
#include <windows.h>

#include <cstdio>
#include <string>

#include "settings/base/scale.h"
#include "settings/controls/memory_image.h"
#include "settings/files/drawing_cache.h"
#include "settings/files/icon_library.h"
#include "settings/files/sample_lines.h"
#include "settings/store/settings_store.h"
#include "tests/bench/bench.h"
#include "tests/support/test_files.h"

namespace {

const std::wstring kRoot = L"\\IconBench\\";

// A 16 x 16 24-bit bitmap file.
void WriteBitmap(const std::wstring& path) {
  static const std::string bytes = [] {
    std::string file(54 + 16 * 16 * 3, '\x40');
    const unsigned char header[54] = {'B', 'M', 54, 3, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 16, 0, 0, 0, 16,
                                      0,   0,   0, 1, 0, 24, 0};
    file.replace(0, 54, reinterpret_cast<const char*>(header), 54);
    return file;
  }();
  WriteBytes(path, bytes);
}

}  // namespace

QM_BENCH(IconLibraryBuild) {
  // 500 icons over 10 folders of 50, with mixed-case names so that the order matters.
  RemoveTree(kRoot);
  CreateDirectoryW(kRoot.c_str(), nullptr);
  for (int folder = 0; folder < 10; ++folder) {
    const std::wstring path = kRoot + L"set" + std::to_wstring(folder) + L"\\";
    CreateDirectoryW(path.c_str(), nullptr);
    for (int icon = 0; icon < 50; ++icon)
      WriteBitmap(path + (icon % 2 ? L"Icon" : L"icon") + std::to_wstring((icon * 37) % 50) + L".bmp");
  }
  const int rounds = 20;
  int count = 0;
  double start = BenchNow();
  for (int round = 0; round < rounds; ++round) {
    IconLibrary library;
    ScanIconFolder(library, kRoot.c_str());
    count = library.Count();
  }
  const double scan = (BenchNow() - start) / rounds;
  IconLibrary library;
  ScanIconFolder(library, kRoot.c_str());
  start = BenchNow();
  for (int index = 0; index < library.Count(); ++index) library.Bitmap(index);
  const double load = BenchNow() - start;
  std::printf("icon library: %d icons scanned and ordered in %.2f ms; their bitmaps loaded in %.2f ms\n", count,
              scan * 1e3, load * 1e3);
  RemoveTree(kRoot);
}

QM_BENCH(SampleAppointmentLine) {
  ScaleSetForTest(false, 192, 192);
  HMODULE language = nullptr;
  Store().LoadAll(language);
  // The glyphs as the program loads them, from the installed resolution library.
  const std::wstring library = std::wstring(Store().InstallFolder()) + L"\\HighDpiRes.dll";
  HMODULE resolution = LoadLibraryW(library.c_str());
  LoadGlyphs(Drawing(), resolution, L"");
  int glyphs = 0;
  for (int glyph = 0; glyph < kGlyphCount; ++glyph) glyphs += Drawing().GlyphImage(static_cast<Glyph>(glyph)).Drawable();
  HDC screen = GetDC(nullptr);
  MemoryImage band;
  band.Create(screen, 480, ScaleX(42));
  ReleaseDC(nullptr, screen);
  PaintSampleAppointment(band.Dc(), 480, ScaleX(42));  // the fonts are made on first use
  const int rounds = 500;
  const double start = BenchNow();
  for (int round = 0; round < rounds; ++round) PaintSampleAppointment(band.Dc(), 480, ScaleX(42));
  const double each = (BenchNow() - start) / rounds;
  std::printf("sample appointment line at 192 dpi: %.3f ms per line (measure and draw), %d lines, %d glyphs loaded\n",
              each * 1e3, rounds, glyphs);
  FreeGlyphs(Drawing());
  if (resolution) FreeLibrary(resolution);
  if (language) FreeLibrary(language);
}
