#pragma once
// Truevision TGA, as far as the product's images use it: true colour, uncompressed (type 2)
// or run-length encoded (type 10), 24 or 32 bits per pixel, no colour map.
#include <windows.h>

#include <cstdint>
#include <span>

#include "settings/controls/planar_image.h"

// Decodes a whole TGA file held in memory. S_OK, or E_FAIL with an empty image for anything
// unsupported, truncated or too large to hold; never reads outside the data.
HRESULT DecodeTga(PlanarImage& image, std::span<const std::uint8_t> data);

// Reads and decodes a TGA file.
HRESULT LoadTgaFile(PlanarImage& image, const wchar_t* path);
