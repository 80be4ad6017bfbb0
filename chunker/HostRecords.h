// The host's data records that the page, column and break handlers read:
// fixed-size records of big-endian words in the chunk's data list, found by
// element id, and the lengths and border sets they hold.
#pragma once

#include "chunker/ItemLists.h"
#include "model/Dimension.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

class CChunkerBorder;
class CRectangularBorders;

// Reads the `Size`-byte record with element id `id` from `list`.
template <std::size_t Size>
std::array<unsigned char, Size> readDataRecord(CBinaryList& list, uint32_t id)
{
    static_assert(Size % 2 == 0, "the data list is read in 16-bit units");
    std::array<uint16_t, Size / 2> units {};
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

// The four borders of `record`, each converted from a fresh border.
CRectangularBorders convertBorders(
    const CChunkerBorder& converter, const unsigned char* record, const SBorderOffsets& offsets);
