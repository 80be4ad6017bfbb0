#!/bin/sh
# Writes letter.wri byte by byte: a Windows Write document of two
# paragraphs, a bold title and a paragraph with a bold and an italic word,
# in 12-point Times New Roman with the default page and paragraphs.
#
# The file is made of 128-byte pages, numbers little-endian:
#   page 0     the header:
#                00  31 BE 00 00 00 AB   the signature
#                0E  fcMac (4 bytes)     where the text ends: 128 + its length
#                12  pnPara              the page of the paragraph properties
#                14  pnFntb, pnSep, pnSetb, pnPgtb: the footnote, section
#                    property, section and page tables, all empty, so the
#                    page each would start on: the font table's
#                1C  pnFfntb             the page of the font table
#                60  pnMac               the number of pages (never 0 in Write)
#   page 1     the text from byte 128; CR LF ends a paragraph
#   page 2     the character properties, page 3 the paragraph properties:
#                00  the first character the page describes (128)
#                04  runs of 6 bytes: the character after the run (4 bytes)
#                    and where its properties are, counted from byte 4 (2
#                    bytes; FFFF for the defaults)
#                    then the properties: a length byte and that many bytes
#                7F  the number of runs
#              A run of characters with no properties of its own is in font
#              0 at 12 points (24 half points); a character property of
#              length 2 has a reserved byte, then the font's low bits times
#              4 plus 1 for bold and 2 for italic. The one paragraph run
#              takes the default paragraph (left-aligned, single-spaced).
#   page 4     the font table: the count of fonts (2 bytes); for each, its
#              length (2 bytes), its family (0x10: roman, with serifs) and
#              its name ending in a NUL; then a length 0.
# Usage: tests/frontends/make_letter_wri.sh [OUTPUT] (default: letter.wri
# beside this script).
set -eu
out=${1:-$(dirname "$0")/letter.wri}

byte() { printf "\\$(printf %03o "$1")"; }
word() { byte $(($1 & 255)); byte $(($1 >> 8)); }
dword() { word $(($1 & 65535)); word $(($1 >> 16)); }
zeros() { head -c "$1" /dev/zero; }

# The text's runs, as the offsets (from the start of the text) where each
# one ends.
titleEnd=16    # the title and its CR LF, bold
boldStart=42   # "Dear reader, this word is "
boldEnd=46     # "bold", bold
italicStart=63 # " and this one is "
italicEnd=69   # "italic", italic
textEnd=72     # ".", CR LF
fcMac=$((128 + textEnd))

{
  # Page 0: the header. The text ends on page 1, so the character
  # properties are on page 2, the paragraph properties on page 3, the font
  # table on page 4, and the file has 5 pages.
  printf '\061\276\000\000\000\253'
  zeros 8
  dword $fcMac
  word 3
  word 4; word 4; word 4; word 4
  word 4
  zeros 66
  word 5
  zeros 30

  # Page 1: the text, padded to the end of the page.
  printf 'A Short Letter\r\n'
  printf 'Dear reader, this word is bold and this one is italic.\r\n'
  zeros $((256 - fcMac))

  # Page 2: the character runs; the bold property at byte 4 + 36, the
  # italic one at byte 4 + 39.
  dword 128
  dword $((128 + titleEnd)); word 36
  dword $((128 + boldStart)); word 65535
  dword $((128 + boldEnd)); word 36
  dword $((128 + italicStart)); word 65535
  dword $((128 + italicEnd)); word 39
  dword $fcMac; word 65535
  byte 2; byte 1; byte 1
  byte 2; byte 1; byte 2
  zeros 81
  byte 6

  # Page 3: one paragraph run with the default paragraph.
  dword 128
  dword $fcMac; word 65535
  zeros 117
  byte 1

  # Page 4: the font table: one font, 17 bytes long.
  word 1
  word 17; byte 16; printf 'Times New Roman\000'
  word 0
  zeros 105
} > "$out"
