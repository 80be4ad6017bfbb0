// Builds the preview of an ICF stream command by command: the formatting in
// force, where text goes (the page, a header or footer, a note, a table
// cell, a frame) and the commands to list in the side panel.
#pragma once

#include "../IcfDecoder.h"
#include "CommandView.h"
#include "PreviewDocument.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace icfdump::preview {

class PreviewBuilder {
public:
    PreviewBuilder();

    // Text of the document, in UTF-8.
    void text(const std::string& characters);
    // One command; a deleted-text command's body is fed back in.
    void command(const Item& item);
    // Feeds a decoded sequence: its text pieces and its commands.
    void feed(const Sequence& items);

    // The formatting in force.
    const CharacterFormat& characterFormat() const { return character_; }
    const ParagraphFormat& paragraphFormat() const { return paragraph_; }

    // Closes whatever the stream left open, marks `fault` (if any) where the
    // stream broke off and hands the document over.
    PreviewDocument finish(const std::optional<Fault>& fault);

private:
    // Where text and paragraphs go, innermost last.
    struct Container {
        enum class Kind { Body, Header, Footer, Note, Cell, Frame };
        Kind kind;
        std::vector<Block>* blocks;
        std::vector<Inline> inlines; // of the paragraph in progress
        std::string number;          // of the paragraph in progress
    };
    // A table being built, with the columns its layout command gave.
    struct OpenTable {
        Table* table;
        size_t containerDepth;                  // of the table's container
        std::vector<unsigned long> cellBorders; // of the row in progress
        std::vector<unsigned> rowsCovered;      // per column, by row spans from above
        unsigned coveredUpTo = 0;               // columns of this row covered by a column span
        std::vector<ListedCommand> opening;     // its "CDS" and "BCM", listed if it holds no row
    };
    using Handler = std::function<void(const CommandView&)>;

    void addHandlers();
    void addStructureHandlers();
    void addTableHandlers();
    void addMarkHandlers();

    Container& current() { return containers_.back(); }
    void addInline(Inline::Kind kind, std::string text = {}, std::string target = {});
    void endParagraph();
    void flushParagraph();
    void openContainer(Container::Kind kind, std::vector<Block>& blocks);
    // Closes the innermost container if it is of `kind`; false otherwise.
    bool closeContainer(Container::Kind kind);
    void newPage();

    void beginTable(const CommandView& command);
    void endTable(const CommandView& command);
    void beginRow(const CommandView& command);
    void beginCell(const CommandView& command);
    void beginNote(const CommandView& command);
    void crossReference(const CommandView& command);
    void picture(const CommandView& command);
    void frame(const CommandView& command);
    void pageNumberStart(const CommandView& command);
    void columnBreak(const CommandView& command);
    void endHeaderFooter(const CommandView& command);

    void list(const CommandView& command, std::string remark = {});
    void damaged(const CommandView& command, const std::string& remark);

    PreviewDocument document_;
    CharacterFormat character_;
    ParagraphFormat paragraph_;
    std::vector<Container> containers_;
    std::vector<OpenTable> tables_;
    std::map<std::string, Handler> handlers_;
    std::optional<ListedCommand> pendingLayout_; // a "CDS" not yet taken by a table
    std::vector<long> pendingColumns_;
    std::string link_;             // the hyperlink the text stands in
    bool numberText_ = false;      // between "PGN" and "EPN"
    bool lineBreakNext_ = false;   // "NLN": the next "HNL" breaks the line
    bool columnBreakNext_ = false; // "HCB" among a section's columns: the next paragraph starts a column
    long firstPageNumber_ = 1;     // the number of the page `numberedFrom_`, from the last "SPN"
    size_t numberedFrom_ = 0;
    std::vector<unsigned long> headerKinds_; // the "HFX" codes of the page's headers
    std::vector<unsigned long> footerKinds_;
    long pictureWidth_ = 0; // from the last "PDS"
    long pictureHeight_ = 0;
    unsigned footnotes_ = 0;
    size_t bodyDepth_ = 0; // of deleted-text bodies fed back in
};

// The preview of a whole stream.
PreviewDocument buildPreview(const IcfStream& stream);

} // namespace icfdump::preview
