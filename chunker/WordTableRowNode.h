// The reader's table row: keeps the host's cell format records of the row
// until the cells are built from them.
#pragma once

#include "model/TableNodes.h"

#include "trx/platform.h"

#include <array>
#include <cstdint>
#include <memory>

class CWordTableRowNode : public CTableRowNode {
public:
    using SCellInfo = std::array<unsigned char, CHRECORD_SIZE_CELL_FORMAT>;

    // A row format announcing more cells than this is taken as damaged: the
    // count comes straight from the host's record, and the row reserves a
    // record per cell before any arrives. Real tables have at most a few
    // hundred columns.
    static constexpr uint32_t kMaxCellsPerRow = 4096;

    // Replaces the records by `count` empty ones and restarts the filling at
    // the first; a count over kMaxCellsPerRow raises
    // ExMisformedChunkerDataError.
    void setNumberCells(uint32_t count);
    uint32_t getNumberCells() const { return m_numberCells; }
    // Copies one record into the next place; one more than the announced
    // number of cells raises ExMisformedChunkerDataError.
    void setNextCellInfo(const unsigned char* record);
    // The record of cell `index`; null for an index past the announced
    // number of cells.
    const unsigned char* getCellInfo(uint32_t index) const;

private:
    std::unique_ptr<SCellInfo[]> m_cells;
    uint32_t m_numberCells = 0;
    uint32_t m_position = 0;
};
