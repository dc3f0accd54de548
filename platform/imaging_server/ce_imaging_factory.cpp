#include "platform/imaging_server/ce_imaging_factory.h"

#include <new>
#include <utility>

#include "platform/imaging_server/ce_bitmap_image.h"
#include "platform/imaging_server/ce_image.h"

namespace {

WICBitmapInterpolationMode WicInterpolation(InterpolationHint hint) {
  switch (hint) {
    case InterpolationHintNearestNeighbor:
      return WICBitmapInterpolationModeNearestNeighbor;
    case InterpolationHintBicubic:
      return WICBitmapInterpolationModeCubic;
    case InterpolationHintAveraging:
      return WICBitmapInterpolationModeFant;
    default:
      return WICBitmapInterpolationModeLinear;
  }
}

// Whoever passes a disposal flag hands the buffer over; it was decoded in full already.
void DisposeBuffer(const void* buffer, BufferDisposalFlag disposal) {
  void* owned = const_cast<void*>(buffer);
  switch (disposal) {
    case BufferDisposalFlagGlobalFree:
      GlobalFree(owned);
      break;
    case BufferDisposalFlagCoTaskMemFree:
      CoTaskMemFree(owned);
      break;
    case BufferDisposalFlagUnmapView:
      UnmapViewOfFile(buffer);
      break;
    default:
      break;
  }
}

}  // namespace

HRESULT CeImagingFactory::Create(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  ComPtr<IWICImagingFactory> wic;
  HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                    reinterpret_cast<void**>(wic.Put()));
  if (FAILED(result)) return result;
  ComPtr<CeImagingFactory> factory(new (std::nothrow) CeImagingFactory(std::move(wic)));
  if (!factory) return E_OUTOFMEMORY;
  return factory->QueryInterface(iid, out);
}

CeImagingFactory::CeImagingFactory(ComPtr<IWICImagingFactory> wic) : wic_(std::move(wic)) {}

HRESULT CeImagingFactory::CreateImageFromStream(IStream* stream, IImage** image) {
  if (!stream || !image) return E_POINTER;
  *image = nullptr;
  ComPtr<IWICBitmapDecoder> decoder;
  HRESULT result = wic_->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, decoder.Put());
  if (FAILED(result)) return result;
  return CeImage::Create(*wic_.Get(), *decoder.Get(), image);
}

HRESULT CeImagingFactory::CreateImageFromFile(const WCHAR* filename, IImage** image) {
  if (!filename || !image) return E_POINTER;
  *image = nullptr;
  ComPtr<IWICBitmapDecoder> decoder;
  HRESULT result =
      wic_->CreateDecoderFromFilename(filename, nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, decoder.Put());
  if (FAILED(result)) return result;
  return CeImage::Create(*wic_.Get(), *decoder.Get(), image);
}

HRESULT CeImagingFactory::CreateImageFromBuffer(const void* buffer, UINT size, BufferDisposalFlag disposal,
                                                IImage** image) {
  if (!buffer || !image) return E_POINTER;
  *image = nullptr;
  ComPtr<IWICStream> stream;
  HRESULT result = wic_->CreateStream(stream.Put());
  if (FAILED(result)) return result;
  // WIC only reads through the stream; its declaration lacks the const.
  result = stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(buffer)), size);
  if (FAILED(result)) return result;
  result = CreateImageFromStream(stream.Get(), image);
  if (SUCCEEDED(result)) DisposeBuffer(buffer, disposal);
  return result;
}

HRESULT CeImagingFactory::CreateNewBitmap(UINT width, UINT height, PixelFormatID pixelFormat,
                                          IBitmapImage** bitmap) {
  if (!bitmap) return E_POINTER;
  *bitmap = nullptr;
  if (pixelFormat != PixelFormat32bppARGB) return E_NOTIMPL;
  CeBitmapImage* created = CeBitmapImage::Create(width, height);
  if (!created) return E_OUTOFMEMORY;
  *bitmap = created;
  return S_OK;
}

HRESULT CeImagingFactory::CreateBitmapFromImage(IImage* image, UINT width, UINT height, PixelFormatID pixelFormat,
                                                InterpolationHint hints, IBitmapImage** bitmap) {
  if (!image || !bitmap) return E_POINTER;
  *bitmap = nullptr;
  if (pixelFormat != PixelFormat32bppARGB) return E_NOTIMPL;
  CeImage* source = CeImage::FromInterface(image);
  if (!source) return E_NOTIMPL;
  if (width == 0) width = source->Width();
  if (height == 0) height = source->Height();

  ComPtr<IWICBitmapScaler> scaler;
  IWICBitmapSource* pixels = source->Pixels();
  if (width != source->Width() || height != source->Height()) {
    HRESULT result = wic_->CreateBitmapScaler(scaler.Put());
    if (FAILED(result)) return result;
    result = scaler->Initialize(pixels, width, height, WicInterpolation(hints));
    if (FAILED(result)) return result;
    pixels = scaler.Get();
  }

  ComPtr<CeBitmapImage> created(CeBitmapImage::Create(width, height));
  if (!created) return E_OUTOFMEMORY;
  const HRESULT result =
      pixels->CopyPixels(nullptr, created->Stride(), static_cast<UINT>(created->Size()), created->Pixels());
  if (FAILED(result)) return result;
  *bitmap = created.Detach();
  return S_OK;
}

HRESULT CeImagingFactory::CreateBitmapFromBuffer(BitmapData*, IBitmapImage**) { return E_NOTIMPL; }

HRESULT CeImagingFactory::CreateImageDecoder(IStream*, DWORD, IImageDecoder**) { return E_NOTIMPL; }

HRESULT CeImagingFactory::CreateImageEncoderToStream(const CLSID*, IStream*, IImageEncoder**) { return E_NOTIMPL; }

HRESULT CeImagingFactory::CreateImageEncoderToFile(const CLSID*, const WCHAR*, IImageEncoder**) { return E_NOTIMPL; }

HRESULT CeImagingFactory::GetInstalledDecoders(UINT*, ImageCodecInfo**) { return E_NOTIMPL; }

HRESULT CeImagingFactory::GetInstalledEncoders(UINT*, ImageCodecInfo**) { return E_NOTIMPL; }

HRESULT CeImagingFactory::InstallImageCodec(const ImageCodecInfo*) { return E_NOTIMPL; }

HRESULT CeImagingFactory::UninstallImageCodec(const WCHAR*, UINT) { return E_NOTIMPL; }
