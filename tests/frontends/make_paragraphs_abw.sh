#!/bin/sh
# Writes paragraphs.abw: an AbiWord document on a US Letter page with
# one-inch margins whose paragraphs are centred with space around, indented
# with a hanging first line, one and a half lines apart and with two tab
# stops (the second right-aligned with a dot leader), justified with exact
# lines and widow and orphan control, right-aligned on a new page with
# lines at least 14 points high, and plain again; a footnote in bold text
# whose own text ends in italics, an endnote, a right-aligned header, a
# footer of two lines and a header for the first page only.
# Usage: tests/frontends/make_paragraphs_abw.sh [OUTPUT] (default:
# paragraphs.abw beside this script).
set -eu
out=${1:-$(dirname "$0")/paragraphs.abw}
tab=$(printf '\t')
cat > "$out" <<ABW
<?xml version="1.0" encoding="UTF-8"?>
<abiword xmlns="http://www.abisource.com/awml.dtd" version="1.0" fileformat="1.0">
<pagesize pagetype="Letter" orientation="portrait" width="8.500000" height="11.000000" units="in" page-scale="1.000000"/>
<section props="page-margin-left:1.0000in; page-margin-right:1.0000in; page-margin-top:1.0000in; page-margin-bottom:1.0000in" header="1" footer="2" header-first="3">
<p props="text-align:center; margin-top:12pt; margin-bottom:6pt">Paragraphs and Notes</p>
<p props="margin-left:0.5in; margin-right:0.25in; text-indent:-0.25in; line-height:1.5; tabstops:2in/L0,3.5in/R1">Item${tab}Price${tab}12.50 in <c props="font-weight:bold">bold</c><field type="footnote_ref" footnote-id="1"/><foot footnote-id="1"><p><field type="footnote_anchor" footnote-id="1"/>The <c props="font-style:italic">note</c></p></foot><c props="font-weight:bold"> again</c>.</p>
<p props="text-align:justify; line-height:14pt; widows:2; orphans:3">Justified with exact lines and an endnote<field type="endnote_ref" endnote-id="2"/><endnote endnote-id="2"><p><field type="endnote_anchor" endnote-id="2"/>The endnote.</p></endnote>.</p>
<p props="text-align:right; line-height:14pt+"><pbr/>Right-aligned on a new page.</p>
<p>Plain again.</p>
</section>
<section id="1" type="header"><p props="text-align:right">Running head</p></section>
<section id="2" type="footer"><p>Page footer</p><p>Second footer line</p></section>
<section id="3" type="header-first"><p>First page only</p></section>
</abiword>
ABW
