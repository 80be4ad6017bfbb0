// Builds a host document from the events an importer library sends while it
// parses a file: the change records and side lists exactly as a host sends
// them for the same text, so that the filter reads an imported file as it
// reads any host document.
//
// Carried: text, tabs, spaces, line breaks and the character formatting of
// spans (CharacterState.h); paragraph formatting (ParagraphState.h); page
// layout, sections of several columns, page and column breaks
// (SectionBuilder.h); tables (TableBuilder.h); lists, links and fields
// (ListBuilder.h, LinkBuilder.h, FieldBuilder.h); headers, footers, notes
// and comments, each in a tag of its own, starting with fresh formatting
// and followed by the body's formatting again (SubDocuments.h); frames,
// pictures and text boxes (FrameBuilder.h). Left out: headers and footers
// of the first or last page only, sub-documents where the host cannot hold
// them, and every event the class below lists as not carried.
#pragma once

#include "frontends/CharacterState.h"
#include "frontends/FieldBuilder.h"
#include "frontends/FrameBuilder.h"
#include "frontends/HostOutput.h"
#include "frontends/LinkBuilder.h"
#include "frontends/ListBuilder.h"
#include "frontends/ParagraphState.h"
#include "frontends/SectionBuilder.h"
#include "frontends/SubDocuments.h"
#include "frontends/TableBuilder.h"

#include <librevenge/librevenge.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace trxhost {
class Document;
}

namespace frontends {

class DocumentBuilder : public librevenge::RVNGTextInterface {
public:
    // `inputBytes`, the size of the file read, sizes the change and text
    // lists ahead (0: not known).
    explicit DocumentBuilder(uint64_t inputBytes = 0);
    ~DocumentBuilder() override;

    // Whether the importer ended the document (endDocument).
    bool finished() const { return finished_; }
    // The document built; call once, after the import.
    std::unique_ptr<trxhost::Document> takeDocument();

    // Events that build the document.
    void endDocument() override;
    void openPageSpan(const librevenge::RVNGPropertyList& properties) override;
    void openSection(const librevenge::RVNGPropertyList& properties) override;
    void closeSection() override;
    void openParagraph(const librevenge::RVNGPropertyList& properties) override;
    void openListElement(const librevenge::RVNGPropertyList& properties) override;
    void closeParagraph() override;
    void closeListElement() override;
    void openOrderedListLevel(const librevenge::RVNGPropertyList& properties) override;
    void openUnorderedListLevel(const librevenge::RVNGPropertyList& properties) override;
    void closeOrderedListLevel() override;
    void closeUnorderedListLevel() override;
    void openLink(const librevenge::RVNGPropertyList& properties) override;
    void closeLink() override;
    void insertField(const librevenge::RVNGPropertyList& properties) override;
    void openSpan(const librevenge::RVNGPropertyList& properties) override;
    void closeSpan() override;
    void insertTab() override;
    void insertSpace() override;
    void insertText(const librevenge::RVNGString& text) override;
    void insertLineBreak() override;
    void openTable(const librevenge::RVNGPropertyList& properties) override;
    void openTableRow(const librevenge::RVNGPropertyList& properties) override;
    void closeTableRow() override;
    void openTableCell(const librevenge::RVNGPropertyList& properties) override;
    void closeTableCell() override;
    void insertCoveredTableCell(const librevenge::RVNGPropertyList& properties) override;
    void closeTable() override;

    // Sub-documents, each closed by the close event of the innermost one
    // open.
    void openHeader(const librevenge::RVNGPropertyList& properties) override;
    void closeHeader() override { closeSubDocument(); }
    void openFooter(const librevenge::RVNGPropertyList& properties) override;
    void closeFooter() override { closeSubDocument(); }
    void openFootnote(const librevenge::RVNGPropertyList& properties) override;
    void closeFootnote() override { closeSubDocument(); }
    void openEndnote(const librevenge::RVNGPropertyList& properties) override;
    void closeEndnote() override { closeSubDocument(); }
    void openComment(const librevenge::RVNGPropertyList& properties) override;
    void closeComment() override { closeSubDocument(); }
    void openFrame(const librevenge::RVNGPropertyList& properties) override;
    void closeFrame() override;
    void insertBinaryObject(const librevenge::RVNGPropertyList& properties) override;
    void openTextBox(const librevenge::RVNGPropertyList& properties) override;
    void closeTextBox() override;

    // Events not carried yet: their content, if any, still arrives through
    // the events above.
    void setDocumentMetaData(const librevenge::RVNGPropertyList&) override {}
    void startDocument(const librevenge::RVNGPropertyList&) override {}
    void definePageStyle(const librevenge::RVNGPropertyList&) override {}
    void defineEmbeddedFont(const librevenge::RVNGPropertyList&) override {}
    void closePageSpan() override {}
    void defineParagraphStyle(const librevenge::RVNGPropertyList&) override {}
    void defineCharacterStyle(const librevenge::RVNGPropertyList&) override {}
    void defineSectionStyle(const librevenge::RVNGPropertyList&) override {}
    void insertEquation(const librevenge::RVNGPropertyList&) override {}
    void openGroup(const librevenge::RVNGPropertyList&) override {}
    void closeGroup() override {}
    void defineGraphicStyle(const librevenge::RVNGPropertyList&) override {}
    void drawRectangle(const librevenge::RVNGPropertyList&) override {}
    void drawEllipse(const librevenge::RVNGPropertyList&) override {}
    void drawPolygon(const librevenge::RVNGPropertyList&) override {}
    void drawPolyline(const librevenge::RVNGPropertyList&) override {}
    void drawPath(const librevenge::RVNGPropertyList&) override {}
    void drawConnector(const librevenge::RVNGPropertyList&) override {}

private:
    // The text since the last change, sent as one text change before the
    // next change.
    void flushText();
    uint32_t appendChange(uint32_t type, uint32_t value1 = 0, uint32_t value2 = 0, uint32_t value3 = 0);
    // Ends the document's properties, once, before the first page setting
    // or content.
    void beginBody();
    // Whether an event of the body is carried (not inside text that is
    // left out); if it is, the document's properties are ended and the text
    // before it is sent.
    bool takesBodyEvent();
    // Closes the sub-documents and tables still open, before a section
    // break or the document end, which may not fall inside them.
    void closeOpenParts();
    // Brings the formatting the text has to that of the open span.
    void applyCharacterState();
    // Content of the body: formatting first, then the text or special.
    bool takesContent() const { return omitted_ == 0 && !frames_.omitsText(); }
    void appendContent(const std::vector<uint16_t>& units);
    void appendSpecial(uint32_t character);
    // Whether content is carried; if it is, the paragraph is ready for it
    // and the text has the open span's formatting.
    bool readyForContent();
    void endParagraph();
    // Sends the paragraph changes that give the paragraph opening the
    // formatting of `properties`; false when its text is left out.
    bool startParagraph(const librevenge::RVNGPropertyList& properties);
    // A sub-document's last paragraph has no paragraph end: a host ends it
    // with its tag. So a paragraph end in one is held until more follows.
    void releaseHeldParagraphEnd();

    // One sub-document the importer opened: carried, or left out (then it
    // counts in omitted_), and the state to go back to at its end.
    struct OpenSubDocument {
        SubDocumentKind kind;
        bool carried;
        uint32_t tagId;
        CharacterState current;
        CharacterState wanted;
        bool paragraphEndHeld;
    };
    // Records a sub-document opening; whether it is carried: it is when
    // the host can say where it goes (`placeable`) and it may open where
    // the text stands.
    bool pushSubDocument(SubDocumentKind kind, bool placeable);
    // Opens the tag of the sub-document just pushed, then sends the change
    // that opens it; its text starts with a fresh paragraph's formatting.
    void enterSubDocument(uint32_t type, uint32_t value1, uint32_t value3 = 0);
    void openHeaderFooter(const librevenge::RVNGPropertyList& properties, bool header);
    void openNote(const librevenge::RVNGPropertyList& properties, uint32_t kind);
    void closeSubDocument();
    // The id of a font, added to the font list when first used.
    uint32_t fontId(const std::string& name);

    std::unique_ptr<trxhost::Document> document_;
    // Every change goes through the tables, which place it in a cell.
    TableBuilder tables_;
    std::vector<uint16_t> pendingText_;
    std::map<std::string, uint32_t> fonts_;
    // The formatting the text so far has, and the one the open span asks for.
    CharacterState current_;
    CharacterState wanted_;
    SectionBuilder sections_;
    std::vector<OpenSubDocument> subDocuments_;
    bool paragraphEndHeld_ = false;
    uint32_t lastSlotId_ = 0;
    int omitted_ = 0;
    bool bodyBegun_ = false;
    bool finished_ = false;
    HostOutput output_;
    ListBuilder lists_;
    LinkBuilder links_;
    FieldBuilder fields_;
    FrameBuilder frames_;
};

} // namespace frontends
