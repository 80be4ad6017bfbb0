#!/bin/sh
# Writes lists_links_fields.abw: an AbiWord document with a two-level
# numbered list ("1." with "(a)" below it, the second level opened under
# two items of the first), a bulleted list, a paragraph with a link, a page
# number field and a date field of day, month and year, and a page count
# field, which has no host form.
# Usage: tests/frontends/make_lists_links_fields_abw.sh [OUTPUT] (default:
# lists_links_fields.abw beside this script).
set -eu
out=${1:-$(dirname "$0")/lists_links_fields.abw}
cat > "$out" <<'ABW'
<?xml version="1.0" encoding="UTF-8"?>
<abiword xmlns="http://www.abisource.com/awml.dtd" xmlns:xlink="http://www.w3.org/1999/xlink" version="1.0" fileformat="1.0">
<lists>
<l id="1" parentid="0" type="0" start-value="1" list-delim="%L." list-decimal="."/>
<l id="2" parentid="1" type="1" start-value="1" list-delim="(%L)" list-decimal="."/>
<l id="3" parentid="0" type="5" start-value="0" list-delim="%L" list-decimal="NULL"/>
</lists>
<section>
<p>Steps:</p>
<p style="Numbered List" listid="1" parentid="0" level="1"><field type="list_label"/>Gather the sources.</p>
<p style="Numbered List" listid="2" parentid="1" level="2"><field type="list_label"/>Old letters</p>
<p style="Numbered List" listid="2" parentid="1" level="2"><field type="list_label"/>Maps</p>
<p style="Numbered List" listid="1" parentid="0" level="1"><field type="list_label"/>Compare the readings.</p>
<p style="Numbered List" listid="2" parentid="1" level="2"><field type="list_label"/>Dates</p>
<p>To bring:</p>
<p style="Bullet List" listid="3" parentid="0" level="1"><field type="list_label"/>A pencil</p>
<p style="Bullet List" listid="3" parentid="0" level="1"><field type="list_label"/>Paper</p>
<p>Read <a xlink:href="http://example.com/guide">the guide</a> on page <field type="page_number"/> of <field type="page_count"/>, printed <field type="date_ddmmyy"/>.</p>
</section>
</abiword>
ABW
