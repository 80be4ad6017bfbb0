// The writer of a header or footer. Headers and footers are written whole,
// at their section's start, by the section writer, which first hands over
// the page's side margins and width: "HF2" (header) or "HF1" (footer), the
// paragraphs, then "HFX" with the pages the header or footer appears on.
// For the nodes inside it, it answers the page measures: its own side
// margins, no top or bottom margin, the page width as container width.
#pragma once

#include "icf/ICFNodeWriter.h"
#include "icf/ICFPageAttributes.h"

class IHeaderFooterContent;

class CICFHeaderFooterNodeWriter : public CICFNodeWriter, public IICFPageAttributes {
public:
    static constexpr EContentInterfaceID kInterfaceID = kHeaderFooterNode;

    // The whole header or footer: start, paragraphs, end. Its paragraphs
    // may write only during this call.
    void write() override;
    bool canChildWrite(INode* child) override;
    // Nothing: the section writer writes headers and footers, and the
    // section releases them.
    void onDone() override {}
    bool queryInterface(int32_t id, void** out) override;

    void writeStart();
    void writeEnd();

    void setLeftMargin(uint32_t margin) { m_leftMargin = margin; }
    void setRightMargin(uint32_t margin) { m_rightMargin = margin; }
    void setPageWidth(uint32_t width) { m_pageWidth = width; }
    // Which occurrence of its kind on the page this header or footer is;
    // the first one is written with codes of its own.
    void setOccurance(uint32_t occurrence) { m_occurrence = occurrence; }

    uint32_t getLeftMargin() override { return m_leftMargin; }
    uint32_t getRightMargin() override { return m_rightMargin; }
    uint32_t getTopMargin() override { return 0; }
    uint32_t getBottomMargin() override { return 0; }
    uint32_t getContainerWidth() override { return m_pageWidth; }
    uint32_t getContainerHeight() override { return 0; }

private:
    IHeaderFooterContent& getHeaderFooter();
    bool isHeader();
    // The "HFX" code of the pages the header or footer appears on.
    unsigned long getPlacementCode();

    bool m_beingWritten = false;
    uint32_t m_leftMargin = 0;
    uint32_t m_rightMargin = 0;
    uint32_t m_pageWidth = 0;
    uint32_t m_occurrence = 0;
};
