// The emulated device's imaging library as the product meets it: the factory that
// StartImagingFactory creates.
#include <gtest/gtest.h>

#include "platform/imaging.h"
#include "platform/com_ptr.h"
#include "settings/controls/imaging_factory.h"
#include "settings/controls/planar_image.h"
#include "tests/images/test_images.h"

namespace {

class ImagingServer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { StartImagingFactory(); }
  static void TearDownTestSuite() { StopImagingFactory(); }

  void SetUp() override {
    factory_ = CurrentImagingFactory();
    ASSERT_NE(nullptr, factory_);
  }

  ComPtr<IImage> ImageOf(const wchar_t* resource) {
    const auto bytes = TestResource(resource, L"PNG");
    ComPtr<IImage> image;
    EXPECT_EQ(S_OK, factory_->CreateImageFromBuffer(bytes.data(), static_cast<UINT>(bytes.size()),
                                                    BufferDisposalFlagNone, image.Put()));
    return image;
  }

  IImagingFactory* factory_ = nullptr;
};

TEST_F(ImagingServer, ImageInfoGivesTheSizeAndFormat) {
  ComPtr<IImage> image = ImageOf(L"WIDE");
  ASSERT_TRUE(image);
  ImageInfo info{};
  ASSERT_EQ(S_OK, image->GetImageInfo(&info));
  EXPECT_EQ(37u, info.Width);
  EXPECT_EQ(4u, info.Height);
  EXPECT_EQ(PixelFormat32bppARGB, info.PixelFormat);
  // ImageFormatPNG of the CE imaging library.
  const GUID png = {0xb96b3caf, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
  EXPECT_TRUE(IsEqualGUID(png, info.RawDataFormat));
}

TEST_F(ImagingServer, LockedRowsArePaddedTo16Bytes) {
  ComPtr<IImage> image = ImageOf(L"ODD");
  ASSERT_TRUE(image);
  ComPtr<IBitmapImage> bitmap;
  ASSERT_EQ(S_OK, factory_->CreateBitmapFromImage(image.Get(), 0, 0, PixelFormat32bppARGB,
                                                  InterpolationHintDefault, bitmap.Put()));
  const RECT whole = {0, 0, 5, 3};
  BitmapData data{};
  ASSERT_EQ(S_OK, bitmap->LockBits(&whole, ImageLockModeRead, PixelFormat32bppARGB, &data));
  EXPECT_EQ(32, data.Stride);
  EXPECT_EQ(5u, data.Width);
  const auto* row2 = static_cast<const std::uint8_t*>(data.Scan0) + 2 * data.Stride;
  const Rgba expected = PngPixel(4, 2);
  EXPECT_EQ(expected, (Rgba{row2[4 * 4 + 2], row2[4 * 4 + 1], row2[4 * 4], row2[4 * 4 + 3]}));

  // One lock at a time.
  BitmapData second{};
  EXPECT_NE(S_OK, bitmap->LockBits(&whole, ImageLockModeRead, PixelFormat32bppARGB, &second));
  EXPECT_EQ(S_OK, bitmap->UnlockBits(&data));

  const RECT part = {1, 1, 3, 3};
  ASSERT_EQ(S_OK, bitmap->LockBits(&part, ImageLockModeRead, PixelFormat32bppARGB, &data));
  const auto* first = static_cast<const std::uint8_t*>(data.Scan0);
  EXPECT_EQ(PngPixel(1, 1).red, first[2]);
  EXPECT_EQ(S_OK, bitmap->UnlockBits(&data));

  const RECT outside = {0, 0, 6, 3};
  EXPECT_EQ(E_INVALIDARG, bitmap->LockBits(&outside, ImageLockModeRead, PixelFormat32bppARGB, &data));
}

TEST_F(ImagingServer, BitmapsCanBeScaled) {
  ComPtr<IImage> image = ImageOf(L"WIDE");
  ASSERT_TRUE(image);
  ComPtr<IBitmapImage> bitmap;
  ASSERT_EQ(S_OK, factory_->CreateBitmapFromImage(image.Get(), 74, 8, PixelFormat32bppARGB,
                                                  InterpolationHintNearestNeighbor, bitmap.Put()));
  SIZE size{};
  ASSERT_EQ(S_OK, bitmap->GetSize(&size));
  EXPECT_EQ(74, size.cx);
  EXPECT_EQ(8, size.cy);
}

TEST_F(ImagingServer, UndecodableBytesFail) {
  const auto bytes = TestResource(L"NOTPNG", L"PNG");
  ComPtr<IImage> image;
  EXPECT_TRUE(FAILED(factory_->CreateImageFromBuffer(bytes.data(), static_cast<UINT>(bytes.size()),
                                                     BufferDisposalFlagNone, image.Put())));
  EXPECT_FALSE(image);
}

TEST_F(ImagingServer, ForeignImagesAndOtherFormatsAreNotImplemented) {
  ComPtr<IImage> image = ImageOf(L"ODD");
  ASSERT_TRUE(image);
  ComPtr<IBitmapImage> bitmap;
  EXPECT_EQ(E_NOTIMPL, factory_->CreateBitmapFromImage(image.Get(), 0, 0, 0x00021808, InterpolationHintDefault,
                                                       bitmap.Put()));
  EXPECT_EQ(E_NOTIMPL, factory_->CreateImageEncoderToFile(nullptr, L"x.png", nullptr));
}

}  // namespace
