#include "chunker/WordTableRowNode.h"

#include "core/Exceptions.h"

#include <algorithm>

void CWordTableRowNode::setNumberCells(uint32_t count)
{
    if (count > kMaxCellsPerRow)
        throw ExMisformedChunkerDataError("REQUIRE: dwNumCells <= kMaxCellsPerRow\n\tFile: ChNodes");
    m_cells = std::make_unique<SCellInfo[]>(count);
    m_numberCells = count;
    m_position = 0;
}

void CWordTableRowNode::setNextCellInfo(const unsigned char* record)
{
    if (m_position >= m_numberCells)
        throw ExMisformedChunkerDataError("REQUIRE: dwCurrentCellInfoPos < dwNumCells\n\tFile: ChNodes  ln(1956)");
    std::copy_n(record, CHRECORD_SIZE_CELL_FORMAT, m_cells[m_position].begin());
    ++m_position;
}

const unsigned char* CWordTableRowNode::getCellInfo(uint32_t index) const
{
    return index < m_numberCells ? m_cells[index].data() : nullptr;
}
