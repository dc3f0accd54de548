// Glyphs come from an icon-set folder when one is given, else from the resolution library.
#include <cwchar>

#include "platform/aygshell.h"
#include "settings/base/wide_string.h"
#include "settings/controls/gdi_guards.h"
#include "settings/files/drawing_cache.h"

namespace {

bool LoadFromResource(PlanarImage& image, HMODULE module, WORD resourceId) {
  // A missing library has no resources; a null module would search the program itself.
  if (!module) {
    image.Free();
    return false;
  }
  return LoadImageFromResource(image, module, MAKEINTRESOURCEW(resourceId)) == S_OK;
}

bool LoadFromFile(PlanarImage& image, const WideString& base, const wchar_t* extension) {
  WideString path(base);
  return path.Append(extension) && LoadImageFromFile(image, path.c_str()) == S_OK;
}

bool LoadFromBitmapFile(PlanarImage& image, const WideString& base, const wchar_t* suffix, COLORREF key) {
  WideString path(base);
  if (!path.Append(suffix)) return false;
  ScopedBitmap bitmap(SHLoadDIBitmap(path.c_str()));
  return bitmap && LoadImageFromBitmap(image, bitmap.Get(), key) == S_OK;
}

}  // namespace

bool LoadNamedImage(PlanarImage& image, const wchar_t* folder, const wchar_t* name, HMODULE module, WORD resourceId,
                    LONG keyColour) {
  if (!folder || !*folder) return LoadFromResource(image, module, resourceId);
  WideString base(folder);
  base.Append(L"\\");
  base.Append(name);
  if (LoadFromFile(image, base, L".png") || LoadFromFile(image, base, L".tga")) return true;
  if (keyColour != kNoKeyColour) {
    const COLORREF key = static_cast<COLORREF>(keyColour);
    if (LoadFromBitmapFile(image, base, L".bmp", key) || LoadFromBitmapFile(image, base, L"_high.bmp", key))
      return true;
  }
  return LoadFromResource(image, module, resourceId);
}

void LoadGlyphs(DrawingCache& cache, HMODULE resolutionLibrary, const wchar_t* folder) {
  cache.FreeSurfaces();
  for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
    const GlyphSource& source = GlyphSourceOf(static_cast<Glyph>(glyph));
    LoadNamedImage(cache.Slot(glyph), folder, source.name, resolutionLibrary, source.resourceId, source.keyColour);
  }
}

void FreeGlyphs(DrawingCache& cache) {
  cache.FreeSurfaces();
  cache.FreeImages();
  cache.FreeFonts();
}

const PlanarImage& IconCodeGlyph(DWORD code, bool highImportance) {
  const DrawingCache& cache = Drawing();
  switch (code) {
    case kIconReminder: return cache.GlyphImage(kGlyphReminder);
    case kIconPrivate: return cache.GlyphImage(kGlyphPrivate);
    case kIconRecurring: return cache.GlyphImage(kGlyphRecurring);
    case kIconNote: return cache.GlyphImage(kGlyphNote);
    case kIconCategory: return cache.GlyphImage(kGlyphCategorySymbol);
    case kIconImportance: return cache.GlyphImage(highImportance ? kGlyphHighImportance : kGlyphLowImportance);
    case kIconAttachedIcon: return cache.GlyphImage(kGlyphAttachedIcon);
    case kIconAttendees: return cache.GlyphImage(kGlyphAttendees);
    case kIconLink: return cache.GlyphImage(kGlyphLink);
    default: return cache.GlyphImage(kGlyphCount);
  }
}
