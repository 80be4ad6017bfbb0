#!/usr/bin/env python3
"""The HTML preview of the bundled sample, as a real browser draws it.

Converts samples/sample.lst to ICF, writes its preview with icfdump --html
and has headless Chromium draw it twice at the same window width: once
dumping the page after a small script appended to it has written the
rectangles of the things probed into the title, once as a screenshot. The
pixels inside those rectangles must show the bold title, a grid line of the
figures table and the shaded header cell. The script only reads the layout,
so both runs lay the page out alike.

Usage: browser_pixels.py ICFEXPORT ICFDUMP SAMPLE WORK_DIR
Exits 77 (skipped) when no Chromium is installed.
"""
import collections
import html
import json
import pathlib
import re
import shutil
import struct
import subprocess
import sys
import zlib

SKIPPED = 77
WINDOW = (1400, 1000)

# What the sample holds: its title (bold), a cell of the figures table
# with a neighbour to its right and no borders of its own, and the table's
# header cell, shaded with solid D9D9D9.
TITLE = "Quarterly Report"
GRID_CELL = "North"
SHADED_CELL, SHADING = "Region", (0xD9, 0xD9, 0xD9)

# Writes the rectangles of the probes, in CSS pixels of the page, into the
# title: for a text, of the first run of text that is just that text; for a
# cell, of the first table cell holding such a run. Beside them, the title's
# text set again in the title's font, size and colour but in normal weight,
# in the window's top left corner where nothing is probed (placed absolutely,
# it moves nothing else): the weight the title is drawn in is measured
# against it.
PROBE_SCRIPT = """<script>
(() => {
  const find = (text, inCell) => {
    const walker = document.createTreeWalker(document.querySelector("main"), NodeFilter.SHOW_TEXT);
    for (let node; (node = walker.nextNode());) {
      if (node.data.trim() === text && (!inCell || node.parentElement.closest("td"))) {
        const range = document.createRange();
        range.setStart(node, node.data.indexOf(text));
        range.setEnd(node, node.data.indexOf(text) + text.length);
        return range;
      }
    }
    return null;
  };
  const box = (r) => [r.left, r.top, r.right, r.bottom];
  const cell = (t) => {
    const range = find(t, true);
    return range && box(range.startContainer.parentElement.closest("td").getBoundingClientRect());
  };
  const title = find(%s);
  const probes = { width: innerWidth, title: title && box(title.getBoundingClientRect()),
    grid: cell(%s), shaded: cell(%s) };
  if (title) {
    const drawn = getComputedStyle(title.startContainer.parentElement);
    const normal = document.createElement("span");
    normal.textContent = title.toString();
    Object.assign(normal.style, { position: "absolute", left: 0, top: 0, background: "#fff", whiteSpace: "pre",
      fontFamily: drawn.fontFamily, fontSize: drawn.fontSize, fontStyle: drawn.fontStyle, color: drawn.color,
      fontWeight: "normal" });
    document.body.append(normal);
    probes.normal = box(normal.getBoundingClientRect());
  }
  document.title = JSON.stringify(probes);
})();
</script>
""" % tuple(json.dumps(t) for t in (TITLE, GRID_CELL, SHADED_CELL))


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def find_chromium():
    program = shutil.which("chromium") or shutil.which("chromium-browser")
    if not program:
        print("chromium is not installed (scripts/test installs it): the browser check is skipped")
        sys.exit(SKIPPED)
    return program


def draw(program, arguments, work):
    """Runs headless Chromium on the page; its output. No sandbox, so that it
    runs as root too; no shared memory, which containers keep small."""
    command = [program, "--headless", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
               "--hide-scrollbars", "--force-device-scale-factor=1", "--user-data-dir=" + str(work / "profile"),
               "--window-size=%d,%d" % WINDOW] + arguments
    run = subprocess.run(command, capture_output=True, text=True, timeout=120)
    if run.returncode != 0:
        fail("chromium failed (status %d): %s" % (run.returncode, run.stderr[-2000:]))
    return run.stdout


class Png:
    """An 8-bit RGB or RGBA PNG, not interlaced: the kind a screenshot is."""

    def __init__(self, data):
        if data[:8] != b"\x89PNG\r\n\x1a\n":
            fail("the screenshot is no PNG")
        at, compressed = 8, b""
        while at < len(data):
            length, kind = struct.unpack(">I4s", data[at:at + 8])
            body = data[at + 8:at + 8 + length]
            if kind == b"IHDR":
                self.width, self.height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
                if depth != 8 or colour not in (2, 6) or interlace:
                    fail("screenshot of an unexpected PNG kind (depth %d, colour type %d)" % (depth, colour))
                self.step = 3 if colour == 2 else 4
            elif kind == b"IDAT":
                compressed += body
            at += 12 + length
        self.rows = self._unfilter(zlib.decompress(compressed))

    def _unfilter(self, raw):
        step, stride = self.step, self.width * self.step
        rows, previous = [], bytearray(stride)
        for y in range(self.height):
            start = y * (stride + 1)
            kind, row = raw[start], bytearray(raw[start + 1:start + 1 + stride])
            for i in range(stride):
                left = row[i - step] if i >= step else 0
                up = previous[i]
                if kind == 1:
                    row[i] = (row[i] + left) & 0xFF
                elif kind == 2:
                    row[i] = (row[i] + up) & 0xFF
                elif kind == 3:
                    row[i] = (row[i] + (left + up) // 2) & 0xFF
                elif kind == 4:
                    corner = previous[i - step] if i >= step else 0
                    p = left + up - corner
                    pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                    row[i] = (row[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
            rows.append(row)
            previous = row
        return rows

    def pixel(self, x, y):
        row = self.rows[y]
        return tuple(row[x * self.step:x * self.step + 3])

    def pixels(self, box, inset=0):
        left, top, right, bottom = (round(v) for v in box)
        return [self.pixel(x, y) for y in range(top + inset, bottom - inset)
                for x in range(left + inset, right - inset)]


def dark(rgb):
    return sum(rgb) < 3 * 128


def ink(image, box):
    """The share of dark pixels in a box: how much ink its text laid down."""
    pixels = image.pixels(box)
    return sum(map(dark, pixels)) / max(1, len(pixels))


def commonest(pixels):
    return collections.Counter(pixels).most_common(1)[0][0]


def near(rgb, expected, tolerance=2):
    return all(abs(a - b) <= tolerance for a, b in zip(rgb, expected))


def check(image, probes):
    for name in ("title", "normal", "grid", "shaded"):
        box = probes.get(name)
        if not box or box[3] > image.height or box[2] > image.width:
            fail("%s not found on the page or outside the %dx%d window: %s" % (name, image.width, image.height, box))
    title, normal = ink(image, probes["title"]), ink(image, probes["normal"])
    print("ink of the title: %.3f, of its text in normal weight: %.3f" % (title, normal))
    if not near(commonest(image.pixels(probes["title"])), (255, 255, 255), 0):
        fail("the title does not stand on a white page")
    if normal < 0.05 or title < 1.2 * normal:
        fail("the title is not drawn bold")
    # The grid line on the cell's right: the darkest of the pixel columns
    # about its edge.
    _, top, edge, bottom = probes["grid"]
    column = max((image.pixels((x, top + 2, x + 1, bottom - 2)) for x in range(round(edge) - 1, round(edge) + 2)),
                 key=lambda pixels: sum(not near(p, (255, 255, 255), 24) for p in pixels))
    lined = sum(not near(p, (255, 255, 255), 24) for p in column) / len(column)
    print("grid line right of the cell %r: %.2f of its pixels drawn" % (GRID_CELL, lined))
    if lined < 0.3:
        fail("no grid line right of the cell %r" % GRID_CELL)
    shade = commonest(image.pixels(probes["shaded"], inset=3))
    print("shaded cell %r: #%02x%02x%02x" % ((SHADED_CELL,) + shade))
    if not near(shade, SHADING):
        fail("the cell %r is not shaded #%02x%02x%02x" % ((SHADED_CELL,) + SHADING))


def main():
    icfexport, icfdump, sample, work = sys.argv[1:5]
    program = find_chromium()
    work = pathlib.Path(work)
    work.mkdir(parents=True, exist_ok=True)
    icf, page = work / "sample.icf", work / "sample.html"
    subprocess.run([icfexport, sample, "-o", str(icf)], check=True)
    subprocess.run([icfdump, "--html", str(icf), "-o", str(page)], check=True)
    text = page.read_text(encoding="utf-8")
    if "</body>" not in text:
        fail("the page has no </body>")
    probed = work / "probed.html"
    probed.write_text(text.replace("</body>", PROBE_SCRIPT + "</body>"), encoding="utf-8")
    dom = draw(program, ["--dump-dom", probed.as_uri()], work)
    found = re.search(r"<title>(.*?)</title>", dom, re.S)
    probes = json.loads(html.unescape(found.group(1))) if found else {}
    screenshot = work / "sample.png"
    draw(program, ["--screenshot=" + str(screenshot), probed.as_uri()], work)
    image = Png(screenshot.read_bytes())
    if probes.get("width") != image.width:
        fail("the page was laid out %s pixels wide, the screenshot is %d" % (probes.get("width"), image.width))
    check(image, probes)
    print("the preview of the sample shows its bold title, table grid and shaded cell")


if __name__ == "__main__":
    main()
