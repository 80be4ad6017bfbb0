// The kinds of line that borders and underlines are drawn with. The reader
// assigns them from the host's border styles and underline attributes; the
// writers map them to ICF line codes.
#pragma once

#include <cstdint>

enum ELineTypes : uint32_t {
    kLineNone = 0,
    kLineSingle = 1,
    kLineDouble = 2,
    kLineDashed = 3,
    kLineDotted = 4,
    kLineThick = 5,
    // Border styles that have no underline counterpart, named by value.
    kLineBorderStyle7 = 7,
    kLineBorderStyle8 = 8,
    kLineDotDash = 9,
    kLineDotDotDash = 10,
    kLineWave = 11,
    // The lines a new table starts with.
    kLineTableDefault = 12,
    kLineBorderStyle13 = 13,
    kLineBorderStyle14 = 14,
    kLineBorderStyle15 = 15,
    kLineBorderStyle16 = 16,
    kLineBorderStyle17 = 17,
};
