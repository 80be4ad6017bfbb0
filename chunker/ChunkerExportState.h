// What the reader keeps for the whole of one export, in the export's
// context: the export and chunker handles that every item list reads
// through, the maker of the host's character maps with the maps it keeps, and
// the open tags with the names of the named ones, the style definitions
// that define nothing, and the sub-documents that end with one of those tags.
#pragma once

#include "chunker/OpenSubDocuments.h"
#include "chunker/TagStack.h"
#include "chunker/UTCharMap.h"
#include "core/ExportContext.h"
#include "trx/platform.h"

#include <cstdint>
#include <set>

struct SChunkerExportState : IExportLayerState {
    static constexpr EExportStateSlot kSlot = kReaderStateSlot;

    // The state of the running export.
    static SChunkerExportState& current() { return CExportContext::current().state<SChunkerExportState>(); }

    HEXPORT hExport = 0;
    // Fetched from the host on first use.
    HCHUNKER hChunker = 0;
    CUTCharMap charMap;
    CTagStack tagStack;
    CTagList tagList;
    // The tag ids of the open style definitions whose kind makes no style:
    // their ends have nothing to close.
    std::set<uint32_t> inertStyleDefinitions;
    COpenSubDocuments openSubDocuments;
};
