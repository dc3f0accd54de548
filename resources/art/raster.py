"""Coverage masks from vector shapes.

A shape is a list of closed polygons in design units; a polygon is a list of (x, y) points.
Filling uses the nonzero winding rule, so polygons wound the same way unite and a polygon
wound the other way cuts a hole. Helpers return counter-clockwise outlines (in y-down
coordinates: positive signed area); `hole` reverses one.

Masks are flat lists of floats 0..1, row by row. Anti-aliasing: each pixel row is sampled
on SUBROWS sub-scanlines and every sub-scanline's spans are accumulated with exact
horizontal coverage.
"""

import math

SUBROWS = 16


# ---------------------------------------------------------------- outlines

def signed_area(poly):
    area = 0.0
    for i, (x0, y0) in enumerate(poly):
        x1, y1 = poly[(i + 1) % len(poly)]
        area += x0 * y1 - x1 * y0
    return area / 2.0


def oriented(poly):
    return list(poly) if signed_area(poly) >= 0 else list(reversed(poly))


def hole(poly):
    return list(reversed(oriented(poly)))


def _segments_for(radius, sweep):
    # Enough segments that the chord error stays far below a sub-scanline at 64 px.
    return max(4, int(math.ceil(abs(sweep) / (2 * math.pi) * max(24, radius * 10))))


def arc_points(cx, cy, rx, ry, start, end, rotation=0.0):
    """Points on an elliptical arc from angle start to end (radians, y down)."""
    n = _segments_for(max(rx, ry), end - start)
    cr, sr = math.cos(rotation), math.sin(rotation)
    points = []
    for i in range(n + 1):
        a = start + (end - start) * i / n
        x, y = rx * math.cos(a), ry * math.sin(a)
        points.append((cx + x * cr - y * sr, cy + x * sr + y * cr))
    return points


def ellipse(cx, cy, rx, ry, rotation=0.0):
    return oriented(arc_points(cx, cy, rx, ry, 0.0, 2 * math.pi, rotation)[:-1])


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def rect(x0, y0, x1, y1):
    return oriented([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


def rounded_rect(x0, y0, x1, y1, r):
    r = min(r, (x1 - x0) / 2, (y1 - y0) / 2)
    if r <= 0:
        return rect(x0, y0, x1, y1)
    h = math.pi / 2
    pts = []
    pts += arc_points(x1 - r, y0 + r, r, r, -h, 0)
    pts += arc_points(x1 - r, y1 - r, r, r, 0, h)
    pts += arc_points(x0 + r, y1 - r, r, r, h, 2 * h)
    pts += arc_points(x0 + r, y0 + r, r, r, 2 * h, 3 * h)
    return oriented(pts)


def cubic(p0, c0, c1, p1, n=32):
    def at(t):
        u = 1 - t
        return (u ** 3 * p0[0] + 3 * u * u * t * c0[0] + 3 * u * t * t * c1[0] + t ** 3 * p1[0],
                u ** 3 * p0[1] + 3 * u * u * t * c0[1] + 3 * u * t * t * c1[1] + t ** 3 * p1[1])
    return [at(i / n) for i in range(n + 1)]


def stroke(points, width, closed=False, caps=True):
    """A polyline of the given width with round joins (and round caps when asked), as a
    union of quads and discs."""
    r = width / 2.0
    shape = []
    pairs = list(zip(points, points[1:]))
    if closed:
        pairs.append((points[-1], points[0]))
    for (x0, y0), (x1, y1) in pairs:
        length = math.hypot(x1 - x0, y1 - y0)
        if length == 0:
            continue
        nx, ny = -(y1 - y0) / length * r, (x1 - x0) / length * r
        shape.append(oriented([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                               (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]))
    joints = points if closed or caps else points[1:-1]
    shape += [circle(x, y, r) for x, y in joints]
    return shape


# ---------------------------------------------------------------- filling

def fill(shape, width, height, scale, dx=0.0, dy=0.0):
    """Coverage of `shape` on a width x height pixel grid; a design unit is `scale` pixels
    and the design origin lands on pixel position (dx, dy)."""
    rows = height * SUBROWS
    crossings = [[] for _ in range(rows)]
    for poly in shape:
        pts = [(x * scale + dx, y * scale + dy) for x, y in poly]
        for i, (x0, y0) in enumerate(pts):
            x1, y1 = pts[(i + 1) % len(pts)]
            if y0 == y1:
                continue
            direction = 1 if y1 > y0 else -1
            ylo, yhi = (y0, y1) if y0 < y1 else (y1, y0)
            first = max(0, math.ceil(ylo * SUBROWS - 0.5))
            last = min(rows, math.ceil(yhi * SUBROWS - 0.5))
            slope = (x1 - x0) / (y1 - y0)
            for j in range(first, last):
                y = (j + 0.5) / SUBROWS
                crossings[j].append((x0 + (y - y0) * slope, direction))

    mask = [0.0] * (width * height)
    for row in range(height):
        run = [0.0] * (width + 1)
        extra = [0.0] * width
        touched = False
        for j in range(row * SUBROWS, (row + 1) * SUBROWS):
            xs = crossings[j]
            if not xs:
                continue
            touched = True
            xs.sort()
            winding = 0
            start = 0.0
            for x, direction in xs:
                before = winding
                winding += direction
                if before == 0 and winding != 0:
                    start = x
                elif before != 0 and winding == 0:
                    _span(run, extra, width, start, x)
        if not touched:
            continue
        acc = 0.0
        base = row * width
        for p in range(width):
            acc += run[p]
            value = (acc + extra[p]) / SUBROWS
            mask[base + p] = 0.0 if value < 0.0 else (1.0 if value > 1.0 else value)
    return mask


def _span(run, extra, width, a, b):
    for x, sign in ((a, 1.0), (b, -1.0)):
        if x <= 0:
            run[0] += sign
        elif x < width:
            ix = int(x)
            run[ix] += sign
            extra[ix] -= sign * (x - ix)


# ---------------------------------------------------------------- mask arithmetic

def union(*masks):
    return [max(values) for values in zip(*masks)]


def subtract(a, b):
    return [x * (1.0 - y) for x, y in zip(a, b)]


def intersect(a, b):
    return [x * y for x, y in zip(a, b)]


def shifted(mask, width, height, dx, dy):
    """The mask moved by whole pixels; what moves in is empty."""
    out = [0.0] * (width * height)
    for y in range(height):
        sy = y - dy
        if 0 <= sy < height:
            for x in range(width):
                sx = x - dx
                if 0 <= sx < width:
                    out[y * width + x] = mask[sy * width + sx]
    return out


def blurred(mask, width, height, radius):
    """Three box-blur passes each way: close to a Gaussian of about `radius` pixels."""
    r = max(1, int(round(radius / 1.7)))
    out = list(mask)
    for _ in range(3):
        out = _box(out, width, height, r, True)
        out = _box(out, width, height, r, False)
    return out


def _box(mask, width, height, r, horizontal):
    out = [0.0] * (width * height)
    n = 2 * r + 1
    lines, length = (height, width) if horizontal else (width, height)
    for line in range(lines):
        if horizontal:
            index = [line * width + i for i in range(length)]
        else:
            index = [i * width + line for i in range(length)]
        values = [mask[i] for i in index]
        total = 0.0
        for i in range(-r, r + 1):
            if 0 <= i < length:
                total += values[i]
        for i in range(length):
            out[index[i]] = total / n
            leaving, entering = i - r, i + r + 1
            if 0 <= leaving < length:
                total -= values[leaving]
            if 0 <= entering < length:
                total += values[entering]
    return out
