#!/bin/sh
# Writes sections.abw: an AbiWord document on a US Letter page with
# one-inch margins in three sections. The first, in one column, has a page
# break inside its second paragraph; the second, which goes on without a new
# page, has two columns a quarter inch apart and a column break inside its
# first paragraph; the third is in one column again.
# Usage: tests/frontends/make_sections_abw.sh [OUTPUT] (default:
# sections.abw beside this script).
set -eu
out=${1:-$(dirname "$0")/sections.abw}
margins="page-margin-left:1.0000in; page-margin-right:1.0000in; page-margin-top:1.0000in; page-margin-bottom:1.0000in"
cat > "$out" <<ABW
<?xml version="1.0" encoding="UTF-8"?>
<abiword xmlns="http://www.abisource.com/awml.dtd" version="1.0" fileformat="1.0">
<pagesize pagetype="Letter" orientation="portrait" width="8.500000" height="11.000000" units="in" page-scale="1.000000"/>
<section props="$margins">
<p>One column.</p>
<p>Before the page break<pbr/>after it.</p>
</section>
<section props="columns:2; column-gap:0.25in; $margins">
<p>Left column.<cbr/>Right column.</p>
<p>Still right.</p>
</section>
<section props="$margins">
<p>One column again.</p>
</section>
</abiword>
ABW
