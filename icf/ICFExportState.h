// What the ICF writer keeps for the whole of one export, in the export's
// context: how many times command writers are disabled (CICFCommandWriter's
// class-wide switch).
#pragma once

#include "core/ExportContext.h"

#include <cstdint>

struct SICFExportState : IExportLayerState {
    static constexpr EExportStateSlot kSlot = kWriterStateSlot;

    // The state of the running export.
    static SICFExportState& current() { return CExportContext::current().state<SICFExportState>(); }

    uint32_t commandDisableCount = 0;
};
