// The page measures a writer answers for the nodes below it: the margins
// and the size of the container the text runs in, all in twips. Section and
// header/footer writers answer it; CICFAttributeFinder looks for it from
// any node upwards.
#pragma once

#include <cstdint>

class IICFPageAttributes {
public:
    virtual uint32_t getLeftMargin() = 0;
    virtual uint32_t getRightMargin() = 0;
    virtual uint32_t getTopMargin() = 0;
    virtual uint32_t getBottomMargin() = 0;
    virtual uint32_t getContainerWidth() = 0;
    virtual uint32_t getContainerHeight() = 0;

protected:
    ~IICFPageAttributes() = default;
};
