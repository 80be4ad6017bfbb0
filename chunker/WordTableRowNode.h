// The reader's table row: keeps the host's cell format records of the row
// until the cells are built from them.
#pragma once

#include "model/TableNodes.h"

#include "trx/platform.h"

#include <array>
#include <cstdint>
#include <vector>

class CWordTableRowNode : public CTableRowNode {
public:
    using SCellInfo = std::array<unsigned char, CHRECORD_SIZE_CELL_FORMAT>;

    // Makes room for `count` records and restarts the filling at the first.
    void setNumberCells(uint32_t count);
    uint32_t getNumberCells() const { return static_cast<uint32_t>(m_cells.size()); }
    // Copies one record into the next place; records beyond the announced
    // number of cells are dropped.
    void setNextCellInfo(const unsigned char* record);
    // The record of cell `index`; null for an index past the announced
    // number of cells.
    const unsigned char* getCellInfo(uint32_t index) const;

private:
    std::vector<SCellInfo> m_cells;
    uint32_t m_position = 0;
};
