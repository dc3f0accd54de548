// Image files into GDI bitmaps, as the shell loads the Today background; decoded by the
// desktop's Windows Imaging Component.
#include <windows.h>
#include <wincodec.h>

#include <cstring>

#include "platform/aygshell.h"
#include "platform/com_ptr.h"

namespace {

HBITMAP DecodeWithWic(LPCWSTR path) {
  bool uninitialise = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
  HBITMAP result = nullptr;
  {
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(factory.Put()))) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(path, nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                      decoder.Put())) &&
        SUCCEEDED(decoder->GetFrame(0, frame.Put())) && SUCCEEDED(factory->CreateFormatConverter(converter.Put())) &&
        SUCCEEDED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(&width, &height)) && width > 0 && height > 0 && width <= 16384 &&
        height <= 16384) {
      BITMAPINFO info{};
      info.bmiHeader.biSize = sizeof info.bmiHeader;
      info.bmiHeader.biWidth = static_cast<LONG>(width);
      info.bmiHeader.biHeight = -static_cast<LONG>(height);
      info.bmiHeader.biPlanes = 1;
      info.bmiHeader.biBitCount = 32;
      info.bmiHeader.biCompression = BI_RGB;
      void* bits = nullptr;
      HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
      if (bitmap && SUCCEEDED(converter->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE*>(bits)))) {
        // The fourth byte is unused in a 32-bit DIB: keep it 0 as GDI's own bitmaps do, so
        // that colour comparisons (transparent copies) see the plain colour.
        auto* pixel = static_cast<BYTE*>(bits);
        for (UINT i = 0; i < width * height; ++i) pixel[i * 4 + 3] = 0;
        result = bitmap;
      }
      else if (bitmap)
        DeleteObject(bitmap);
    }
  }
  if (uninitialise) CoUninitialize();
  return result;
}

}  // namespace

HBITMAP WINAPI SHLoadImageFile(LPCWSTR path) { return path && *path ? DecodeWithWic(path) : nullptr; }

HBITMAP WINAPI SHLoadDIBitmap(LPCWSTR path) {
  if (!path || !*path) return nullptr;
  return static_cast<HBITMAP>(LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}
