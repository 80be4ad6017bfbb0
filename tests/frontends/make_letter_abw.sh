#!/bin/sh
# Writes letter.abw: a small AbiWord document on a US Letter page with
# one-inch margins, a bold title paragraph in 16-point Times New Roman, and
# a 12-point paragraph with a bold and an italic word.
# Usage: tests/frontends/make_letter_abw.sh [OUTPUT] (default: letter.abw
# beside this script).
set -eu
out=${1:-$(dirname "$0")/letter.abw}
cat > "$out" <<'ABW'
<?xml version="1.0" encoding="UTF-8"?>
<abiword xmlns="http://www.abisource.com/awml.dtd" version="1.0" fileformat="1.0">
<pagesize pagetype="Letter" orientation="portrait" width="8.500000" height="11.000000" units="in" page-scale="1.000000"/>
<section props="page-margin-left:1.0000in; page-margin-right:1.0000in; page-margin-top:1.0000in; page-margin-bottom:1.0000in">
<p props="font-family:Times New Roman; font-size:16pt; font-weight:bold">A Short Letter</p>
<p props="font-family:Times New Roman; font-size:12pt">Dear reader, this word is <c props="font-weight:bold">bold</c> and this one is <c props="font-style:italic">italic</c>.</p>
</section>
</abiword>
ABW
