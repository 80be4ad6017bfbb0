// A frame change places a frame (a positioned text box or a drop cap) in the
// current paragraph: a frame node whose properties come from the host's
// frame record (size, transparency, shading, borders and the anchor that
// says where it stands). Its content follows in a frame-content tag.
#pragma once

#include "chunker/Change.h"
#include "chunker/ChunkerBorder.h"
#include "model/CountedReference.h"

class CFramePosition;
class CFrameProperties;

class CChangeFrame : public CChange {
public:
    // Value 3 is the id of the frame record. The cursor does not move; in a
    // paragraph style's definition the change is ignored.
    uint32_t process(INode*& pNodeParent) override;

    // The properties that the 188-byte frame record `record` describes.
    TCountedReference<CFrameProperties> readProperties(const unsigned char* record) const;
    // The anchor of the frame record; null for an anchor kind the record
    // does not know.
    static TCountedReference<CFramePosition> readPosition(const unsigned char* record);

private:
    CChunkerBorder m_border;
};
