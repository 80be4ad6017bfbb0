// Builds a host document from the events an importer library sends while it
// parses a file: the change records and side lists exactly as a host sends
// them for the same text, so that the filter reads an imported file as it
// reads any host document.
//
// Carried: paragraphs (list items and table cells become plain paragraphs),
// text, tabs, spaces, line breaks, the character formatting of spans (bold,
// italic, single and double underline and strike-out, font, font size), and
// the page size, orientation and margins of each page span (a later page
// span starts a new section on a new page). Everything else the importers
// send is left out; the text of headers, footers, notes, comments and text
// boxes is left out with it rather than run into the body.
#pragma once

#include "frontends/CharacterState.h"
#include "frontends/FrameBuilder.h"

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
    DocumentBuilder();
    ~DocumentBuilder() override;

    // Whether the importer ended the document (endDocument).
    bool finished() const { return finished_; }
    // The document built; call once, after the import.
    std::unique_ptr<trxhost::Document> takeDocument();

    // Events that build the document.
    void endDocument() override;
    void openPageSpan(const librevenge::RVNGPropertyList& properties) override;
    void closeParagraph() override;
    void closeListElement() override;
    void openSpan(const librevenge::RVNGPropertyList& properties) override;
    void closeSpan() override;
    void insertTab() override;
    void insertSpace() override;
    void insertText(const librevenge::RVNGString& text) override;
    void insertLineBreak() override;
    void openFrame(const librevenge::RVNGPropertyList& properties) override;
    void closeFrame() override;
    void insertBinaryObject(const librevenge::RVNGPropertyList& properties) override;
    void openTextBox(const librevenge::RVNGPropertyList& properties) override;
    void closeTextBox() override;

    // Sub-documents whose text is left out.
    void openHeader(const librevenge::RVNGPropertyList&) override { ++omitted_; }
    void closeHeader() override { --omitted_; }
    void openFooter(const librevenge::RVNGPropertyList&) override { ++omitted_; }
    void closeFooter() override { --omitted_; }
    void openFootnote(const librevenge::RVNGPropertyList&) override { ++omitted_; }
    void closeFootnote() override { --omitted_; }
    void openEndnote(const librevenge::RVNGPropertyList&) override { ++omitted_; }
    void closeEndnote() override { --omitted_; }
    void openComment(const librevenge::RVNGPropertyList&) override { ++omitted_; }
    void closeComment() override { --omitted_; }

    // Events not carried yet: their content, if any, still arrives through
    // the events above.
    void setDocumentMetaData(const librevenge::RVNGPropertyList&) override {}
    void startDocument(const librevenge::RVNGPropertyList&) override {}
    void openParagraph(const librevenge::RVNGPropertyList&) override {}
    void openListElement(const librevenge::RVNGPropertyList&) override {}
    void definePageStyle(const librevenge::RVNGPropertyList&) override {}
    void defineEmbeddedFont(const librevenge::RVNGPropertyList&) override {}
    void closePageSpan() override {}
    void defineParagraphStyle(const librevenge::RVNGPropertyList&) override {}
    void defineCharacterStyle(const librevenge::RVNGPropertyList&) override {}
    void openLink(const librevenge::RVNGPropertyList&) override {}
    void closeLink() override {}
    void defineSectionStyle(const librevenge::RVNGPropertyList&) override {}
    void openSection(const librevenge::RVNGPropertyList&) override {}
    void closeSection() override {}
    void insertField(const librevenge::RVNGPropertyList&) override {}
    void openOrderedListLevel(const librevenge::RVNGPropertyList&) override {}
    void openUnorderedListLevel(const librevenge::RVNGPropertyList&) override {}
    void closeOrderedListLevel() override {}
    void closeUnorderedListLevel() override {}
    void openTable(const librevenge::RVNGPropertyList&) override {}
    void openTableRow(const librevenge::RVNGPropertyList&) override {}
    void closeTableRow() override {}
    void openTableCell(const librevenge::RVNGPropertyList&) override {}
    void closeTableCell() override {}
    void insertCoveredTableCell(const librevenge::RVNGPropertyList&) override {}
    void closeTable() override {}
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
    void writePageSettings(const librevenge::RVNGPropertyList& properties);
    // Brings the formatting the text has to that of the open span.
    void applyCharacterState();
    // Content of the body: formatting first, then the text or special.
    bool takesContent() const { return omitted_ == 0 && !frames_.omitsText(); }
    void appendContent(const std::vector<uint16_t>& units);
    void appendSpecial(uint32_t character);
    void endParagraph();
    // The id of a font, added to the font list when first used.
    uint32_t fontId(const std::string& name);

    std::unique_ptr<trxhost::Document> document_;
    std::vector<uint16_t> pendingText_;
    std::map<std::string, uint32_t> fonts_;
    // The formatting the text so far has, and the one the open span asks for.
    CharacterState current_;
    CharacterState wanted_;
    FrameBuilder frames_;
    int omitted_ = 0;
    bool bodyBegun_ = false;
    bool pageSeen_ = false;
    bool finished_ = false;
};

} // namespace frontends
