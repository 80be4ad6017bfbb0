// Whether a note, or a note separator, belongs to the footnotes or the endnotes.
#pragma once

#include <cstdint>

enum ENoteType : uint32_t {
    kFootnote = 0,
    kEndnote = 1,
};
