#pragma once
// The device's imaging factory (CLSID_ImagingFactory): it reads PNG files itself and other
// formats through Windows Imaging Component (GIF, JPEG, BMP under Wine), which it starts only
// when first needed, and hands out 32-bit ARGB bitmaps. Encoders, codec management and
// bitmaps over caller buffers are not provided.
#include <wincodec.h>

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "platform/imaging.h"
#include "platform/imaging_server/com_object.h"
#include "platform/com_ptr.h"

class CeImagingFactory final : public ComObject<IImagingFactory, IID_IImagingFactory> {
 public:
  // A new factory asked for the interface iid.
  static HRESULT Create(REFIID iid, void** out);

  HRESULT STDMETHODCALLTYPE CreateImageFromStream(IStream* stream, IImage** image) override;
  HRESULT STDMETHODCALLTYPE CreateImageFromFile(const WCHAR* filename, IImage** image) override;
  HRESULT STDMETHODCALLTYPE CreateImageFromBuffer(const void* buffer, UINT size, BufferDisposalFlag disposal,
                                                  IImage** image) override;
  HRESULT STDMETHODCALLTYPE CreateNewBitmap(UINT width, UINT height, PixelFormatID pixelFormat,
                                            IBitmapImage** bitmap) override;
  HRESULT STDMETHODCALLTYPE CreateBitmapFromImage(IImage* image, UINT width, UINT height, PixelFormatID pixelFormat,
                                                  InterpolationHint hints, IBitmapImage** bitmap) override;
  HRESULT STDMETHODCALLTYPE CreateBitmapFromBuffer(BitmapData* bitmapData, IBitmapImage** bitmap) override;
  HRESULT STDMETHODCALLTYPE CreateImageDecoder(IStream* stream, DWORD flags, IImageDecoder** decoder) override;
  HRESULT STDMETHODCALLTYPE CreateImageEncoderToStream(const CLSID* clsid, IStream* stream,
                                                       IImageEncoder** encoder) override;
  HRESULT STDMETHODCALLTYPE CreateImageEncoderToFile(const CLSID* clsid, const WCHAR* filename,
                                                     IImageEncoder** encoder) override;
  HRESULT STDMETHODCALLTYPE GetInstalledDecoders(UINT* count, ImageCodecInfo** decoders) override;
  HRESULT STDMETHODCALLTYPE GetInstalledEncoders(UINT* count, ImageCodecInfo** encoders) override;
  HRESULT STDMETHODCALLTYPE InstallImageCodec(const ImageCodecInfo* codecInfo) override;
  HRESULT STDMETHODCALLTYPE UninstallImageCodec(const WCHAR* codecName, UINT flags) override;

 private:
  CeImagingFactory() = default;
  ~CeImagingFactory() override;

  // Windows Imaging Component's factory, created the first time it is needed; the factory
  // owns it. Null with the failure in result when it cannot be created.
  IWICImagingFactory* Wic(HRESULT& result);
  HRESULT ImageFromBytes(const std::uint8_t* bytes, UINT size, IImage** image);

  std::atomic<IWICImagingFactory*> wic_{nullptr};
};
