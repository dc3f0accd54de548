#pragma once
// The process-wide imaging factory reference behind StartImagingFactory (planar_image.h).
#include "platform/imaging.h"

// The running factory, or null when it did not start. The reference stays with the owner.
IImagingFactory* CurrentImagingFactory();
