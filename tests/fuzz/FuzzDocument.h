// The byte format of conversion_fuzz: fuzz bytes become a host document, and
// a listing's document becomes bytes for the seed corpus.
//
// Bytes, in order (missing bytes read as 0):
//   property text: a unit count, then one byte per unit (font names and
//     the texts of object and tag properties);
//   font count (mod 4), then per font: id, character set, name id, name
//     length;
//   data record count (mod 16), then per record: its size (one of the sizes
//     the change handlers read) and its words;
//   row format, cell format and embedded object record counts (mod 4 each),
//     each followed by the records' words;
//   tag track count (mod 8), then per item: change id (16 bits), tag id,
//     tag type;
//   embedded object count (mod 4), then per object: its two numbers (16
//     bits each), a byte count and the bytes;
//   text unit count, then one byte per unit;
//   an injected failure: service (none below 0xE0), item, code;
//   an export option: option (none below 0xC0), value;
//   the rest: change records of four bytes, type, value 1, value 2, value 3.
// A record's words are a count of the words given, then one byte per word;
// the words not given are 0.
// A word byte stands for a small number, a multiple of 180 twips, a value
// at a boundary (0xFFFFFFFF, 0x80000000...) or the id of a data record, so
// that changes meet the records and ids the handlers look for.
#pragma once

#include "trxhost/Document.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace fuzzdoc {

std::unique_ptr<trxhost::Document> decodeDocument(const uint8_t* data, std::size_t size);

// The bytes that decode to (nearly) `document`: values the format cannot
// hold become the nearest it can, and at most 255 text units are kept.
std::vector<uint8_t> encodeDocument(const trxhost::Document& document);

} // namespace fuzzdoc
