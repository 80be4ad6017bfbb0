// The writer of a section. Once the section's properties are complete it
// writes the page layout: a page break for a later section that starts a
// new page, page size, margins, binding, page numbering, orientation and
// page borders, the footnote and endnote areas ("FNI"), the headers and
// footers (whole), and the columns ("CDS", "BCM"). The section's paragraphs
// follow; at section end the columns are closed ("ECM").
//
// For the nodes inside it, it answers the page measures. Text in columns
// is placed by the column definitions, which are measured from the page
// edge: a section with columns answers 0 for both side margins, and the
// narrowest column as its container width.
#pragma once

#include "icf/ICFContainerNodeWriter.h"
#include "icf/ICFPageAttributes.h"
#include "model/NoteType.h"
#include "model/SectionProperties.h"

#include <cstdint>

class CICFSectionNodeWriter : public CICFContainerNodeWriter, public IICFPageAttributes {
public:
    static constexpr EContentInterfaceID kInterfaceID = kSectionNode;

    bool queryInterface(int32_t id, void** out) override;

    // Twips; 0 for a section without page properties.
    uint32_t getLeftMargin() override;
    uint32_t getRightMargin() override;
    uint32_t getTopMargin() override;
    uint32_t getBottomMargin() override;
    uint32_t getContainerWidth() override;
    uint32_t getContainerHeight() override;

    // Null when the section (or its properties) has none.
    ISectionProperties* getSectionProperties();
    CPageProperties* getPageProperties();
    CColumnProperties* getColumnProperties();

protected:
    void writeStartCommands() override;
    void writeEndCommands() override;

private:
    // A section whose column properties define at least one column.
    bool hasColumns();

    void writeSectionStartOn();
    void writePageProperties();
    void writeNoteAreaProperties(CNoteAreaProperties* area, ENoteType type);
    void writeHeadFootList(const HeaderFooterList& list);
    void writeHeadersFooters();
    void writeColumnsStart();
    void writeColumnsEnd();

    bool m_columnsStarted = false;
};
