#include "platform/imaging_server/ce_bitmap_image.h"

#include <cstring>
#include <new>
#include <utility>

namespace {

// Rows are padded to 16 bytes, as a device's imaging library may do for aligned copies.
// Callers must therefore walk rows by the locked stride, never by four times the width;
// narrow images here make any caller that ignores the stride show it at once.
constexpr UINT kRowAlignment = 16;
constexpr std::size_t kMaxBytes = std::size_t{1} << 31;

}  // namespace

CeBitmapImage* CeBitmapImage::Create(UINT width, UINT height) {
  if (width == 0 || height == 0 || width > kMaxBytes / 4) return nullptr;
  const std::size_t stride = (std::size_t{width} * 4 + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
  if (stride > kMaxBytes / height) return nullptr;
  std::unique_ptr<std::uint8_t[]> pixels(new (std::nothrow) std::uint8_t[stride * height]);
  if (!pixels) return nullptr;
  std::memset(pixels.get(), 0, stride * height);
  return new (std::nothrow) CeBitmapImage(width, height, static_cast<UINT>(stride), std::move(pixels));
}

CeBitmapImage::CeBitmapImage(UINT width, UINT height, UINT stride, std::unique_ptr<std::uint8_t[]> pixels)
    : width_(width), height_(height), stride_(stride), pixels_(std::move(pixels)) {}

HRESULT CeBitmapImage::GetSize(SIZE* size) {
  if (!size) return E_POINTER;
  size->cx = static_cast<LONG>(width_);
  size->cy = static_cast<LONG>(height_);
  return S_OK;
}

HRESULT CeBitmapImage::GetPixelFormatID(PixelFormatID* pixelFormat) {
  if (!pixelFormat) return E_POINTER;
  *pixelFormat = PixelFormat32bppARGB;
  return S_OK;
}

HRESULT CeBitmapImage::LockBits(const RECT* rect, UINT flags, PixelFormatID pixelFormat, BitmapData* data) {
  if (!data) return E_POINTER;
  if (pixelFormat != PixelFormat32bppARGB || (flags & ImageLockModeUserInputBuf)) return E_NOTIMPL;
  RECT area = {0, 0, static_cast<LONG>(width_), static_cast<LONG>(height_)};
  if (rect) {
    if (rect->left < 0 || rect->top < 0 || rect->left >= rect->right || rect->top >= rect->bottom ||
        static_cast<UINT>(rect->right) > width_ || static_cast<UINT>(rect->bottom) > height_)
      return E_INVALIDARG;
    area = *rect;
  }
  if (locked_.exchange(true)) return E_FAIL;
  data->Width = static_cast<UINT>(area.right - area.left);
  data->Height = static_cast<UINT>(area.bottom - area.top);
  data->Stride = static_cast<INT>(stride_);
  data->PixelFormat = PixelFormat32bppARGB;
  data->Scan0 = pixels_.get() + static_cast<std::size_t>(area.top) * stride_ + static_cast<std::size_t>(area.left) * 4;
  data->Reserved = 0;
  return S_OK;
}

HRESULT CeBitmapImage::UnlockBits(const BitmapData* data) {
  if (!data) return E_POINTER;
  // The locked rows are the bitmap's own memory: writes are already in place.
  return locked_.exchange(false) ? S_OK : E_FAIL;
}

HRESULT CeBitmapImage::GetPalette(ColorPalette**) { return E_NOTIMPL; }

HRESULT CeBitmapImage::SetPalette(const ColorPalette*) { return E_NOTIMPL; }
