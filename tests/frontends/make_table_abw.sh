#!/bin/sh
# Writes table.abw: a small AbiWord document with a paragraph, a table of
# three columns (1, 1.5 and 2 inches) and three rows, and a paragraph after
# it. The first row holds the bold column titles; in the second, the first
# cell is shaded light grey and the third spans the second and third rows;
# in the third, the first cell spans the first two columns. Every cell has
# AbiWord's thin black borders, the second row's first cell a 2-point top
# border and a red bottom one.
# Usage: tests/frontends/make_table_abw.sh [OUTPUT] (default: table.abw
# beside this script).
set -eu
out=${1:-$(dirname "$0")/table.abw}
cat > "$out" <<'ABW'
<?xml version="1.0" encoding="UTF-8"?>
<abiword xmlns="http://www.abisource.com/awml.dtd" version="1.0" fileformat="1.0">
<pagesize pagetype="Letter" orientation="portrait" width="8.500000" height="11.000000" units="in" page-scale="1.000000"/>
<section props="page-margin-left:1.0000in; page-margin-right:1.0000in; page-margin-top:1.0000in; page-margin-bottom:1.0000in">
<p>Stock:</p>
<table props="table-column-props:1.0in/1.5in/2.0in/; table-column-leftpos:0.0in">
<cell props="left-attach:0; right-attach:1; top-attach:0; bot-attach:1"><p><c props="font-weight:bold">Item</c></p></cell>
<cell props="left-attach:1; right-attach:2; top-attach:0; bot-attach:1"><p><c props="font-weight:bold">Count</c></p></cell>
<cell props="left-attach:2; right-attach:3; top-attach:0; bot-attach:1"><p><c props="font-weight:bold">Note</c></p></cell>
<cell props="left-attach:0; right-attach:1; top-attach:1; bot-attach:2; background-color:c0c0c0; top-color:000000; top-thickness:2pt; bot-color:ff0000"><p>Apples</p></cell>
<cell props="left-attach:1; right-attach:2; top-attach:1; bot-attach:2"><p>4</p></cell>
<cell props="left-attach:2; right-attach:3; top-attach:1; bot-attach:3"><p>Fresh</p><p>today</p></cell>
<cell props="left-attach:0; right-attach:2; top-attach:2; bot-attach:3"><p>Total 4</p></cell>
</table>
<p>After the table.</p>
</section>
</abiword>
ABW
