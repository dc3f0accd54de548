#include "platform/imaging_server/ce_imaging_factory.h"

#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "platform/imaging_server/ce_bitmap_image.h"
#include "platform/imaging_server/ce_image.h"
#include "platform/imaging_server/png_reader.h"

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

// Bytes read into memory whole, as the decoders want them.
struct HeapBytes {
  std::unique_ptr<std::uint8_t[]> data;
  std::size_t size = 0;
};

// Larger files are no pictures this library would hold; a size below this fits a UINT.
constexpr std::size_t kMaxFileBytes = std::size_t{128} << 20;

HRESULT ReadFileBytes(const WCHAR* path, HeapBytes& bytes) {
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(GetLastError());
  HRESULT result = E_FAIL;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && static_cast<unsigned long long>(size.QuadPart) <= kMaxFileBytes) {
    bytes.size = static_cast<std::size_t>(size.QuadPart);
    bytes.data.reset(new (std::nothrow) std::uint8_t[bytes.size]);
    DWORD read = 0;
    if (!bytes.data) result = E_OUTOFMEMORY;
    else if (ReadFile(file, bytes.data.get(), static_cast<DWORD>(bytes.size), &read, nullptr) && read == bytes.size)
      result = S_OK;
  }
  CloseHandle(file);
  return result;
}

// The rest of a stream from where it stands.
HRESULT ReadStream(IStream& stream, HeapBytes& bytes) {
  std::size_t capacity = 0;
  for (;;) {
    if (bytes.size == capacity) {
      if (capacity == kMaxFileBytes) return E_FAIL;
      const std::size_t grown = capacity ? capacity * 2 : 64 * 1024;
      std::unique_ptr<std::uint8_t[]> larger(new (std::nothrow) std::uint8_t[grown]);
      if (!larger) return E_OUTOFMEMORY;
      if (bytes.size) std::memcpy(larger.get(), bytes.data.get(), bytes.size);
      bytes.data = std::move(larger);
      capacity = grown;
    }
    ULONG read = 0;
    const HRESULT result = stream.Read(bytes.data.get() + bytes.size, static_cast<ULONG>(capacity - bytes.size), &read);
    if (FAILED(result)) return result;
    bytes.size += read;
    if (read == 0 || result == S_FALSE) return S_OK;
  }
}

}  // namespace

HRESULT CeImagingFactory::Create(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  ComPtr<CeImagingFactory> factory(new (std::nothrow) CeImagingFactory());
  if (!factory) return E_OUTOFMEMORY;
  return factory->QueryInterface(iid, out);
}

CeImagingFactory::~CeImagingFactory() {
  if (IWICImagingFactory* wic = wic_.load()) wic->Release();
}

IWICImagingFactory* CeImagingFactory::Wic(HRESULT& result) {
  result = S_OK;
  IWICImagingFactory* current = wic_.load(std::memory_order_acquire);
  if (current) return current;
  IWICImagingFactory* created = nullptr;
  result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                            reinterpret_cast<void**>(&created));
  if (FAILED(result)) return nullptr;
  // Two threads may race here: one factory is kept, the other let go.
  if (wic_.compare_exchange_strong(current, created, std::memory_order_acq_rel)) return created;
  created->Release();
  return current;
}

HRESULT CeImagingFactory::ImageFromBytes(const std::uint8_t* bytes, UINT size, IImage** image) {
  *image = nullptr;
  if (HasPngSignature(bytes, size)) {
    PngImage png;
    const HRESULT result = DecodePng(bytes, size, png);
    if (FAILED(result)) return result;
    return CeImage::Create(std::move(png.pixels), png.width, png.height, ImageFormatPng(), png.dpiX, png.dpiY,
                           image);
  }
  HRESULT result = S_OK;
  IWICImagingFactory* wic = Wic(result);
  if (!wic) return result;
  ComPtr<IWICStream> stream;
  result = wic->CreateStream(stream.Put());
  if (FAILED(result)) return result;
  // WIC only reads through the stream; its declaration lacks the const.
  result = stream->InitializeFromMemory(const_cast<BYTE*>(bytes), size);
  if (FAILED(result)) return result;
  ComPtr<IWICBitmapDecoder> decoder;
  result = wic->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Put());
  if (FAILED(result)) return result;
  return CeImage::Decode(*wic, *decoder.Get(), image);
}

HRESULT CeImagingFactory::CreateImageFromStream(IStream* stream, IImage** image) {
  if (!stream || !image) return E_POINTER;
  *image = nullptr;
  HeapBytes bytes;
  const HRESULT result = ReadStream(*stream, bytes);
  if (FAILED(result)) return result;
  return ImageFromBytes(bytes.data.get(), static_cast<UINT>(bytes.size), image);
}

HRESULT CeImagingFactory::CreateImageFromFile(const WCHAR* filename, IImage** image) {
  if (!filename || !image) return E_POINTER;
  *image = nullptr;
  HeapBytes bytes;
  const HRESULT result = ReadFileBytes(filename, bytes);
  if (FAILED(result)) return result;
  return ImageFromBytes(bytes.data.get(), static_cast<UINT>(bytes.size), image);
}

HRESULT CeImagingFactory::CreateImageFromBuffer(const void* buffer, UINT size, BufferDisposalFlag disposal,
                                                IImage** image) {
  if (!buffer || !image) return E_POINTER;
  const HRESULT result = ImageFromBytes(static_cast<const std::uint8_t*>(buffer), size, image);
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

  ComPtr<CeBitmapImage> created(CeBitmapImage::Create(width, height));
  if (!created) return E_OUTOFMEMORY;
  if (width == source->Width() && height == source->Height()) {
    for (UINT row = 0; row < height; ++row)
      std::memcpy(created->Pixels() + std::size_t{row} * created->Stride(),
                  source->Pixels() + std::size_t{row} * source->Stride(), source->Stride());
    *bitmap = created.Detach();
    return S_OK;
  }

  HRESULT result = S_OK;
  IWICImagingFactory* wic = Wic(result);
  if (!wic) return result;
  ComPtr<IWICBitmap> pixels;
  // WIC only reads the pixels it scales; its declaration lacks the const.
  result = wic->CreateBitmapFromMemory(source->Width(), source->Height(), GUID_WICPixelFormat32bppBGRA,
                                       source->Stride(), source->Stride() * source->Height(),
                                       const_cast<BYTE*>(source->Pixels()), pixels.Put());
  if (FAILED(result)) return result;
  ComPtr<IWICBitmapScaler> scaler;
  result = wic->CreateBitmapScaler(scaler.Put());
  if (FAILED(result)) return result;
  result = scaler->Initialize(pixels.Get(), width, height, WicInterpolation(hints));
  if (FAILED(result)) return result;
  result = scaler->CopyPixels(nullptr, created->Stride(), static_cast<UINT>(created->Size()), created->Pixels());
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
