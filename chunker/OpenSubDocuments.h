// The headers, footers, notes and comments opened inside a tag, which end
// with that tag. They live in the reader's state of the running export, like
// the open tags.
#pragma once

#include "model/ContentInterfaceID.h"

#include <cstddef>
#include <vector>

// One open sub-document: the kind of its node and the depth of the tag
// stack when it was opened. The end tag that takes the stack below that
// depth ends it.
struct SOpenSubDocument {
    std::size_t tagDepth = 0;
    EContentInterfaceID kind = kNullInterface;
};

// The innermost is the back.
using COpenSubDocuments = std::vector<SOpenSubDocument>;
