#include "chunker/WordTableRowNode.h"

#include <algorithm>

// The cell count comes from the host's row record; a damaged count must not
// make the reader reserve an unbounded amount of memory. Rows of real
// documents stay far below this.
static constexpr uint32_t kMaxCellsPerRow = 4096;

void CWordTableRowNode::setNumberCells(uint32_t count)
{
    m_cells.assign(std::min(count, kMaxCellsPerRow), SCellInfo{});
    m_position = 0;
}

void CWordTableRowNode::setNextCellInfo(const unsigned char* record)
{
    if (!record || m_position >= m_cells.size())
        return;
    std::copy_n(record, CHRECORD_SIZE_CELL_FORMAT, m_cells[m_position].begin());
    ++m_position;
}

const unsigned char* CWordTableRowNode::getCellInfo(uint32_t index) const
{
    return index < m_cells.size() ? m_cells[index].data() : nullptr;
}
