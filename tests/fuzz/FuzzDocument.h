// The byte format of conversion_fuzz: fuzz bytes become a host document, and
// a listing's document becomes bytes for the seed corpus.
//
// Bytes, in order (missing bytes read as 0):
//   font count (mod 4), then per font: id, character set, name length, and
//     the name's units (at most 12; a length from 0x80 on is a damaged one
//     with no units);
//   data record count (mod 8), then per record: its size (one of the sizes
//     the change handlers read) and one byte per 32-bit word;
//   text unit count, then one byte per unit;
//   an injected failure: service (none below 0xE0), item, code;
//   the rest: change records of four bytes, type, value 1, value 2, value 3.
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
