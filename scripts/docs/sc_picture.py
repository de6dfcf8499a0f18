"""The cut-away drawing of the self-cleaning steam cylinder, as SVG.

Numbered callouts instead of words keep one drawing for every language; each
document's legend names the numbers.
"""
import math
import random

W, H = 720, 470


def _flake(rng, cx, cy, size):
    points = []
    corners = rng.randint(4, 6)
    for i in range(corners):
        a = 2 * math.pi * i / corners + rng.uniform(-0.4, 0.4)
        r = size * rng.uniform(0.55, 1.0)
        points.append("%.1f,%.1f" % (cx + r * math.cos(a), cy + r * math.sin(a)))
    return '<polygon points="%s" fill="#d9d2bd" stroke="#9c937a" stroke-width="0.8"/>' % " ".join(points)


def _callout(n, x, y, tx, ty):
    return (
        '<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="#1f5f7a" stroke-width="1.4"/>'
        '<circle cx="%d" cy="%d" r="5" fill="#1f5f7a"/>'
        '<circle cx="%d" cy="%d" r="15" fill="#ffffff" stroke="#1f5f7a" stroke-width="2.2"/>'
        '<text x="%d" y="%d" font-family="DejaVu Sans, Arial, sans-serif" font-size="17" '
        'font-weight="bold" fill="#1f5f7a" text-anchor="middle">%d</text>'
        % (x, y, tx, ty, x, y, tx, ty, tx, ty + 6, n)
    )


def svg():
    rng = random.Random(7)  # the same flakes on every run
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % (W, H, W, H)]
    out.append("""
<defs>
  <linearGradient id="steel" x1="0" x2="1" y1="0" y2="0">
    <stop offset="0" stop-color="#8f9aa3"/><stop offset="0.18" stop-color="#e9eef1"/>
    <stop offset="0.55" stop-color="#c3ccd2"/><stop offset="1" stop-color="#7d8891"/>
  </linearGradient>
  <linearGradient id="water" x1="0" x2="0" y1="0" y2="1">
    <stop offset="0" stop-color="#8cc8ec"/><stop offset="1" stop-color="#3d8fc4"/>
  </linearGradient>
  <linearGradient id="heat" x1="0" x2="1" y1="0" y2="0">
    <stop offset="0" stop-color="#b8321f"/><stop offset="0.5" stop-color="#f0772f"/>
    <stop offset="1" stop-color="#b8321f"/>
  </linearGradient>
  <radialGradient id="steam" cx="0.5" cy="0.5" r="0.5">
    <stop offset="0" stop-color="#ffffff" stop-opacity="0.95"/>
    <stop offset="1" stop-color="#dfeaf1" stop-opacity="0"/>
  </radialGradient>
</defs>
<rect width="100%" height="100%" fill="#ffffff"/>
<rect x="12" y="12" width="696" height="446" rx="14" fill="#f4f8fa" stroke="#c5ccd3"/>
""")
    # Steam line to the duct, with steam rising from the cylinder.
    out.append('<path d="M 250 92 L 250 52 Q 250 36 266 36 L 470 36" fill="none" stroke="#6c7780" '
               'stroke-width="16" stroke-linecap="round"/>')
    out.append('<path d="M 250 92 L 250 52 Q 250 36 266 36 L 470 36" fill="none" stroke="#aab4bb" '
               'stroke-width="10" stroke-linecap="round"/>')
    # Cylinder body: the heated zone above, the calm collector zone below.
    out.append('<rect x="150" y="88" width="200" height="322" rx="26" fill="url(#steel)" stroke="#5d6870" '
               'stroke-width="3"/>')
    out.append('<rect x="162" y="100" width="176" height="298" rx="18" fill="#d5e0e7"/>')
    for i in range(8):
        out.append('<ellipse cx="%d" cy="%d" rx="%d" ry="%d" fill="#ffffff" fill-opacity="0.85" stroke="#b3c3cd" '
                   'stroke-width="1"/>' % (182 + (i % 4) * 44, 122 + (i // 4) * 26 + (i % 2) * 6, 15 + i % 3 * 3, 9))
    out.append('<rect x="162" y="176" width="176" height="222" rx="18" fill="url(#water)"/>')
    out.append('<path d="M 162 176 q 11 -5 22 0 t 22 0 t 22 0 t 22 0 t 22 0 t 22 0 t 22 0 t 22 0" '
               'fill="none" stroke="#ffffff" stroke-width="2"/>')
    # Heating elements: three U-tubes hanging from the lid.
    for i, x in enumerate((190, 234, 278)):
        out.append('<path d="M %d 100 L %d 282 Q %d 300 %d 282 L %d 100" fill="none" stroke="url(#heat)" '
                   'stroke-width="9" stroke-linecap="round"/>' % (x, x, x + 8, x + 16, x + 16))
    # Rising bubbles at the elements.
    for _ in range(26):
        x = rng.choice((190, 206, 234, 250, 278, 294)) + rng.uniform(-6, 6)
        y = rng.uniform(184, 276)
        out.append('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#ffffff" fill-opacity="0.8"/>'
                   % (x, y, rng.uniform(1.5, 3.2)))
    # Scale flakes sinking from the elements.
    for _ in range(16):
        out.append(_flake(rng, rng.uniform(182, 318), rng.uniform(292, 336), rng.uniform(3, 6)))
    # Scale collector: a perforated tray below the heated zone, partly filled.
    out.append('<path d="M 170 344 L 330 344 L 322 384 L 178 384 Z" fill="#c9d3da" fill-opacity="0.55" '
               'stroke="#4f5a62" stroke-width="2.5"/>')
    for x in range(182, 322, 12):
        out.append('<line x1="%d" y1="349" x2="%d" y2="379" stroke="#4f5a62" stroke-width="1" '
                   'stroke-dasharray="3,3"/>' % (x, x - 2 if x < 250 else x + 2))
    for _ in range(22):
        out.append(_flake(rng, rng.uniform(186, 314), rng.uniform(364, 380), rng.uniform(3, 5)))
    # Water inlet with its fill valve on the left.
    out.append('<path d="M 40 330 L 150 330" stroke="#3d8fc4" stroke-width="10"/>')
    out.append('<rect x="72" y="314" width="30" height="32" rx="4" fill="#6d9f3a" stroke="#41651f" '
               'stroke-width="2"/>')
    out.append('<path d="M 30 318 l 12 12 l -12 12" fill="none" stroke="#3d8fc4" stroke-width="4"/>')
    # Level sensor: a measuring tube beside the cylinder with its float.
    out.append('<path d="M 350 150 L 392 150 L 392 322 L 350 322" fill="none" stroke="#5d6870" '
               'stroke-width="5"/>')
    out.append('<rect x="380" y="176" width="24" height="146" fill="url(#water)"/>')
    out.append('<rect x="382" y="166" width="20" height="18" rx="5" fill="#f2c230" stroke="#9a7a10" '
               'stroke-width="2"/>')
    # Drain: from the bottom through the blow-down pump to the outlet.
    out.append('<path d="M 250 410 L 250 428 L 430 428" fill="none" stroke="#7a6a4f" stroke-width="10"/>')
    out.append('<circle cx="330" cy="428" r="20" fill="#e7ecef" stroke="#4f5a62" stroke-width="3"/>')
    for a in range(0, 360, 60):
        r = math.radians(a)
        out.append('<line x1="330" y1="428" x2="%.1f" y2="%.1f" stroke="#4f5a62" stroke-width="3"/>'
                   % (330 + 14 * math.cos(r), 428 + 14 * math.sin(r)))
    out.append('<path d="M 430 428 l 0 -10 l 20 10 l -20 10 Z" fill="#7a6a4f"/>')
    # Duct with the steam distribution pipe at the end of the steam line.
    out.append('<rect x="470" y="20" width="220" height="150" rx="4" fill="#e3e9ed" stroke="#7d8891" '
               'stroke-width="2"/>')
    out.append('<rect x="480" y="30" width="200" height="130" fill="#f7fafb"/>')
    out.append('<path d="M 470 36 L 500 36 L 500 95 L 660 95" fill="none" stroke="#6c7780" stroke-width="10" '
               'stroke-linecap="round"/>')
    for x in range(520, 661, 22):
        out.append('<ellipse cx="%d" cy="78" rx="10" ry="8" fill="#ffffff" stroke="#a9bcc8" '
                   'stroke-width="1"/>' % x)
    for y in (120, 138):
        out.append('<path d="M 490 %d L 660 %d" stroke="#9fb3c0" stroke-width="2" stroke-dasharray="10,6"/>'
                   % (y, y))
        out.append('<path d="M 660 %d l -10 -5 l 0 10 Z" fill="#9fb3c0"/>' % y)
    # Callouts 1 .. 8, in the order of the legend.
    calls = [
        (1, 250, 66, 120, 60),     # steam outlet
        (2, 198, 220, 92, 150),    # heating elements
        (3, 300, 316, 440, 270),   # flakes of scale
        (4, 322, 372, 440, 340),   # scale collector
        (5, 330, 428, 212, 446),   # blow-down pump
        (6, 87, 330, 60, 392),     # fill valve
        (7, 392, 175, 440, 208),   # level sensor
        (8, 600, 95, 600, 190),    # steam distribution pipe in the duct
    ]
    for n, x, y, tx, ty in calls:
        out.append(_callout(n, x, y, tx, ty))
    out.append("</svg>")
    return "\n".join(out)
