#include "settings/files/drawing_cache.h"

#include "settings/files/preview_fonts.h"

namespace {

constexpr LONG kRed = 0x0000FF;

constexpr GlyphSource kGlyphSources[kGlyphCount] = {
    {L"note", 290, kNoKeyColour},
    {L"regenerated", 291, kNoKeyColour},
    {L"reminder", 287, kNoKeyColour},
    {L"high_importance", 292, kNoKeyColour},
    {L"low_importance", 293, kNoKeyColour},
    {L"recurring", 289, kNoKeyColour},
    {L"private", 286, kNoKeyColour},
    {L"link", 294, kNoKeyColour},
    {L"attendees", 288, kNoKeyColour},
    {L"active_task", 296, kNoKeyColour},
    {L"allday_appt", 295, kNoKeyColour},
    {L"appt_counter", 297, kNoKeyColour},
    {L"task_counter", 298, kNoKeyColour},
    {L"mail_counter", 299, kNoKeyColour},
    {L"notes_counter", 319, kNoKeyColour},
    {L"contacts_counter", 339, kNoKeyColour},
    {L"task_checked", 190, kRed},
    {L"task_not_checked", 189, kRed},
    {L"anniversary", 282, kNoKeyColour},
    {L"birthday", 283, kNoKeyColour},
    {L"category_symbol", 321, kNoKeyColour},
    {L"attached_icon_symbol", 323, kNoKeyColour},
};

DrawingCache g_drawing;

const PlanarImage& EmptyImage() {
  static const PlanarImage empty;
  return empty;
}

}  // namespace

const GlyphSource& GlyphSourceOf(Glyph glyph) {
  return kGlyphSources[glyph >= 0 && glyph < kGlyphCount ? glyph : kGlyphNote];
}

DrawingCache::DrawingCache() {
  std::span<const int> ids = PreviewFontSlotIds();
  for (std::size_t slot = 0; slot < ids.size() && slot < kFontSlots; ++slot) fonts_[slot].id = ids[slot];
}

const PlanarImage& DrawingCache::GlyphImage(Glyph glyph) const {
  if (glyph < 0 || glyph >= kGlyphCount) return EmptyImage();
  return images_[glyph];
}

PlanarImage& DrawingCache::Slot(int slot) { return images_[slot]; }

const PlanarImage& DrawingCache::Slot(int slot) const {
  if (slot < 0 || slot >= kImageSlots) return EmptyImage();
  return images_[slot];
}

DrawingCache::FontSlot* DrawingCache::FindFontSlot(int fontId) {
  for (FontSlot& slot : fonts_)
    if (slot.id == fontId) return &slot;
  for (FontSlot& slot : extraFonts_)
    if (slot.id == fontId) return &slot;
  return nullptr;
}

HFONT DrawingCache::Font(int fontId) {
  FontSlot* slot = FindFontSlot(fontId);
  if (!slot) {
    extraFonts_.push_back(FontSlot{fontId, ScopedFont()});
    slot = &extraFonts_.back();
  }
  if (!slot->font) {
    LOGFONTW description;
    PreviewFontDescription(fontId, description);
    slot->font.Reset(CreateFontIndirectW(&description));
  }
  return slot->font.Get();
}

bool DrawingCache::HasFont(int fontId) const {
  for (const FontSlot& slot : fonts_)
    if (slot.id == fontId) return static_cast<bool>(slot.font);
  for (const FontSlot& slot : extraFonts_)
    if (slot.id == fontId) return static_cast<bool>(slot.font);
  return false;
}

HDC DrawingCache::Surface(int index, HDC dc, int width, int height) {
  if (index < 0 || index >= kSurfaceCount) return nullptr;
  MemoryImage& surface = surfaces_[index];
  if (!surface.Dc() || surface.Width() < width || surface.Height() < height) {
    if (!surface.Create(dc, width, height)) return nullptr;
  }
  return surface.Dc();
}

void DrawingCache::FreeSurfaces() {
  for (MemoryImage& surface : surfaces_) surface.Destroy();
}

void DrawingCache::FreeImages() {
  for (PlanarImage& image : images_) image.Free();
}

void DrawingCache::FreeFonts() {
  for (FontSlot& slot : fonts_) slot.font.Reset();
  extraFonts_.clear();
}

DrawingCache& Drawing() { return g_drawing; }
