#include <gtest/gtest.h>

#include <string>

#include "settings/controls/planar_image.h"
#include "tests/images/test_images.h"

namespace {

constexpr wchar_t kFactoryKey[] = L"Software\\Classes\\CLSID\\{327ABDA8-072B-11D3-9D7B-0000F81EF32E}";
constexpr wchar_t kServerPath[] = L"C:\\windows\\system32\\CeImaging.dll";

HMODULE Self() { return GetModuleHandleW(nullptr); }

void ExpectPngPixels(const PlanarImage& image, int width, int height) {
  ASSERT_EQ(width, image.Width());
  ASSERT_EQ(height, image.Height());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) ASSERT_EQ(PngPixel(x, y), ImagePixel(image, x, y)) << x << "," << y;
}

void ExpectTgaPixels(const PlanarImage& image) {
  ASSERT_EQ(3, image.Width());
  ASSERT_EQ(2, image.Height());
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) ASSERT_EQ(TgaPixel(x, y), ImagePixel(image, x, y)) << x << "," << y;
}

// A loaded image to show that a failing load empties it.
PlanarImage Filled() {
  PlanarImage image;
  MakeSolidImage(image, 3, 3, RGB(9, 9, 9), 255);
  return image;
}

bool Empty(const PlanarImage& image) { return !image.Drawable() && image.Width() == 0 && image.Height() == 0; }

// The device's own registration of the imaging library, as its install step does it.
bool RegisterImagingServer() {
  HMODULE server = LoadLibraryW(kServerPath);
  if (!server) return false;
  using Register = HRESULT(STDAPICALLTYPE*)();
  auto reg = reinterpret_cast<Register>(reinterpret_cast<void*>(GetProcAddress(server, "DllRegisterServer")));
  const bool registered = reg && SUCCEEDED(reg());
  FreeLibrary(server);
  return registered;
}

class ImageLoading : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { StartImagingFactory(); }
  static void TearDownTestSuite() { StopImagingFactory(); }
};

TEST_F(ImageLoading, FactoryRunsOnTheDevice) { EXPECT_TRUE(ImagingFactoryRunning()); }

TEST_F(ImageLoading, PngFileLoadsWhateverTheExtensionsLetterCase) {
  for (const wchar_t* name : {L"qm_odd.png", L"qm_odd.PNG", L"qm_odd.pNg"}) {
    const std::wstring path = WriteTempFile(name, TestResource(L"ODD", L"PNG"));
    PlanarImage image = Filled();
    ASSERT_EQ(S_OK, LoadImageFromFile(image, path.c_str())) << path.c_str();
    ExpectPngPixels(image, 5, 3);
    DeleteFileW(path.c_str());
  }
}

TEST_F(ImageLoading, OnlyPngAndTgaExtensionsOfFiveOrMoreCharactersLoad) {
  const std::wstring bmp = WriteTempFile(L"qm_odd.bmp", TestResource(L"ODD", L"PNG"));
  const std::wstring noExtension = WriteTempFile(L"qm_odd", TestResource(L"ODD", L"PNG"));
  for (const wchar_t* path : {bmp.c_str(), noExtension.c_str(), L".png", L".tga", L"a.pn", L"", L"x.gif"}) {
    PlanarImage image = Filled();
    EXPECT_EQ(E_FAIL, LoadImageFromFile(image, path)) << path;
    EXPECT_TRUE(Empty(image)) << path;
  }
  PlanarImage image = Filled();
  EXPECT_EQ(E_FAIL, LoadImageFromFile(image, nullptr));
  DeleteFileW(bmp.c_str());
  DeleteFileW(noExtension.c_str());
}

TEST_F(ImageLoading, PngFileThatIsNoPngFails) {
  const std::wstring path = WriteTempFile(L"qm_broken.png", TestResource(L"NOTPNG", L"PNG"));
  PlanarImage image = Filled();
  EXPECT_EQ(E_FAIL, LoadImageFromFile(image, path.c_str()));
  EXPECT_TRUE(Empty(image));
  EXPECT_EQ(E_FAIL, LoadImageFromFile(image, L"C:\\no such folder\\missing.png"));
  DeleteFileW(path.c_str());
}

TEST_F(ImageLoading, PngResourcesWithPaddedRowsKeepEveryPixel) {
  // 5 and 37 pixels are 20 and 148 bytes a row: the imaging library pads both rows.
  PlanarImage image = Filled();
  ASSERT_EQ(S_OK, LoadImageFromResource(image, Self(), L"ODD"));
  ExpectPngPixels(image, 5, 3);
  ASSERT_EQ(S_OK, LoadImageFromResource(image, Self(), L"WIDE"));
  ExpectPngPixels(image, 37, 4);
}

TEST_F(ImageLoading, PngResourceIsPreferredToTarga) {
  PlanarImage image;
  ASSERT_EQ(S_OK, LoadImageFromResource(image, Self(), L"FALLBACK"));
  ExpectPngPixels(image, 5, 3);
}

TEST_F(ImageLoading, TargaResourcesLoadByNameOrNumber) {
  PlanarImage image = Filled();
  ASSERT_EQ(S_OK, LoadImageFromResource(image, Self(), MAKEINTRESOURCEW(101)));
  ExpectTgaPixels(image);
}

TEST_F(ImageLoading, ShortMissingAndBrokenResourcesFail) {
  for (const wchar_t* name : {L"TRUNCATED", L"HEADERONLY", L"NOTPNG", L"NOSUCHIMAGE"}) {
    PlanarImage image = Filled();
    EXPECT_EQ(E_FAIL, LoadImageFromResource(image, Self(), name)) << name;
    EXPECT_TRUE(Empty(image)) << name;
  }
}

TEST_F(ImageLoading, WithoutARegisteredFactoryResourcesFallBackToTarga) {
  const std::wstring png = WriteTempFile(L"qm_fallback.png", TestResource(L"ODD", L"PNG"));
  StopImagingFactory();
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteTreeW(HKEY_LOCAL_MACHINE, kFactoryKey));
  StartImagingFactory();
  const bool runningUnregistered = ImagingFactoryRunning();
  PlanarImage fromResource, fromFile = Filled();
  const HRESULT resourceResult = LoadImageFromResource(fromResource, Self(), L"FALLBACK");
  const HRESULT fileResult = LoadImageFromFile(fromFile, png.c_str());

  StopImagingFactory();
  const bool registered = RegisterImagingServer();
  StartImagingFactory();
  DeleteFileW(png.c_str());
  ASSERT_TRUE(registered);
  ASSERT_TRUE(ImagingFactoryRunning());

  EXPECT_FALSE(runningUnregistered);
  ASSERT_EQ(S_OK, resourceResult);
  ExpectTgaPixels(fromResource);
  EXPECT_EQ(E_FAIL, fileResult);
  EXPECT_TRUE(Empty(fromFile));
}

TEST(ImageFromBitmap, KeyColourBecomesTransparent) {
  Canvas canvas(3, 2);
  const COLORREF key = RGB(255, 0, 255);
  const COLORREF colours[2][3] = {{key, RGB(1, 2, 3), RGB(255, 255, 255)}, {RGB(254, 0, 255), key, RGB(0, 0, 0)}};
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(canvas.Dc(), 3, 2);
  HGDIOBJ old = SelectObject(dc, bitmap);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) SetPixel(dc, x, y, colours[y][x]);

  // A bitmap still selected into a device context cannot be read.
  PlanarImage image = Filled();
  EXPECT_EQ(E_FAIL, LoadImageFromBitmap(image, bitmap, key));
  EXPECT_TRUE(Empty(image));

  SelectObject(dc, old);
  DeleteDC(dc);
  ASSERT_EQ(S_OK, LoadImageFromBitmap(image, bitmap, key));
  DeleteObject(bitmap);
  ASSERT_EQ(3, image.Width());
  ASSERT_EQ(2, image.Height());
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      const COLORREF c = colours[y][x];
      EXPECT_EQ((Rgba{GetRValue(c), GetGValue(c), GetBValue(c), c == key ? 0 : 255}), ImagePixel(image, x, y))
          << x << "," << y;
    }
  EXPECT_EQ(E_FAIL, LoadImageFromBitmap(image, nullptr, key));
}

}  // namespace
