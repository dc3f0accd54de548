#include "settings/controls/planar_image.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

PlanarImage::PlanarImage(PlanarImage&& other) noexcept
    : red_(std::exchange(other.red_, nullptr)),
      green_(std::exchange(other.green_, nullptr)),
      blue_(std::exchange(other.blue_, nullptr)),
      alpha_(std::exchange(other.alpha_, nullptr)),
      height_(std::exchange(other.height_, 0)),
      width_(std::exchange(other.width_, 0)) {}

PlanarImage& PlanarImage::operator=(PlanarImage&& other) noexcept {
  if (this != &other) {
    Free();
    red_ = std::exchange(other.red_, nullptr);
    green_ = std::exchange(other.green_, nullptr);
    blue_ = std::exchange(other.blue_, nullptr);
    alpha_ = std::exchange(other.alpha_, nullptr);
    height_ = std::exchange(other.height_, 0);
    width_ = std::exchange(other.width_, 0);
  }
  return *this;
}

bool PlanarImage::Allocate(int width, int height) {
  // On a 32-bit device a large product would wrap into a small allocation.
  if (width <= 0 || height <= 0 || static_cast<std::size_t>(height) > SIZE_MAX / static_cast<std::size_t>(width)) {
    Free();
    return false;
  }
  const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  // Reloading an image of the same size is common, and the pages of fresh planes cost more
  // to touch than most decoders spend on them.
  if (alpha_ && size == static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {
    width_ = width;
    height_ = height;
    return true;
  }
  Free();
  red_ = new (std::nothrow) std::uint8_t[size];
  green_ = new (std::nothrow) std::uint8_t[size];
  blue_ = new (std::nothrow) std::uint8_t[size];
  alpha_ = new (std::nothrow) std::uint8_t[size];
  if (!red_ || !green_ || !blue_ || !alpha_) {
    Free();
    return false;
  }
  width_ = width;
  height_ = height;
  return true;
}

void PlanarImage::Free() {
  delete[] red_;
  delete[] green_;
  delete[] blue_;
  delete[] alpha_;
  red_ = green_ = blue_ = alpha_ = nullptr;
  width_ = height_ = 0;
}

HRESULT MakeSolidImage(PlanarImage& image, int width, int height, COLORREF colour, std::uint8_t alpha) {
  if (!image.Allocate(width, height)) return E_FAIL;
  const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  std::memset(image.Red(), GetRValue(colour), size);
  std::memset(image.Green(), GetGValue(colour), size);
  std::memset(image.Blue(), GetBValue(colour), size);
  std::memset(image.Alpha(), alpha, size);
  return S_OK;
}
