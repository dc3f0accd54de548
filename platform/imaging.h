#pragma once
// The CE imaging interfaces (imaging.h of the Windows Mobile SDK) as far as the product
// uses them: the factory, images and bitmap images. Method order and layout follow the CE
// declarations; the emulated device's implementation is the CeImaging.dll COM server.
#include <windows.h>
#include <objbase.h>

typedef INT PixelFormatID;
typedef INT PixelFormat;

#define PixelFormat32bppARGB 0x0026200A

enum BufferDisposalFlag {
  BufferDisposalFlagNone,
  BufferDisposalFlagGlobalFree,
  BufferDisposalFlagCoTaskMemFree,
  BufferDisposalFlagUnmapView
};

enum InterpolationHint {
  InterpolationHintDefault,
  InterpolationHintNearestNeighbor,
  InterpolationHintBilinear,
  InterpolationHintAveraging,
  InterpolationHintBicubic
};

enum ImageLockMode {
  ImageLockModeRead = 0x0001,
  ImageLockModeWrite = 0x0002,
  ImageLockModeUserInputBuf = 0x0004
};

struct ImageInfo {
  GUID RawDataFormat;
  PixelFormat PixelFormat;
  UINT Width, Height;
  UINT TileWidth, TileHeight;
  double Xdpi, Ydpi;
  UINT Flags;
};

struct BitmapData {
  UINT Width;
  UINT Height;
  INT Stride;
  PixelFormat PixelFormat;
  void* Scan0;
  UINT_PTR Reserved;
};

struct IImageSink;
struct IImageDecoder;
struct IImageEncoder;
struct ImageCodecInfo;
struct ColorPalette;
struct IBitmapImage;

// {327ABDA9-072B-11D3-9D7B-0000F81EF32E}
inline constexpr GUID IID_IImage = {0x327abda9, 0x072b, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
// {327ABDAA-072B-11D3-9D7B-0000F81EF32E}
inline constexpr GUID IID_IBitmapImage = {0x327abdaa, 0x072b, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
// {327ABDA7-072B-11D3-9D7B-0000F81EF32E}
inline constexpr GUID IID_IImagingFactory = {0x327abda7, 0x072b, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
// {327ABDA8-072B-11D3-9D7B-0000F81EF32E}
inline constexpr GUID CLSID_ImagingFactory = {0x327abda8, 0x072b, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// COM objects are released, never deleted through these pointers: like the SDK's own
// interface declarations they have no virtual destructor.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

struct IImage : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetPhysicalDimension(SIZE* size) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetImageInfo(ImageInfo* info) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetImageFlags(UINT flags) = 0;
  virtual HRESULT STDMETHODCALLTYPE Draw(HDC dc, const RECT* dstRect, const RECT* srcRect) = 0;
  virtual HRESULT STDMETHODCALLTYPE PushIntoSink(IImageSink* sink) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetThumbnail(UINT thumbWidth, UINT thumbHeight, IImage** thumbImage) = 0;
};

struct IBitmapImage : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetSize(SIZE* size) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetPixelFormatID(PixelFormatID* pixelFormat) = 0;
  virtual HRESULT STDMETHODCALLTYPE LockBits(const RECT* rect, UINT flags, PixelFormatID pixelFormat,
                                             BitmapData* lockedBitmapData) = 0;
  virtual HRESULT STDMETHODCALLTYPE UnlockBits(const BitmapData* lockedBitmapData) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetPalette(ColorPalette** palette) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetPalette(const ColorPalette* palette) = 0;
};

struct IImagingFactory : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CreateImageFromStream(IStream* stream, IImage** image) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateImageFromFile(const WCHAR* filename, IImage** image) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateImageFromBuffer(const void* buffer, UINT size, BufferDisposalFlag disposal,
                                                          IImage** image) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateNewBitmap(UINT width, UINT height, PixelFormatID pixelFormat,
                                                    IBitmapImage** bitmap) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateBitmapFromImage(IImage* image, UINT width, UINT height,
                                                          PixelFormatID pixelFormat, InterpolationHint hints,
                                                          IBitmapImage** bitmap) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateBitmapFromBuffer(BitmapData* bitmapData, IBitmapImage** bitmap) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateImageDecoder(IStream* stream, DWORD flags, IImageDecoder** decoder) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateImageEncoderToStream(const CLSID* clsid, IStream* stream,
                                                               IImageEncoder** encoder) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateImageEncoderToFile(const CLSID* clsid, const WCHAR* filename,
                                                             IImageEncoder** encoder) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetInstalledDecoders(UINT* count, ImageCodecInfo** decoders) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetInstalledEncoders(UINT* count, ImageCodecInfo** encoders) = 0;
  virtual HRESULT STDMETHODCALLTYPE InstallImageCodec(const ImageCodecInfo* codecInfo) = 0;
  virtual HRESULT STDMETHODCALLTYPE UninstallImageCodec(const WCHAR* codecName, UINT flags) = 0;
};

#pragma GCC diagnostic pop
