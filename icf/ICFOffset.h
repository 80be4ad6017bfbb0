// An offset that can be re-measured from another reference edge. The
// margins and the container width come from the writers above the node the
// offset belongs to; an offset measured from the paragraph's left indent
// also needs that indent.
#pragma once

#include "model/Offset.h"

#include <cstdint>
#include <memory>

class INode;

class CICFOffset : public COffset {
public:
    CICFOffset() = default;
    CICFOffset(EOffsetReference relativeFrom, int32_t value) : COffset(relativeFrom, value) {}
    explicit CICFOffset(const COffset& offset) : COffset(offset) {}
    // Copies carry their own copy of the left indent.
    CICFOffset(const CICFOffset& other);
    CICFOffset& operator=(const CICFOffset& other);
    ~CICFOffset() override;

    // The offset measured from `target` for the page `node` lies on; a
    // position before that edge gives 0.
    int32_t getAdjustedValue(EOffsetReference target, INode* node);
    // The left indent an offset relative to the left indent is measured from.
    void setLeftIndent(const CICFOffset& leftIndent);
    // The left indent from the page edge: the one set, or else the left
    // indent of the paragraph `node` is in. An indent that is itself
    // relative to the left indent gives 0.
    int32_t getLeftIndentValue(INode* node);

private:
    // The distance of `reference` from the page edge.
    int64_t edgeOffset(EOffsetReference reference, INode* node);

    std::unique_ptr<CICFOffset> m_leftIndent;
};
