#include <cwchar>
#include <span>

#include "settings/controls/dib_image.h"
#include "settings/controls/imaging_factory.h"
#include "settings/controls/planar_image.h"
#include "settings/controls/png_decoder.h"
#include "settings/controls/tga_decoder.h"

namespace {

bool HasExtension(const wchar_t* path, std::size_t length, const wchar_t* extension) {
  return _wcsicmp(path + length - 4, extension) == 0;
}

// The bytes of a resource of the given type, or an empty span when there is none.
std::span<const std::uint8_t> ResourceBytes(HMODULE module, const wchar_t* name, const wchar_t* type) {
  HRSRC resource = FindResourceW(module, name, type);
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(module, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module, resource)};
}

}  // namespace

HRESULT LoadImageFromFile(PlanarImage& image, const wchar_t* path) {
  image.Free();
  const std::size_t length = path ? std::wcslen(path) : 0;
  if (length < 5) return E_FAIL;
  IImagingFactory* factory = CurrentImagingFactory();
  if (factory && HasExtension(path, length, L".png")) return DecodePngFile(*factory, image, path);
  if (HasExtension(path, length, L".tga")) return LoadTgaFile(image, path);
  return E_FAIL;
}

HRESULT LoadImageFromResource(PlanarImage& image, HMODULE module, const wchar_t* name) {
  image.Free();
  if (IImagingFactory* factory = CurrentImagingFactory()) {
    const std::span<const std::uint8_t> png = ResourceBytes(module, name, L"PNG");
    if (!png.empty()) return DecodePngBuffer(*factory, image, png.data(), static_cast<UINT>(png.size()));
  }
  const std::span<const std::uint8_t> tga = ResourceBytes(module, name, L"TARGA");
  if (tga.empty()) return E_FAIL;
  return DecodeTga(image, tga);
}

HRESULT LoadImageFromBitmap(PlanarImage& image, HBITMAP bitmap, COLORREF key) {
  image.Free();
  DibImage dib;
  if (!dib.CreateFromBitmap(bitmap)) return E_FAIL;
  if (!image.Allocate(dib.Width(), dib.Rows())) return E_FAIL;
  std::size_t at = 0;
  for (int row = 0; row < dib.Rows(); ++row) {
    const std::uint8_t* pixel = dib.Row(row);
    for (int column = 0; column < dib.Width(); ++column, ++at, pixel += 3) {
      image.Blue()[at] = pixel[0];
      image.Green()[at] = pixel[1];
      image.Red()[at] = pixel[2];
      const COLORREF colour = pixel[2] + pixel[1] * 256u + pixel[0] * 65536u;
      image.Alpha()[at] = colour == key ? 0 : 255;
    }
  }
  return S_OK;
}
