"""An RGBA picture built by painting colours through coverage masks.

Pixels are kept premultiplied as floats 0..1; `rgba_bytes` hands out straight (not
premultiplied) 8-bit RGBA, which is what PNG, TGA and the program's blending expect.
"""

import raster

# Keyed pictures are painted on white, so soft edges are blended against white and only
# pixels that are mostly empty become the transparent key colour.
KEY_BELOW_ALPHA = 0.3


def hex_colour(value):
    """'#rrggbb' to a tuple of floats."""
    value = value.lstrip('#')
    return tuple(int(value[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


class Canvas:
    def __init__(self, width, height, scale=1.0, dx=0.0, dy=0.0):
        self.width, self.height = width, height
        self.scale, self.dx, self.dy = scale, dx, dy
        self.pixels = [(0.0, 0.0, 0.0, 0.0)] * (width * height)

    # ---- masks in this canvas's design units

    def mask(self, shape):
        return raster.fill(shape, self.width, self.height, self.scale, self.dx, self.dy)

    def design_point(self, index):
        """Design coordinates of a pixel centre."""
        x, y = index % self.width + 0.5, index // self.width + 0.5
        return (x - self.dx) / self.scale, (y - self.dy) / self.scale

    # ---- painting

    def paint(self, mask, colour, opacity=1.0):
        """Paints a colour, or a function of design (x, y) giving a colour, through a mask."""
        varying = callable(colour)
        out = self.pixels
        for i, cover in enumerate(mask):
            if cover <= 0.0:
                continue
            r, g, b = colour(*self.design_point(i)) if varying else colour
            a = cover * opacity
            dr, dg, db, da = out[i]
            keep = 1.0 - a
            out[i] = (r * a + dr * keep, g * a + dg * keep, b * a + db * keep, a + da * keep)

    def shadow(self, mask, radius_units, offset_units, opacity, colour=(0.0, 0.0, 0.0)):
        """A soft shadow of a mask, blurred and moved down by design units."""
        radius = max(1.0, radius_units * self.scale)
        dy = int(round(offset_units * self.scale))
        soft = raster.blurred(mask, self.width, self.height, radius)
        soft = raster.shifted(soft, self.width, self.height, 0, dy)
        self.paint(soft, colour, opacity)

    # ---- output

    def rgba_bytes(self):
        """Straight 8-bit RGBA, rows from the top. A fully transparent pixel is all zero."""
        out = bytearray()
        for r, g, b, a in self.pixels:
            alpha = int(round(min(1.0, max(0.0, a)) * 255))
            if alpha == 0:
                out += b'\0\0\0\0'
                continue
            out += bytes(int(round(min(1.0, max(0.0, c / a)) * 255)) for c in (r, g, b))
            out.append(alpha)
        return bytes(out)

    def rgb_over(self, background):
        """Opaque 8-bit RGB of the picture composited over a solid colour."""
        out = bytearray()
        br, bg, bb = background
        for r, g, b, a in self.pixels:
            keep = 1.0 - a
            out += bytes(int(round(min(1.0, max(0.0, c + k * keep)) * 255))
                         for c, k in ((r, br), (g, bg), (b, bb)))
        return bytes(out)

    def keyed_rgb(self, key):
        """Opaque 8-bit RGB on white with the key colour (an 8-bit triple) where the picture
        is (nearly) empty; a drawn pixel that happens to be the key colour is nudged off it."""
        opaque = self.rgb_over((1.0, 1.0, 1.0))
        near = tuple(v - 1 if v == 255 else v for v in key)
        out = bytearray()
        for i, (_, _, _, a) in enumerate(self.pixels):
            pixel = tuple(opaque[i * 3:i * 3 + 3])
            if a < KEY_BELOW_ALPHA:
                pixel = key
            elif pixel == key:
                pixel = near
            out += bytes(pixel)
        return bytes(out)
