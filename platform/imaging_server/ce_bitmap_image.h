#pragma once
// A bitmap in memory, 32-bit ARGB (bytes blue, green, red, alpha), as the device's imaging
// library hands it out.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/imaging.h"
#include "platform/imaging_server/com_object.h"

class CeBitmapImage final : public ComObject<IBitmapImage, IID_IBitmapImage> {
 public:
  // A zeroed bitmap holding one reference, or null when it cannot be held.
  static CeBitmapImage* Create(UINT width, UINT height);

  std::uint8_t* Pixels() { return pixels_.get(); }
  UINT Stride() const { return stride_; }
  std::size_t Size() const { return static_cast<std::size_t>(stride_) * height_; }

  HRESULT STDMETHODCALLTYPE GetSize(SIZE* size) override;
  HRESULT STDMETHODCALLTYPE GetPixelFormatID(PixelFormatID* pixelFormat) override;
  HRESULT STDMETHODCALLTYPE LockBits(const RECT* rect, UINT flags, PixelFormatID pixelFormat,
                                     BitmapData* lockedBitmapData) override;
  HRESULT STDMETHODCALLTYPE UnlockBits(const BitmapData* lockedBitmapData) override;
  HRESULT STDMETHODCALLTYPE GetPalette(ColorPalette** palette) override;
  HRESULT STDMETHODCALLTYPE SetPalette(const ColorPalette* palette) override;

 private:
  CeBitmapImage(UINT width, UINT height, UINT stride, std::unique_ptr<std::uint8_t[]> pixels);

  UINT width_;
  UINT height_;
  UINT stride_;
  std::unique_ptr<std::uint8_t[]> pixels_;
  std::atomic<bool> locked_{false};
};
