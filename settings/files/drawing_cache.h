#pragma once
// The drawing cache: the item glyphs the previews draw beside appointments and tasks, the
// preview fonts by font id, and a few off-screen surfaces kept between paints. One object
// for the program, constructed before the entry function runs.
#include <windows.h>

#include <vector>

#include "settings/controls/gdi_guards.h"
#include "settings/controls/memory_image.h"
#include "settings/controls/planar_image.h"

// The glyphs in loading order; each lives in the image slot of its number.
enum Glyph : int {
  kGlyphNote,
  kGlyphRegenerated,
  kGlyphReminder,
  kGlyphHighImportance,
  kGlyphLowImportance,
  kGlyphRecurring,
  kGlyphPrivate,
  kGlyphLink,
  kGlyphAttendees,
  kGlyphActiveTask,
  kGlyphAlldayAppt,
  kGlyphApptCounter,
  kGlyphTaskCounter,
  kGlyphMailCounter,
  kGlyphNotesCounter,
  kGlyphContactsCounter,
  kGlyphTaskChecked,
  kGlyphTaskNotChecked,
  kGlyphAnniversary,
  kGlyphBirthday,
  kGlyphCategorySymbol,
  kGlyphAttachedIcon,
  kGlyphCount
};

inline constexpr LONG kNoKeyColour = -1;

// Where a glyph comes from: "<folder>\<name>.png" (.tga, and for glyphs with a key colour
// .bmp and _high.bmp), else the resource of that id in the resolution library.
struct GlyphSource {
  const wchar_t* name;
  WORD resourceId;
  LONG keyColour;  // transparent colour of the bitmap files, or kNoKeyColour
};
const GlyphSource& GlyphSourceOf(Glyph glyph);

class DrawingCache {
 public:
  static constexpr int kImageSlots = 62;
  static constexpr int kFontSlots = 45;
  static constexpr int kSurfaceCount = 3;

  DrawingCache();
  DrawingCache(const DrawingCache&) = delete;
  DrawingCache& operator=(const DrawingCache&) = delete;

  // An empty image when the glyph is not loaded (or out of range).
  const PlanarImage& GlyphImage(Glyph glyph) const;
  // Image slot 0 to kImageSlots - 1 (glyph g is slot g).
  PlanarImage& Slot(int slot);
  const PlanarImage& Slot(int slot) const;

  // The preview font of the id, created on first use from its description
  // (preview_fonts.h). Ids without a description get the system's default size. Null only
  // when the font cannot be created.
  HFONT Font(int fontId);
  // Whether a font of the id has been created (tests; fonts are made lazily).
  bool HasFont(int fontId) const;

  // A cached off-screen surface compatible with `dc`, at least width x height; made anew
  // when the one kept is smaller. Null when it cannot be made.
  HDC Surface(int index, HDC dc, int width, int height);

  void FreeSurfaces();
  void FreeImages();
  void FreeFonts();

  // Kept for the item painter: a tap rectangle and three values.
  RECT rect{-1, -1, -1, -1};
  DWORD values[3]{};

 private:
  struct FontSlot {
    int id = 0;
    ScopedFont font;
  };
  FontSlot* FindFontSlot(int fontId);

  MemoryImage surfaces_[kSurfaceCount];
  PlanarImage images_[kImageSlots];
  FontSlot fonts_[kFontSlots];
  // Ids with no slot of their own, made on demand and freed with the rest.
  std::vector<FontSlot> extraFonts_;
};

// The program's one drawing cache.
DrawingCache& Drawing();

// Loads an image "<folder>\<name>" from a .png or .tga file, or (with a key colour) a .bmp
// or _high.bmp file, else from the module's resource `resourceId`; with an empty folder
// only from the resource. True when an image was loaded.
bool LoadNamedImage(PlanarImage& image, const wchar_t* folder, const wchar_t* name, HMODULE module, WORD resourceId,
                    LONG keyColour);
// Frees the cached surfaces and loads the 22 glyphs from the icon-set folder (empty: from
// the resolution library's resources). A glyph found nowhere stays empty.
void LoadGlyphs(DrawingCache& cache, HMODULE resolutionLibrary, const wchar_t* folder);
// At exit: the surfaces, the glyph images and the fonts.
void FreeGlyphs(DrawingCache& cache);

// Icon codes of the item icon settings (a flag set for the right icons, one code for each
// left icon).
enum IconCode : DWORD {
  kIconReminder = 1,
  kIconPrivate = 2,
  kIconRecurring = 4,
  kIconNote = 8,
  kIconCategory = 16,
  kIconImportance = 32,
  kIconAttachedIcon = 64,
  kIconAttendees = 128,
  kIconLink = 256,
};
// The glyph of the program's cache for an icon code (32: low importance, or high when
// asked); an empty image for any other code.
const PlanarImage& IconCodeGlyph(DWORD code, bool highImportance = false);
