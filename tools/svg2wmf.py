#!/usr/bin/env python3
"""Turns one of our SVG drawings into a placeable Windows metafile.

usage: svg2wmf.py [--twips-per-unit T] IN.svg OUT.wmf

The memory game reads its animal pictures as metafiles, so that a school can
put clip art of its own in their place. Our own animals are drawn as SVG and
converted with this script once; the metafiles are committed.

Reads the part of SVG our drawings use: rect, circle, ellipse, polygon,
polyline, line and path (M L H V C S Q T Z, absolute and relative) inside g
groups, with fill, stroke, stroke-width and transform (matrix, translate,
scale, rotate). Colours by their SVG names only; no gradients, no opacity:
a metafile has neither. A filled
shape becomes a polygon (an upright ellipse stays an ellipse), a shape with
only a stroke a polyline. Curves are flattened into short lines.

The viewBox becomes the picture's frame, ten logical units to an SVG unit,
and the frame's size on paper is T twips (default 5) to an SVG unit.
"""
import argparse
import math
import re
import struct
import xml.etree.ElementTree as ET

SCALE = 10  # logical units per SVG unit


# The named colours of SVG. The metafile library writes every colour as the
# nearest of these names, so our drawings use only them and come out of the
# metafile exactly as drawn.
NAMED = dict(
    aliceblue=0xf0f8ff, antiquewhite=0xfaebd7, aqua=0x00ffff, aquamarine=0x7fffd4, azure=0xf0ffff,
    beige=0xf5f5dc, bisque=0xffe4c4, black=0x000000, blanchedalmond=0xffebcd, blue=0x0000ff,
    blueviolet=0x8a2be2, brown=0xa52a2a, burlywood=0xdeb887, cadetblue=0x5f9ea0, chartreuse=0x7fff00,
    chocolate=0xd2691e, coral=0xff7f50, cornflowerblue=0x6495ed, cornsilk=0xfff8dc, crimson=0xdc143c,
    cyan=0x00ffff, darkblue=0x00008b, darkcyan=0x008b8b, darkgoldenrod=0xb8860b, darkgray=0xa9a9a9,
    darkgreen=0x006400, darkgrey=0xa9a9a9, darkkhaki=0xbdb76b, darkmagenta=0x8b008b,
    darkolivegreen=0x556b2f, darkorange=0xff8c00, darkorchid=0x9932cc, darkred=0x8b0000,
    darksalmon=0xe9967a, darkseagreen=0x8fbc8f, darkslateblue=0x483d8b, darkslategray=0x2f4f4f,
    darkslategrey=0x2f4f4f, darkturquoise=0x00ced1, darkviolet=0x9400d3, deeppink=0xff1493,
    deepskyblue=0x00bfff, dimgray=0x696969, dimgrey=0x696969, dodgerblue=0x1e90ff, firebrick=0xb22222,
    floralwhite=0xfffaf0, forestgreen=0x228b22, fuchsia=0xff00ff, gainsboro=0xdcdcdc,
    ghostwhite=0xf8f8ff, gold=0xffd700, goldenrod=0xdaa520, gray=0x808080, grey=0x808080,
    green=0x008000, greenyellow=0xadff2f, honeydew=0xf0fff0, hotpink=0xff69b4, indianred=0xcd5c5c,
    indigo=0x4b0082, ivory=0xfffff0, khaki=0xf0e68c, lavender=0xe6e6fa, lavenderblush=0xfff0f5,
    lawngreen=0x7cfc00, lemonchiffon=0xfffacd, lightblue=0xadd8e6, lightcoral=0xf08080,
    lightcyan=0xe0ffff, lightgoldenrodyellow=0xfafad2, lightgray=0xd3d3d3, lightgreen=0x90ee90,
    lightgrey=0xd3d3d3, lightpink=0xffb6c1, lightsalmon=0xffa07a, lightseagreen=0x20b2aa,
    lightskyblue=0x87cefa, lightslategray=0x778899, lightslategrey=0x778899, lightsteelblue=0xb0c4de,
    lightyellow=0xffffe0, lime=0x00ff00, limegreen=0x32cd32, linen=0xfaf0e6, magenta=0xff00ff,
    maroon=0x800000, mediumaquamarine=0x66cdaa, mediumblue=0x0000cd, mediumorchid=0xba55d3,
    mediumpurple=0x9370db, mediumseagreen=0x3cb371, mediumslateblue=0x7b68ee,
    mediumspringgreen=0x00fa9a, mediumturquoise=0x48d1cc, mediumvioletred=0xc71585,
    midnightblue=0x191970, mintcream=0xf5fffa, mistyrose=0xffe4e1, moccasin=0xffe4b5,
    navajowhite=0xffdead, navy=0x000080, oldlace=0xfdf5e6, olive=0x808000, olivedrab=0x6b8e23,
    orange=0xffa500, orangered=0xff4500, orchid=0xda70d6, palegoldenrod=0xeee8aa, palegreen=0x98fb98,
    paleturquoise=0xafeeee, palevioletred=0xdb7093, papayawhip=0xffefd5, peachpuff=0xffdab9,
    peru=0xcd853f, pink=0xffc0cb, plum=0xdda0dd, powderblue=0xb0e0e6, purple=0x800080, red=0xff0000,
    rosybrown=0xbc8f8f, royalblue=0x4169e1, saddlebrown=0x8b4513, salmon=0xfa8072,
    sandybrown=0xf4a460, seagreen=0x2e8b57, seashell=0xfff5ee, sienna=0xa0522d, silver=0xc0c0c0,
    skyblue=0x87ceeb, slateblue=0x6a5acd, slategray=0x708090, slategrey=0x708090, snow=0xfffafa,
    springgreen=0x00ff7f, steelblue=0x4682b4, tan=0xd2b48c, teal=0x008080, thistle=0xd8bfd8,
    tomato=0xff6347, turquoise=0x40e0d0, violet=0xee82ee, wheat=0xf5deb3, white=0xffffff,
    whitesmoke=0xf5f5f5, yellow=0xffff00, yellowgreen=0x9acd32,
)


def parse_color(value):
    if value is None or value == 'none':
        return None
    value = value.strip()
    if value not in NAMED:
        raise ValueError('use one of the named colours of SVG, not ' + value)
    return NAMED[value]


def colorref(rgb):
    r, g, b = (rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255
    return r | (g << 8) | (b << 16)


# Affine matrices as (a, b, c, d, e, f): x' = a x + c y + e, y' = b x + d y + f.
IDENTITY = (1, 0, 0, 1, 0, 0)


def multiply(m, n):
    a, b, c, d, e, f = m
    A, B, C, D, E, F = n
    return (a * A + c * B, b * A + d * B, a * C + c * D, b * C + d * D, a * E + c * F + e, b * E + d * F + f)


def apply(m, p):
    a, b, c, d, e, f = m
    x, y = p
    return (a * x + c * y + e, b * x + d * y + f)


def parse_transform(text):
    m = IDENTITY
    if not text:
        return m
    for name, args in re.findall(r'(\w+)\s*\(([^)]*)\)', text):
        v = [float(x) for x in re.split(r'[\s,]+', args.strip()) if x]
        if name == 'matrix':
            t = tuple(v)
        elif name == 'translate':
            t = (1, 0, 0, 1, v[0], v[1] if len(v) > 1 else 0)
        elif name == 'scale':
            t = (v[0], 0, 0, v[1] if len(v) > 1 else v[0], 0, 0)
        elif name == 'rotate':
            r = math.radians(v[0])
            t = (math.cos(r), math.sin(r), -math.sin(r), math.cos(r), 0, 0)
            if len(v) == 3:
                t = multiply(multiply((1, 0, 0, 1, v[1], v[2]), t), (1, 0, 0, 1, -v[1], -v[2]))
        else:
            raise ValueError('transform not understood: ' + name)
        m = multiply(m, t)
    return m


def numbers(text):
    return [float(x) for x in re.findall(r'[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?', text)]


def bezier(points, steps):
    out = []
    for i in range(1, steps + 1):
        t = i / steps
        pts = list(points)
        while len(pts) > 1:
            pts = [((1 - t) * p[0] + t * q[0], (1 - t) * p[1] + t * q[1]) for p, q in zip(pts, pts[1:])]
        out.append(pts[0])
    return out


def parse_path(d):
    """Subpaths as (points, closed)."""
    tokens = re.findall(r'[MmLlHhVvCcSsQqTtZz]|[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?', d)
    subpaths, current, closed = [], [], False
    pos = (0.0, 0.0)
    start = pos
    last_ctrl = None
    cmd = None
    i = 0

    def take(n):
        nonlocal i
        vals = [float(t) for t in tokens[i:i + n]]
        i += n
        return vals

    def flush():
        nonlocal current, closed
        if len(current) > 1:
            subpaths.append((current, closed))
        current, closed = [], False

    while i < len(tokens):
        if re.fullmatch(r'[A-Za-z]', tokens[i]):
            cmd = tokens[i]
            i += 1
            if cmd in 'Zz':
                closed = True
                pos = start
                flush()
                last_ctrl = None
                continue
        rel = cmd.islower()
        c = cmd.upper()
        ox, oy = pos if rel else (0.0, 0.0)
        if c == 'M':
            x, y = take(2)
            flush()
            pos = (ox + x, oy + y)
            start = pos
            current = [pos]
            cmd = 'l' if rel else 'L'
            last_ctrl = None
        elif c == 'L':
            x, y = take(2)
            pos = (ox + x, oy + y)
            current.append(pos)
            last_ctrl = None
        elif c == 'H':
            (x,) = take(1)
            pos = (ox + x, pos[1])
            current.append(pos)
            last_ctrl = None
        elif c == 'V':
            (y,) = take(1)
            pos = (pos[0], oy + y)
            current.append(pos)
            last_ctrl = None
        elif c in 'CS':
            if c == 'C':
                x1, y1, x2, y2, x, y = take(6)
                c1 = (ox + x1, oy + y1)
            else:
                x2, y2, x, y = take(4)
                c1 = (2 * pos[0] - last_ctrl[0], 2 * pos[1] - last_ctrl[1]) if last_ctrl else pos
            c2 = (ox + x2, oy + y2)
            end = (ox + x, oy + y)
            current += bezier([pos, c1, c2, end], 16)
            pos, last_ctrl = end, c2
        elif c in 'QT':
            if c == 'Q':
                x1, y1, x, y = take(4)
                c1 = (ox + x1, oy + y1)
            else:
                x, y = take(2)
                c1 = (2 * pos[0] - last_ctrl[0], 2 * pos[1] - last_ctrl[1]) if last_ctrl else pos
            end = (ox + x, oy + y)
            current += bezier([pos, c1, end], 12)
            pos, last_ctrl = end, c1
        else:
            raise ValueError('path command not understood: ' + cmd)
        if not current:
            current = [pos]
    flush()
    return subpaths


def ellipse_points(cx, cy, rx, ry, n=48):
    return [(cx + rx * math.cos(2 * math.pi * k / n), cy + ry * math.sin(2 * math.pi * k / n)) for k in range(n)]


class Metafile:
    def __init__(self):
        self.records = []
        self.objects = {}  # ('pen'|'brush', key) -> index
        self.max_record = 0

    def record(self, function, payload):
        size = 3 + len(payload) // 2
        self.max_record = max(self.max_record, size)
        self.records.append(struct.pack('<IH', size, function) + payload)

    def words(self, *values):
        return struct.pack('<%dh' % len(values), *values)

    def object(self, kind, key):
        if (kind, key) not in self.objects:
            index = len(self.objects)
            self.objects[(kind, key)] = index
            if kind == 'pen':
                if key is None:
                    self.record(0x02FA, struct.pack('<HhhI', 5, 0, 0, 0))  # PS_NULL
                else:
                    color, width = key
                    self.record(0x02FA, struct.pack('<HhhI', 0, width, 0, colorref(color)))
            else:
                if key is None:
                    self.record(0x02FC, struct.pack('<HIH', 1, 0, 0))  # BS_NULL
                else:
                    self.record(0x02FC, struct.pack('<HIH', 0, colorref(key), 0))
        return self.objects[(kind, key)]


def convert(svg_path, wmf_path, twips_per_unit):
    root = ET.parse(svg_path).getroot()
    vb = numbers(root.get('viewBox'))
    width, height = vb[2], vb[3]
    base = (SCALE, 0, 0, SCALE, -vb[0] * SCALE, -vb[1] * SCALE)
    shapes = []

    def style(el, inherited):
        s = dict(inherited)
        for key in ('fill', 'stroke', 'stroke-width'):
            if el.get(key) is not None:
                s[key] = el.get(key)
        if el.get('style'):
            for part in el.get('style').split(';'):
                if ':' in part:
                    k, v = part.split(':', 1)
                    s[k.strip()] = v.strip()
        return s

    def walk(el, matrix, inherited):
        tag = el.tag.split('}')[-1]
        if tag in ('defs', 'title', 'desc', 'metadata'):
            return
        m = multiply(matrix, parse_transform(el.get('transform')))
        s = style(el, inherited)
        f = lambda k, d=0: float(el.get(k, d))
        geometry = []  # (points, closed)
        ellipse = None
        if tag == 'rect':
            x, y, w, h = f('x'), f('y'), f('width'), f('height')
            r = f('rx', el.get('ry', 0))
            if r > 0:
                r = min(r, w / 2, h / 2)
                pts = []
                for cx, cy, a0 in ((x + w - r, y + r, -90), (x + w - r, y + h - r, 0), (x + r, y + h - r, 90), (x + r, y + r, 180)):
                    pts += [(cx + r * math.cos(math.radians(a0 + 90 * k / 8)), cy + r * math.sin(math.radians(a0 + 90 * k / 8))) for k in range(9)]
                geometry = [(pts, True)]
            else:
                geometry = [([(x, y), (x + w, y), (x + w, y + h), (x, y + h)], True)]
        elif tag in ('circle', 'ellipse'):
            cx, cy = f('cx'), f('cy')
            rx = f('r') if tag == 'circle' else f('rx')
            ry = f('r') if tag == 'circle' else f('ry')
            ellipse = (cx, cy, rx, ry)
            geometry = [(ellipse_points(cx, cy, rx, ry), True)]
        elif tag in ('polygon', 'polyline'):
            v = numbers(el.get('points'))
            geometry = [(list(zip(v[0::2], v[1::2])), tag == 'polygon')]
        elif tag == 'line':
            geometry = [([(f('x1'), f('y1')), (f('x2'), f('y2'))], False)]
        elif tag == 'path':
            geometry = parse_path(el.get('d'))
        elif tag in ('svg', 'g'):
            for child in el:
                walk(child, m, s)
            return
        else:
            raise ValueError('element not understood: ' + tag)
        fill = parse_color(s.get('fill', 'black'))
        stroke = parse_color(s.get('stroke', 'none'))
        scale = math.sqrt(abs(m[0] * m[3] - m[1] * m[2]))
        pen_width = max(1, round(float(s.get('stroke-width', 1)) * scale)) if stroke is not None else 0
        upright = abs(m[1]) < 1e-9 and abs(m[2]) < 1e-9
        for points, closed in geometry:
            device = [apply(m, p) for p in points]
            if ellipse and upright:
                cx, cy, rx, ry = ellipse
                tl = apply(m, (cx - rx, cy - ry))
                br = apply(m, (cx + rx, cy + ry))
                shapes.append(('ellipse', (min(tl[0], br[0]), min(tl[1], br[1]), max(tl[0], br[0]), max(tl[1], br[1])), fill, stroke, pen_width))
            elif closed and fill is not None:
                shapes.append(('polygon', device, fill, stroke, pen_width))
            else:
                if closed:
                    device = device + device[:1]
                if stroke is not None:
                    shapes.append(('polyline', device, None, stroke, pen_width))

    walk(root, base, {})

    wmf = Metafile()
    w, h = round(width * SCALE), round(height * SCALE)
    wmf.record(0x0103, wmf.words(8))             # SETMAPMODE MM_ANISOTROPIC
    wmf.record(0x020B, wmf.words(0, 0))          # SETWINDOWORG y, x
    wmf.record(0x020C, wmf.words(h, w))          # SETWINDOWEXT y, x
    wmf.record(0x0106, wmf.words(2))             # SETPOLYFILLMODE WINDING
    wmf.record(0x0102, wmf.words(2))             # SETBKMODE OPAQUE
    selected = {}
    for kind, geom, fill, stroke, pen_width in shapes:
        brush = wmf.object('brush', fill if kind != 'polyline' else None)
        pen = wmf.object('pen', (stroke, pen_width) if stroke is not None else None)
        for which, index in (('brush', brush), ('pen', pen)):
            if selected.get(which) != index:
                wmf.record(0x012D, wmf.words(index))  # SELECTOBJECT
                selected[which] = index
        if kind == 'ellipse':
            l, t, r, b = (round(v) for v in geom)
            wmf.record(0x0418, wmf.words(b, r, t, l))  # ELLIPSE
        else:
            pts = [(round(x), round(y)) for x, y in geom]
            dedup = [p for k, p in enumerate(pts) if k == 0 or p != pts[k - 1]]
            payload = wmf.words(len(dedup)) + b''.join(wmf.words(x, y) for x, y in dedup)
            wmf.record(0x0324 if kind == 'polygon' else 0x0325, payload)
    for index in range(len(wmf.objects)):
        wmf.record(0x01F0, wmf.words(index))          # DELETEOBJECT
    wmf.record(0x0000, b'')                           # EOF

    body = b''.join(wmf.records)
    header = struct.pack('<HHHIHIH', 1, 9, 0x0300, (18 + len(body)) // 2, len(wmf.objects), wmf.max_record, 0)
    inch = round(1440 * SCALE / twips_per_unit)
    placeable = struct.pack('<IHhhhhHI', 0x9AC6CDD7, 0, 0, 0, w, h, inch, 0)
    checksum = 0
    for (word,) in struct.iter_unpack('<H', placeable):
        checksum ^= word
    with open(wmf_path, 'wb') as out:
        out.write(placeable + struct.pack('<H', checksum) + header + body)


if __name__ == '__main__':
    ap = argparse.ArgumentParser()
    ap.add_argument('--twips-per-unit', type=float, default=5)
    ap.add_argument('svg')
    ap.add_argument('wmf')
    a = ap.parse_args()
    convert(a.svg, a.wmf, a.twips_per_unit)
