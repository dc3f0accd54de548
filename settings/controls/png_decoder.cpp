#include "settings/controls/png_decoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/com_ptr.h"

namespace {

// Keeps a LockBits paired with its UnlockBits.
class LockedBits {
 public:
  LockedBits(IBitmapImage& bitmap, const RECT& rect) : bitmap_(bitmap) {
    locked_ = SUCCEEDED(bitmap.LockBits(&rect, ImageLockModeRead, PixelFormat32bppARGB, &data_));
  }
  LockedBits(const LockedBits&) = delete;
  LockedBits& operator=(const LockedBits&) = delete;
  ~LockedBits() {
    if (locked_) bitmap_.UnlockBits(&data_);
  }
  bool Locked() const { return locked_; }
  const BitmapData& Data() const { return data_; }

 private:
  IBitmapImage& bitmap_;
  BitmapData data_{};
  bool locked_ = false;
};

// Rows are taken by the locked stride: a platform may pad them, and a negative stride
// means the rows run upwards from Scan0.
bool CopyPixels(const BitmapData& data, PlanarImage& image) {
  const int width = image.Width();
  const int height = image.Height();
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
  if (!data.Scan0 || data.Width < static_cast<UINT>(width) || data.Height < static_cast<UINT>(height) ||
      static_cast<std::size_t>(std::abs(static_cast<long long>(data.Stride))) < rowBytes)
    return false;
  const auto* scan0 = static_cast<const std::uint8_t*>(data.Scan0);
  std::size_t at = 0;
  for (int row = 0; row < height; ++row) {
    const std::uint8_t* pixel = scan0 + static_cast<std::ptrdiff_t>(row) * data.Stride;
    for (int column = 0; column < width; ++column, ++at, pixel += 4) {
      image.Blue()[at] = pixel[0];
      image.Green()[at] = pixel[1];
      image.Red()[at] = pixel[2];
      image.Alpha()[at] = pixel[3];
    }
  }
  return true;
}

HRESULT DecodeImage(IImagingFactory& factory, IImage& source, PlanarImage& image) {
  ImageInfo info{};
  if (FAILED(source.GetImageInfo(&info))) return E_FAIL;
  if (info.Width == 0 || info.Height == 0 || info.Width > 0x7FFFFFFF || info.Height > 0x7FFFFFFF) return E_FAIL;
  const int width = static_cast<int>(info.Width);
  const int height = static_cast<int>(info.Height);

  ComPtr<IBitmapImage> bitmap;
  if (FAILED(factory.CreateBitmapFromImage(&source, 0, 0, PixelFormat32bppARGB, InterpolationHintDefault,
                                           bitmap.Put())) ||
      !bitmap)
    return E_FAIL;

  const RECT whole = {0, 0, width, height};
  LockedBits locked(*bitmap.Get(), whole);
  if (!locked.Locked()) return E_FAIL;
  if (!image.Allocate(width, height)) return E_FAIL;
  if (!CopyPixels(locked.Data(), image)) {
    image.Free();
    return E_FAIL;
  }
  return S_OK;
}

}  // namespace

HRESULT DecodePngFile(IImagingFactory& factory, PlanarImage& image, const wchar_t* path) {
  image.Free();
  ComPtr<IImage> source;
  if (FAILED(factory.CreateImageFromFile(path, source.Put())) || !source) return E_FAIL;
  return DecodeImage(factory, *source.Get(), image);
}

HRESULT DecodePngBuffer(IImagingFactory& factory, PlanarImage& image, const void* bytes, UINT size) {
  image.Free();
  ComPtr<IImage> source;
  if (FAILED(factory.CreateImageFromBuffer(bytes, size, BufferDisposalFlagNone, source.Put())) || !source)
    return E_FAIL;
  return DecodeImage(factory, *source.Get(), image);
}
