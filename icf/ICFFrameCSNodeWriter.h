// The writer of a frame: a strand whose content is a positioned area. The
// area opens with "APO" (where the frame stands, its size, its borders'
// spacing and line codes) once the frame's properties are complete, holds
// the frame's paragraphs and closes with "APF". For the paragraphs inside
// it, the frame answers the page measures: no margins, and its own size as
// the container's.
#pragma once

#include "icf/ICFPageAttributes.h"
#include "icf/ICFStrandNodeWriter.h"

class CFrameProperties;

class CICFFrameCSNodeWriter : public CICFStrandNodeWriter, public IICFPageAttributes {
public:
    static constexpr EContentInterfaceID kInterfaceID = kFrameCSNode;

    // Strand start, then "APO"; the frame's paragraphs completed earlier
    // follow.
    void onPropertiesDone() override;
    // "APF", then the strand end; the frame is released.
    void onDone() override;
    bool canChildWrite(INode* child) override;
    // The pull form: "APO", the paragraphs, "APF".
    void writeContent() override;
    bool queryInterface(int32_t id, void** out) override;

    // "APO", only for a frame that has a position; the position is first
    // moved into the container the frame stands in.
    void writeFrameStart();
    // "APF" when "APO" was written.
    void writeFrameEnd();
    // Moves the frame's offsets into the container that the writers above
    // the frame answer for: no offset below 0, and none that puts the frame
    // past the container's far edge where the container's size is known.
    void normalizeFramePosition();

    uint32_t getLeftMargin() override { return 0; }
    uint32_t getRightMargin() override { return 0; }
    uint32_t getTopMargin() override { return 0; }
    uint32_t getBottomMargin() override { return 0; }
    uint32_t getContainerWidth() override;
    uint32_t getContainerHeight() override;

private:
    CFrameProperties* getFrameProperties();

    bool m_frameStarted = false;
};
