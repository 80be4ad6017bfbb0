#!/bin/sh
# Writes frames.abw: an AbiWord document on a US Letter page with one-inch
# margins holding one small picture (a 2 by 2 pixel PNG, stored once in the
# document's data) three times: in the line of the first paragraph, 1 inch
# wide and half an inch high; in a frame anchored to a page, 1 inch square,
# 1 inch from the page's left edge and 2 inches from its top; and in a frame
# anchored to a paragraph, 1 inch square, half an inch right and a quarter
# inch down from it. Then a text box anchored to a paragraph, 2 by 1 inches,
# 3 inches right of it, whose text has a bold word.
# Usage: tests/frontends/make_frames_abw.sh [OUTPUT] (default: frames.abw
# beside this script).
set -eu
out=${1:-$(dirname "$0")/frames.abw}
cat > "$out" <<'ABW'
<?xml version="1.0" encoding="UTF-8"?>
<abiword xmlns="http://www.abisource.com/awml.dtd" version="1.0" fileformat="1.0">
<pagesize pagetype="Letter" orientation="portrait" width="8.500000" height="11.000000" units="in" page-scale="1.000000"/>
<section props="page-margin-left:1.0000in; page-margin-right:1.0000in; page-margin-top:1.0000in; page-margin-bottom:1.0000in">
<p>A dot <image dataid="dot" props="width:1.0000in; height:0.5000in"/> in the line.</p>
<frame strux-image-dataid="dot" props="frame-type:image; position-to:page-above-text; frame-page-xpos:1.0000in; frame-page-ypos:2.0000in; frame-width:1.0000in; frame-height:1.0000in"/>
<frame strux-image-dataid="dot" props="frame-type:image; position-to:block-above-text; xpos:0.5000in; ypos:0.2500in; frame-width:1.0000in; frame-height:1.0000in"/>
<p>Beside a framed dot.</p>
<frame props="frame-type:textbox; position-to:block-above-text; xpos:3.0000in; ypos:0.0000in; frame-width:2.0000in; frame-height:1.0000in">
<p>In the <c props="font-weight:bold">box</c>.</p>
</frame>
<p>The end.</p>
</section>
<data>
<d name="dot" mime-type="image/png" base64="yes">
iVBORw0KGgoAAAANSUhEUgAAAAIAAAACCAIAAAD91JpzAAAAEElEQVR42mP4z8AARAwQCgAf7gP9Y167WwAAAABJRU5ErkJggg==
</d>
</data>
</abiword>
ABW
