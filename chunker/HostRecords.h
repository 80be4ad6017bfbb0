// The host's data records that the page, column and break handlers read:
// fixed-size records of big-endian words in the chunk's data list, found by
// element id, and the lengths and border sets they hold.
#pragma once

#include "chunker/ChunkerBorder.h"
#include "chunker/ItemLists.h"
#include "model/Dimension.h"
#include "trx/changes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

class CRectangularBorders;

// Reads the `Size`-byte record with element id `id` from `list`.
template <std::size_t Size>
std::array<unsigned char, Size> readDataRecord(CBinaryList& list, uint32_t id)
{
    static_assert(Size % 2 == 0, "the data list is read in 16-bit units");
    std::array<uint16_t, Size / 2> units{};
    list.moveToElementById(id);
    list.getNextElements(Size / 2, units.data());
    std::array<unsigned char, Size> record;
    std::memcpy(record.data(), units.data(), Size);
    return record;
}

// A length of the given type from a host word, which holds a signed value.
CDimension hostLength(EDimensionTypes type, uint32_t value);

// Where the four host border records of a border set lie in a record.
struct SBorderOffsets {
    std::size_t top;
    std::size_t left;
    std::size_t bottom;
    std::size_t right;
};

// Whether a record of `recordSize` bytes holds a field of `fieldSize` bytes
// (a 32-bit word unless said otherwise) at `offset`. The records are read by
// offset, so each reader checks its offsets against its record's size.
constexpr bool holdsField(std::size_t recordSize, std::size_t offset, std::size_t fieldSize = 4)
{
    return offset + fieldSize <= recordSize;
}

// Whether a record of `recordSize` bytes holds a 32-bit word at each of
// `offsets`.
template <typename... Offsets>
constexpr bool holdsWords(std::size_t recordSize, Offsets... offsets)
{
    return (holdsField(recordSize, offsets) && ...);
}

// Whether a record of `recordSize` bytes holds the border set at `offsets`.
constexpr bool holdsBorders(std::size_t recordSize, const SBorderOffsets& offsets)
{
    return holdsField(recordSize, offsets.top, CHBORDER_RECORD_SIZE) &&
           holdsField(recordSize, offsets.left, CHBORDER_RECORD_SIZE) &&
           holdsField(recordSize, offsets.bottom, CHBORDER_RECORD_SIZE) &&
           holdsField(recordSize, offsets.right, CHBORDER_RECORD_SIZE);
}

// The four borders of `record`, each converted from a fresh border.
CRectangularBorders convertBorders(const CChunkerBorder& converter, const unsigned char* record,
                                   const SBorderOffsets& offsets);
