// The installed resource libraries hold what the programs load from them: every string id,
// the icons and item glyphs in both image formats at both resolutions, the up-folder and
// format-arrow bitmaps and the program icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "settings/controls/gdi_guards.h"
#include "settings/controls/planar_image.h"

namespace {

constexpr wchar_t kEnglish[] = L"\\Program Files\\Tessaly\\Quillmere\\LangRes\\QMEngRc.dll";
constexpr wchar_t kTestLanguage[] = L"\\DeviceTools\\TestLang\\QMTestRc.dll";
constexpr wchar_t kLowDpi[] = L"\\Program Files\\Tessaly\\Quillmere\\LowDpiRes.dll";
constexpr wchar_t kHighDpi[] = L"\\Program Files\\Tessaly\\Quillmere\\HighDpiRes.dll";
constexpr wchar_t kSettings[] = L"\\Program Files\\Tessaly\\Quillmere\\QMSettings.exe";

struct StringGroup {
  const char* feature;
  std::vector<UINT> ids;
};

// Every string id the programs load from the language library, by feature.
const std::vector<StringGroup> kStringIds = {
    {"language name", {378}},
    {"main list", {617, 618, 619, 1259, 1432, 1260, 620, 621, 622, 624, 625, 626}},
    {"exit question", {613, 614}},
    {"plug-in tab captions", {1436, 1416, 1417, 1418, 1419, 1420}},
    {"page toolkit", {859, 856, 633, 634, 915, 1087}},
    {"General page tabs", {635, 1491, 1348, 642}},
    {"General page, taps and heights", {997, 115, 116, 998, 999, 1000, 1001, 1002, 1490, 1003, 1004}},
    {"General page, display", {988, 1005, 1007, 1032, 1248}},
    {"General page, D-pad", {1349, 1350, 1351, 1352, 1353, 1354, 1355, 1356, 1357, 1358, 842, 843, 844, 1251}},
    {"General page, other", {1008, 1009, 1029, 1033, 1028, 1252}},
    {"file dialogs", {1114, 1480, 1481, 1482, 1483, 1484, 1485}},
};

class Library {
 public:
  explicit Library(const wchar_t* path, DWORD flags = 0) : module_(LoadLibraryExW(path, nullptr, flags)) {}
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  ~Library() {
    if (module_) FreeLibrary(module_);
  }
  HMODULE get() const { return module_; }

 private:
  HMODULE module_;
};

std::wstring Text(HMODULE module, UINT id) {
  wchar_t buffer[1024];
  int length = LoadStringW(module, id, buffer, 1024);
  return std::wstring(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// The bytes of a resource, empty when it is missing.
std::vector<std::uint8_t> Bytes(HMODULE module, const wchar_t* name, const wchar_t* type) {
  HRSRC info = FindResourceW(module, name, type);
  HGLOBAL data = info ? LoadResource(module, info) : nullptr;
  const auto* bytes = data ? static_cast<const std::uint8_t*>(LockResource(data)) : nullptr;
  return bytes ? std::vector<std::uint8_t>(bytes, bytes + SizeofResource(module, info)) : std::vector<std::uint8_t>();
}

unsigned BigEndian32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return (unsigned{b[at]} << 24) | (unsigned{b[at + 1]} << 16) | (unsigned{b[at + 2]} << 8) | b[at + 3];
}

unsigned Little16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | (unsigned{b[at + 1]} << 8); }

// Walks a 32-bit TGA's pixel stream; true when it covers width x height pixels and ends
// exactly at the end of the data. The first pixel's alpha and the largest alpha come back.
bool WalkTga(const std::vector<std::uint8_t>& tga, unsigned width, unsigned height, int* firstAlpha, int* maxAlpha) {
  std::size_t at = 18 + tga[0];
  const std::size_t total = std::size_t{width} * height;
  std::size_t pixel = 0;
  auto take = [&](std::size_t count, bool repeated) {
    for (std::size_t i = 0; i < count; ++i, ++pixel) {
      int alpha = tga[at + (repeated ? 0 : i * 4) + 3];
      if (pixel == 0) *firstAlpha = alpha;
      *maxAlpha = std::max(*maxAlpha, alpha);
    }
    at += repeated ? 4 : count * 4;
  };
  while (pixel < total && at < tga.size()) {
    if (tga[2] == 2) {
      if (at + (total - pixel) * 4 > tga.size()) return false;
      take(total - pixel, false);
      break;
    }
    std::uint8_t head = tga[at++];
    std::size_t count = (head & 127u) + 1;
    if (pixel + count > total || at + ((head & 128u) ? 4 : count * 4) > tga.size()) return false;
    take(count, (head & 128u) != 0);
  }
  return pixel == total && at == tga.size();
}

TEST(LanguageLibraries, EnglishHasEveryStringTheProgramsUse) {
  Library english(kEnglish);
  ASSERT_NE(nullptr, english.get());
  for (const StringGroup& group : kStringIds) {
    for (UINT id : group.ids) EXPECT_FALSE(Text(english.get(), id).empty()) << group.feature << ": string " << id;
  }
}

TEST(LanguageLibraries, EachNamesItsLanguageAndTheTestOneIsPartial) {
  Library english(kEnglish);
  Library test(kTestLanguage);
  ASSERT_NE(nullptr, english.get());
  ASSERT_NE(nullptr, test.get());
  EXPECT_EQ(L"English", Text(english.get(), 378));
  EXPECT_EQ(L"Test Language", Text(test.get(), 378));
  EXPECT_EQ(L"General", Text(english.get(), 617));
  EXPECT_EQ(L"Test General", Text(test.get(), 617));
  EXPECT_EQ(L"Test T\u00e2ches", Text(test.get(), 619));  // the source's UTF-8 survives
  EXPECT_EQ(L"", Text(test.get(), 1480));
}

class ResolutionLibrary : public ::testing::TestWithParam<int> {};

TEST_P(ResolutionLibrary, HoldsEveryIconAsPngAndTargaAndTheUpFolderBitmap) {
  const int factor = GetParam();
  const unsigned side = 32u * factor;
  Library library(factor == 1 ? kLowDpi : kHighDpi);
  ASSERT_NE(nullptr, library.get());
  for (int id = 1649; id <= 1664; ++id) {
    SCOPED_TRACE("icon " + std::to_string(id));
    std::vector<std::uint8_t> png = Bytes(library.get(), MAKEINTRESOURCEW(id), L"PNG");
    ASSERT_GE(png.size(), 33u);
    EXPECT_EQ(0, std::memcmp(png.data(), "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16));
    EXPECT_EQ(side, BigEndian32(png, 16));
    EXPECT_EQ(side, BigEndian32(png, 20));
    EXPECT_EQ(6, png[25]);  // RGBA

    std::vector<std::uint8_t> tga = Bytes(library.get(), MAKEINTRESOURCEW(id), L"TARGA");
    ASSERT_GE(tga.size(), 18u);
    EXPECT_EQ(0, tga[1]);
    EXPECT_TRUE(tga[2] == 2 || tga[2] == 10);
    EXPECT_EQ(side, Little16(tga, 12));
    EXPECT_EQ(side, Little16(tga, 14));
    EXPECT_EQ(32, tga[16]);
    int firstAlpha = -1, maxAlpha = -1;
    EXPECT_TRUE(WalkTga(tga, side, side, &firstAlpha, &maxAlpha));
    EXPECT_EQ(0, firstAlpha);  // corners are see-through, the picture solid
    EXPECT_EQ(255, maxAlpha);
  }

  std::vector<std::uint8_t> bitmap = Bytes(library.get(), MAKEINTRESOURCEW(171), RT_BITMAP);
  ASSERT_GE(bitmap.size(), sizeof(BITMAPINFOHEADER));
  BITMAPINFOHEADER header;
  std::memcpy(&header, bitmap.data(), sizeof header);
  EXPECT_EQ(20 * factor, header.biWidth);
  EXPECT_EQ(20 * factor, header.biHeight);
  EXPECT_EQ(24, header.biBitCount);
  ASSERT_GE(bitmap.size(), header.biSize + 3);
  const std::uint8_t* corner = bitmap.data() + header.biSize;  // bottom left, blue green red
  EXPECT_EQ(0, corner[0]);
  EXPECT_EQ(255, corner[1]);
  EXPECT_EQ(0, corner[2]);
}

// The item glyphs by resource id with their side in 96-dpi pixels (the counters are larger).
constexpr struct {
  int id;
  int side;
} kGlyphs[] = {{290, 12}, {291, 12}, {287, 12}, {292, 12}, {293, 12}, {289, 12}, {286, 12}, {294, 12},
               {288, 12}, {296, 12}, {295, 12}, {297, 14}, {298, 14}, {299, 14}, {319, 14}, {339, 14},
               {190, 12}, {189, 12}, {282, 12}, {283, 12}, {321, 12}, {323, 12}};

// Whether the image has see-through and solid pixels in columns [from, to).
bool SeeThroughAndSolid(const PlanarImage& image, int from, int to) {
  bool clear = false, solid = false;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = from; x < to; ++x) {
      clear |= image.Alpha()[y * image.Width() + x] == 0;
      solid |= image.Alpha()[y * image.Width() + x] == 255;
    }
  }
  return clear && solid;
}

// Each glyph loads through the program's own loader, as PNG while the imaging factory runs
// and as TARGA without it, and both give the same shape.
TEST_P(ResolutionLibrary, HoldsTheItemGlyphsAsPngAndTargaAndTheFormatArrows) {
  const int factor = GetParam();
  Library library(factor == 1 ? kLowDpi : kHighDpi);
  ASSERT_NE(nullptr, library.get());
  std::vector<std::vector<std::uint8_t>> pngAlpha;
  for (bool png : {true, false}) {
    if (png) StartImagingFactory();
    ASSERT_EQ(png, ImagingFactoryRunning());
    for (std::size_t i = 0; i < std::size(kGlyphs); ++i) {
      const int id = kGlyphs[i].id, side = kGlyphs[i].side * factor;
      SCOPED_TRACE(std::string(png ? "PNG " : "TARGA ") + std::to_string(id));
      EXPECT_NE(nullptr, FindResourceW(library.get(), MAKEINTRESOURCEW(id), png ? L"PNG" : L"TARGA"));
      PlanarImage image;
      ASSERT_EQ(S_OK, LoadImageFromResource(image, library.get(), MAKEINTRESOURCEW(id)));
      ASSERT_EQ(side, image.Width());
      ASSERT_EQ(side, image.Height());
      EXPECT_TRUE(SeeThroughAndSolid(image, 0, side));
      std::vector<std::uint8_t> alpha(image.Alpha(), image.Alpha() + side * side);
      if (png)
        pngAlpha.push_back(alpha);
      else
        EXPECT_EQ(pngAlpha[i], alpha);
    }
    if (png) StopImagingFactory();
  }

  // Red is the arrows' transparent colour; each half holds one arrow.
  ScopedBitmap arrows(static_cast<HBITMAP>(
      LoadImageW(library.get(), MAKEINTRESOURCEW(213), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  ASSERT_TRUE(arrows);
  BITMAP info{};
  ASSERT_NE(0, GetObjectW(arrows.Get(), sizeof info, &info));
  EXPECT_EQ(20 * factor, info.bmWidth);
  EXPECT_EQ(12 * factor, info.bmHeight);
  EXPECT_EQ(24, info.bmBitsPixel);
  PlanarImage image;
  ASSERT_EQ(S_OK, LoadImageFromBitmap(image, arrows.Get(), RGB(255, 0, 0)));
  EXPECT_TRUE(SeeThroughAndSolid(image, 0, 10 * factor));
  EXPECT_TRUE(SeeThroughAndSolid(image, 10 * factor, 20 * factor));
  EXPECT_TRUE(ScopedBitmap(LoadBitmapW(library.get(), MAKEINTRESOURCEW(213))));
}

INSTANTIATE_TEST_SUITE_P(LowAndHigh, ResolutionLibrary, ::testing::Values(1, 2),
                         [](const auto& instance) { return instance.param == 1 ? "Low" : "High"; });

TEST(ProgramIcon, SettingsProgramCarriesIcon1557InFourSizes) {
  Library program(kSettings, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(nullptr, program.get());
  std::vector<std::uint8_t> group = Bytes(program.get(), MAKEINTRESOURCEW(1557), RT_GROUP_ICON);
  ASSERT_GE(group.size(), 6u);
  const unsigned count = Little16(group, 4);
  ASSERT_EQ(4u, count);
  ASSERT_GE(group.size(), 6u + 14u * count);
  std::vector<int> sizes;
  for (unsigned i = 0; i < count; ++i) sizes.push_back(group[6 + 14 * i] == 0 ? 256 : group[6 + 14 * i]);
  EXPECT_EQ((std::vector<int>{16, 32, 48, 64}), sizes);

  HICON icon = static_cast<HICON>(LoadImageW(program.get(), MAKEINTRESOURCEW(1557), IMAGE_ICON, 32, 32, 0));
  EXPECT_NE(nullptr, icon);
  if (icon) DestroyIcon(icon);
}

}  // namespace
