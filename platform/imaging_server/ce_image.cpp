#include "platform/imaging_server/ce_image.h"

#include <new>
#include <utility>

#include "platform/imaging_server/png_reader.h"

namespace {

// Answers only inside this server: asks an IImage whether it is a CeImage.
// {5D2C6E1B-7A43-4F0E-9B8C-3E21A6F0D417}
constexpr GUID kCeImageIdentity = {0x5d2c6e1b, 0x7a43, 0x4f0e, {0x9b, 0x8c, 0x3e, 0x21, 0xa6, 0xf0, 0xd4, 0x17}};

// The CE (GDI+) raw format identifiers of the containers Windows Imaging Component reads.
struct FormatPair {
  const GUID* container;
  GUID raw;
};
const FormatPair kFormats[] = {
    {&GUID_ContainerFormatPng, {0xb96b3caf, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}}},
    {&GUID_ContainerFormatGif, {0xb96b3cb0, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}}},
    {&GUID_ContainerFormatJpeg, {0xb96b3cae, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}}},
    {&GUID_ContainerFormatBmp, {0xb96b3cab, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}}},
};

GUID RawFormatOf(IWICBitmapDecoder& decoder) {
  GUID container = GUID_NULL;
  if (SUCCEEDED(decoder.GetContainerFormat(&container))) {
    for (const FormatPair& format : kFormats)
      if (IsEqualGUID(container, *format.container)) return format.raw;
  }
  return GUID_NULL;
}

// Hundredths of a millimetre for a size in pixels at a resolution in dots per inch.
LONG PhysicalSize(UINT pixels, double dpi) {
  if (dpi <= 0) dpi = 96;
  return static_cast<LONG>(pixels * 2540.0 / dpi + 0.5);
}

}  // namespace

HRESULT CeImage::Create(std::unique_ptr<std::uint8_t[]> pixels, UINT width, UINT height, const GUID& rawFormat,
                        double dpiX, double dpiY, IImage** image) {
  if (!image) return E_POINTER;
  *image = nullptr;
  if (!pixels || width == 0 || height == 0) return E_INVALIDARG;
  CeImage* created = new (std::nothrow) CeImage(std::move(pixels), width, height, rawFormat, dpiX, dpiY);
  if (!created) return E_OUTOFMEMORY;
  *image = created;
  return S_OK;
}

HRESULT CeImage::Decode(IWICImagingFactory& wic, IWICBitmapDecoder& decoder, IImage** image) {
  if (!image) return E_POINTER;
  *image = nullptr;
  ComPtr<IWICBitmapFrameDecode> frame;
  HRESULT result = decoder.GetFrame(0, frame.Put());
  if (FAILED(result)) return result;
  ComPtr<IWICFormatConverter> converter;
  result = wic.CreateFormatConverter(converter.Put());
  if (FAILED(result)) return result;
  result = converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                 WICBitmapPaletteTypeCustom);
  if (FAILED(result)) return result;
  UINT width = 0, height = 0;
  result = converter->GetSize(&width, &height);
  if (FAILED(result)) return result;
  if (width == 0 || height == 0 || width > kMaxImagePixels / height) return E_FAIL;
  // Decoded once here, so that the image no longer needs its source bytes.
  const std::size_t size = std::size_t{width} * height * 4;
  std::unique_ptr<std::uint8_t[]> pixels(new (std::nothrow) std::uint8_t[size]);
  if (!pixels) return E_OUTOFMEMORY;
  result = converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(size), pixels.get());
  if (FAILED(result)) return result;
  double dpiX = 0, dpiY = 0;
  if (FAILED(frame->GetResolution(&dpiX, &dpiY))) dpiX = dpiY = 96;
  return Create(std::move(pixels), width, height, RawFormatOf(decoder), dpiX, dpiY, image);
}

const GUID& ImageFormatPng() { return kFormats[0].raw; }

CeImage* CeImage::FromInterface(IImage* image) {
  void* identity = nullptr;
  if (!image || FAILED(image->QueryInterface(kCeImageIdentity, &identity)) || !identity) return nullptr;
  auto* own = static_cast<CeImage*>(identity);
  own->Release();
  return own;
}

CeImage::CeImage(std::unique_ptr<std::uint8_t[]> pixels, UINT width, UINT height, const GUID& rawFormat, double dpiX,
                 double dpiY)
    : pixels_(std::move(pixels)), width_(width), height_(height), rawFormat_(rawFormat), dpiX_(dpiX), dpiY_(dpiY) {}

HRESULT CeImage::QueryInterface(REFIID iid, void** out) {
  if (out && IsEqualIID(iid, kCeImageIdentity)) {
    *out = this;
    AddRef();
    return S_OK;
  }
  return ComObject::QueryInterface(iid, out);
}

HRESULT CeImage::GetPhysicalDimension(SIZE* size) {
  if (!size) return E_POINTER;
  size->cx = PhysicalSize(width_, dpiX_);
  size->cy = PhysicalSize(height_, dpiY_);
  return S_OK;
}

HRESULT CeImage::GetImageInfo(ImageInfo* info) {
  if (!info) return E_POINTER;
  *info = ImageInfo{};
  info->RawDataFormat = rawFormat_;
  info->PixelFormat = PixelFormat32bppARGB;
  info->Width = width_;
  info->Height = height_;
  info->TileWidth = width_;
  info->TileHeight = height_;
  info->Xdpi = dpiX_;
  info->Ydpi = dpiY_;
  return S_OK;
}

HRESULT CeImage::SetImageFlags(UINT) { return E_NOTIMPL; }

HRESULT CeImage::Draw(HDC, const RECT*, const RECT*) { return E_NOTIMPL; }

HRESULT CeImage::PushIntoSink(IImageSink*) { return E_NOTIMPL; }

HRESULT CeImage::GetThumbnail(UINT, UINT, IImage**) { return E_NOTIMPL; }
