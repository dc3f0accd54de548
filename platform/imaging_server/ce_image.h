#pragma once
// A decoded image: the first frame of a file, buffer or stream, held as 32-bit BGRA pixels
// (alpha not premultiplied), rows of four bytes a pixel without padding.
#include <wincodec.h>

#include <cstdint>
#include <memory>

#include "platform/imaging.h"
#include "platform/imaging_server/com_object.h"
#include "platform/com_ptr.h"

// The CE imaging library's ImageFormatPNG, an image's RawDataFormat.
const GUID& ImageFormatPng();

class CeImage final : public ComObject<IImage, IID_IImage> {
 public:
  // Takes the pixels over into a new image holding one reference.
  static HRESULT Create(std::unique_ptr<std::uint8_t[]> pixels, UINT width, UINT height, const GUID& rawFormat,
                        double dpiX, double dpiY, IImage** image);
  // Decodes the decoder's first frame into a new image holding one reference.
  static HRESULT Decode(IWICImagingFactory& wic, IWICBitmapDecoder& decoder, IImage** image);
  // The server's own image behind an interface pointer, or null for anyone else's. The
  // caller's reference keeps it alive.
  static CeImage* FromInterface(IImage* image);

  const std::uint8_t* Pixels() const { return pixels_.get(); }
  UINT Stride() const { return width_ * 4; }
  UINT Width() const { return width_; }
  UINT Height() const { return height_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE GetPhysicalDimension(SIZE* size) override;
  HRESULT STDMETHODCALLTYPE GetImageInfo(ImageInfo* info) override;
  HRESULT STDMETHODCALLTYPE SetImageFlags(UINT flags) override;
  HRESULT STDMETHODCALLTYPE Draw(HDC dc, const RECT* dstRect, const RECT* srcRect) override;
  HRESULT STDMETHODCALLTYPE PushIntoSink(IImageSink* sink) override;
  HRESULT STDMETHODCALLTYPE GetThumbnail(UINT thumbWidth, UINT thumbHeight, IImage** thumbImage) override;

 private:
  CeImage(std::unique_ptr<std::uint8_t[]> pixels, UINT width, UINT height, const GUID& rawFormat, double dpiX,
          double dpiY);

  std::unique_ptr<std::uint8_t[]> pixels_;
  UINT width_;
  UINT height_;
  GUID rawFormat_;
  double dpiX_;
  double dpiY_;
};
