#pragma once
// PNG (and whatever else the platform's imaging factory decodes) into a PlanarImage.
#include <windows.h>

#include "platform/imaging.h"
#include "settings/controls/planar_image.h"

// S_OK, or E_FAIL with an empty image.
HRESULT DecodePngFile(IImagingFactory& factory, PlanarImage& image, const wchar_t* path);
// The bytes stay the caller's; the factory is told not to free them.
HRESULT DecodePngBuffer(IImagingFactory& factory, PlanarImage& image, const void* bytes, UINT size);
