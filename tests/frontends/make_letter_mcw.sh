#!/bin/sh
# Writes letter.mcw byte by byte: a MacWrite 2.2 document (the format of
# MacWrite 1.0 to 2.2, read from the data fork alone) of two paragraphs, a
# bold title and a paragraph with a bold and an italic word, in 12-point
# Times.
#
# Numbers are big-endian. The file is:
#   0    the header, 20 bytes:
#          00  the version: 3
#          02  where the paragraphs' data starts
#          04  the number of paragraphs in the main text (2), the header (0)
#              and the footer (0)
#          0A  6 unused bytes, then no footer, no header (1 byte each)
#          12  the first page's number: 1
#   20   the print record, 120 bytes; left all 0 (no printer chosen), so the
#        page is the reader's default
#   140  the footer's, the header's and the main text's window, 34 bytes
#        each: the selection, the places of the page number, date and time
#        (none: -1) and display flags
#   242  for each paragraph of the main text, 8 bytes: its height in points
#        (more than 0: a text paragraph), its top on the page, its page (0)
#        and 3 unused bytes
#   258  each paragraph's data: its type (1: text) and length (2 bytes each),
#        then the number of characters, the characters with CR ending the
#        paragraph, a padding byte to an even length, the length of the
#        format runs and the runs, 6 bytes each: the character where the run
#        starts (2 bytes), the size in points (1 byte), the style (1 byte:
#        1 bold, 2 italic) and the font number (2 bytes: 20 is Times).
# Usage: tests/frontends/make_letter_mcw.sh [OUTPUT] (default: letter.mcw
# beside this script).
set -eu
out=${1:-$(dirname "$0")/letter.mcw}

byte() { printf "\\$(printf %03o "$1")"; }
word() { byte $(($1 >> 8)); byte $(($1 & 255)); }
zeros() { head -c "$1" /dev/zero; }
# A format run: the character it starts at and its style, in 12-point Times.
run() { word "$1"; byte 12; byte "$2"; word 20; }
# A window: no selection, no page number, date or time, and MacWrite's usual
# flags.
window() {
  zeros 12
  word 65535; word 65535; word 65535; word 65535; word 65535; word 65535
  printf '\377\377\377\377\377\000'
  zeros 4
}

{
  word 3; word 258; word 2; word 0; word 0
  zeros 8
  word 1
  zeros 120
  window; window; window
  # The two paragraphs, one 16-point line each, on the first page.
  word 16; word 0; byte 0; zeros 3
  word 16; word 16; byte 0; zeros 3

  # The title: 15 characters and a padding byte, one bold run.
  word 1; word 26
  word 15; printf 'A Short Letter\r'; byte 0
  word 6; run 0 1
  # The paragraph: 55 characters and a padding byte, five runs.
  word 1; word 90
  word 55; printf 'Dear reader, this word is bold and this one is italic.\r'; byte 0
  word 30; run 0 0; run 26 1; run 30 0; run 47 2; run 53 0
} > "$out"
