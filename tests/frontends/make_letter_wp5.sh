#!/bin/sh
# Writes letter.wp5 byte by byte: a WordPerfect 5.1 document of two
# paragraphs, a bold title and a paragraph with a bold and an italic word,
# with the default page (no format codes of its own).
#
# The file is the 16-byte prefix, then the document area straight after it:
#   FF 57 50 43    the signature: 0xFF "WPC"
#   10 00 00 00    where the document area starts, little-endian: 16
#   01 0A          product 1 (WordPerfect), file type 10 (a document)
#   00 01          major version 0, minor 1: WordPerfect 5.1
#   00 00 00 00    no encryption key, reserved
# In the document area, bytes 0x20 to 0x7E are characters, 0x0A ends a
# paragraph (a hard return), C3 n C3 switches attribute n on and C4 n C4
# switches it off: 0x0C bold, 0x08 italic.
# Usage: tests/frontends/make_letter_wp5.sh [OUTPUT] (default: letter.wp5
# beside this script).
set -eu
out=${1:-$(dirname "$0")/letter.wp5}
{
  printf '\377WPC\020\000\000\000\001\012\000\001\000\000\000\000'
  printf '\303\014\303A Short Letter\304\014\304\012'
  printf 'Dear reader, this word is \303\014\303bold\304\014\304'
  printf ' and this one is \303\010\303italic\304\010\304.\012'
} > "$out"
