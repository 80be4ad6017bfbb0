#include "PreviewBuilder.h"

#include "../TextDecoder.h"
#include "FormatCommands.h"
#include "PictureData.h"

#include <algorithm>
#include <iterator>
#include <set>

namespace icfdump::preview {

namespace {

// Tables in cells, notes in frames...: real streams nest a few deep; a
// damaged one that opens without closing stops here rather than growing
// without end.
constexpr size_t kMaxContainerDepth = 16;

// The commands a writer puts that the page does not render and that no
// handler takes: they are listed without a remark; any other name that no
// handler takes is listed as unknown. ("KEP" with the parameters of a drop
// capital, and "PBC" and "SHD" of another client, come here too.)
const std::set<std::string> kKnownUnrendered = {"DID", "FDT", "SSI", "SYT", "SYP", "SEP", "BKP", "KER", "EKR",
                                                "SLG", "BHP", "EHP", "RHZ", "KEP", "WON", "WOY", "PND", "SPO",
                                                "FNI", "BMT", "EMT", "BGT", "EGT", "FIC", "PBC", "SHD"};

// Text escapes reach the builder as commands only when the decoder could not
// read them as text.
const std::set<std::string> kTextEscapes = {"HEX", "XCS", "MBC"};

// "FNT" codes: footnote or endnote, numbered by the consumer or with a mark.
constexpr unsigned long kEndnoteCodes = 2;
constexpr unsigned long kNumberedFootnote = 0;
constexpr unsigned long kNumberedEndnote = 2;

// "XRF" kinds.
constexpr unsigned long kBookmarkBegin = 1;
constexpr unsigned long kBookmarkEnd = 2;
constexpr unsigned long kLinkBegin = 4;
constexpr unsigned long kReferenceEnd = 5;

// "CDS": flags, count, then per column its columns (3 each), then per column
// left, right, 0 in twips.
constexpr size_t kLayoutColumns = 2;

// "APO": horizontal alignment code, width and height, offsets, border word.
constexpr size_t kFrameAlignment = 3;
constexpr size_t kFrameWidth = 6;
constexpr size_t kFrameHeight = 7;
constexpr size_t kFrameHorizontalOffset = 8;
constexpr size_t kFrameVerticalOffset = 9;
constexpr size_t kFrameBorders = 14;

// "SPN" 0, 0, whether the start is above 255, its low byte, 0: a start
// above 255 is not all in the stream.
constexpr size_t kStartAbove255 = 2;
constexpr size_t kStartLowByte = 3;
constexpr long kLargestByte = 255;

// "PDS" width and height.
constexpr size_t kPictureWidth = 1;
constexpr size_t kPictureHeight = 2;

} // namespace

PreviewBuilder::PreviewBuilder()
{
    document_.pages.emplace_back();
    containers_.push_back(Container{Container::Kind::Body, &document_.pages.back().blocks, {}, {}});
    addHandlers();
}

void PreviewBuilder::addHandlers()
{
    // Style switches: the properties they bracket follow as commands of
    // their own, and are shown.
    for (const char* name : {"STY", "STF", "STE", "SBO"})
        handlers_[name] = [](const CommandView&) {};
    handlers_["HNL"] = [this](const CommandView&) { endParagraph(); };
    handlers_["NLN"] = [this](const CommandView&) { lineBreakNext_ = true; };
    handlers_["TAB"] = [this](const CommandView& command) {
        // "TAB 1" moves a first line to its tab stop, which the indents show.
        if (command.parameterCount() == 0)
            addInline(Inline::Kind::Tab);
    };
    handlers_["HHC"] = [this](const CommandView&) { text("\u2011"); };
    handlers_["SHC"] = [this](const CommandView&) { text("\u00ad"); };
    handlers_["NBR"] = [this](const CommandView&) { text("\u00a0"); };
    handlers_["PPN"] = [this](const CommandView&) {
        const size_t page = document_.pages.size() - 1;
        addInline(Inline::Kind::Field, std::to_string(firstPageNumber_ + static_cast<long>(page - numberedFrom_)),
                  "page number");
    };
    handlers_["SPN"] = [this](const CommandView& command) { pageNumberStart(command); };
    handlers_["CMT"] = [this](const CommandView& command) { addInline(Inline::Kind::Comment, command.text(0)); };
    handlers_["DTF"] = [this](const CommandView& command) {
        addInline(Inline::Kind::Field, "date", command.listingForm());
    };
    handlers_["PGN"] = [this](const CommandView&) { numberText_ = true; };
    handlers_["EPN"] = [this](const CommandView&) { numberText_ = false; };
    addStructureHandlers();
    addTableHandlers();
    addMarkHandlers();
}

void PreviewBuilder::addStructureHandlers()
{
    handlers_["HNP"] = [this](const CommandView& command) {
        if (containers_.size() == 1)
            newPage();
        else
            list(command, "a page break inside a table, note, frame, header or footer is not shown");
    };
    auto headerFooter = [this](Container::Kind kind) {
        return [this, kind](const CommandView& command) {
            if (containers_.size() != 1) {
                damaged(command, "a header or footer inside other content");
                return;
            }
            Page& page = document_.pages.back();
            auto& list = kind == Container::Kind::Header ? page.headers : page.footers;
            list.emplace_back();
            openContainer(kind, list.back());
        };
    };
    handlers_["HF2"] = headerFooter(Container::Kind::Header);
    handlers_["HF1"] = headerFooter(Container::Kind::Footer);
    handlers_["HFX"] = [this](const CommandView& command) { endHeaderFooter(command); };
    handlers_["FNT"] = [this](const CommandView& command) { beginNote(command); };
    handlers_["FNA"] = [this](const CommandView& command) {
        if (current().kind != Container::Kind::Note)
            damaged(command, "a note number outside a note");
        else
            addInline(Inline::Kind::NoteMark, document_.pages.back().notes.back().mark);
    };
    handlers_["EFN"] = [this](const CommandView& command) {
        if (!closeContainer(Container::Kind::Note))
            damaged(command, "ends a note that is not open");
    };
    handlers_["APO"] = [this](const CommandView& command) { frame(command); };
    handlers_["APF"] = [this](const CommandView& command) {
        if (!closeContainer(Container::Kind::Frame))
            damaged(command, "ends a frame that is not open");
    };
    handlers_["PDS"] = [this](const CommandView& command) {
        pictureWidth_ = command.decimal(kPictureWidth).value_or(0);
        pictureHeight_ = command.decimal(kPictureHeight).value_or(0);
    };
    handlers_["PCT"] = [this](const CommandView& command) { picture(command); };
    handlers_["IGR"] = [this](const CommandView& command) { addInline(Inline::Kind::Picture, command.text(0)); };
    handlers_["DTX"] = [this](const CommandView& command) {
        const bool deleted = character_.deleted;
        character_.deleted = true;
        feed(command.item().body.items);
        character_.deleted = deleted;
    };
}

void PreviewBuilder::addTableHandlers()
{
    handlers_["CDS"] = [this](const CommandView& command) {
        const auto count = command.decimal(1);
        // No more columns than parameters, however many the count claims.
        const size_t columnCount =
            std::min(static_cast<size_t>(std::max(count.value_or(0), 0L)), command.parameterCount());
        std::vector<long> columns;
        const size_t twips = kLayoutColumns + 3 * columnCount;
        for (size_t i = 0; i < columnCount; ++i) {
            const auto left = command.decimal(twips + 3 * i);
            const auto right = command.decimal(twips + 3 * i + 1);
            columns.push_back(left && right && *right > *left ? *right - *left : 0);
        }
        if (!count || *count < 0 || static_cast<size_t>(*count) != columnCount ||
            command.parameterCount() < twips + 3 * columnCount)
            damaged(command, "a column layout whose columns are not all given");
        pendingLayout_ = ListedCommand{command.offset(), command.listingForm(), {}, {}};
        pendingColumns_ = std::move(columns);
    };
    handlers_["BCM"] = [this](const CommandView& command) { beginTable(command); };
    handlers_["ECM"] = [this](const CommandView& command) { endTable(command); };
    handlers_["BRO"] = [this](const CommandView& command) { beginRow(command); };
    handlers_["BCO"] = [this](const CommandView& command) { beginCell(command); };
    handlers_["HCB"] = [this](const CommandView& command) { columnBreak(command); };
}

void PreviewBuilder::addMarkHandlers()
{
    handlers_["XRF"] = [this](const CommandView& command) { crossReference(command); };
}

void PreviewBuilder::feed(const Sequence& items)
{
    if (bodyDepth_ >= kMaxNestingDepth)
        return;
    ++bodyDepth_;
    for (const Piece& piece : TextDecoder(true).pieces(items)) {
        if (piece.command)
            command(*piece.command);
        else
            text(piece.characters);
    }
    --bodyDepth_;
}

void PreviewBuilder::text(const std::string& characters)
{
    if (characters.empty())
        return;
    if (numberText_)
        current().number += characters;
    else
        addInline(Inline::Kind::Text, characters);
}

void PreviewBuilder::command(const Item& item)
{
    const CommandView command(item);
    const Outcome outcomes[] = {applyCharacterCommand(command, character_), applyParagraphCommand(command, paragraph_),
                                applyPageCommand(command, document_.pages.back().layout)};
    for (const Outcome outcome : outcomes) {
        if (outcome == Outcome::Applied)
            return;
        if (outcome == Outcome::Malformed) {
            damaged(command, "parameters not as a writer puts them");
            return;
        }
    }
    if (const auto handler = handlers_.find(command.name()); handler != handlers_.end()) {
        handler->second(command);
        return;
    }
    if (command.name() == "SHD" && boxClient(command) == kCellShading && current().kind == Container::Kind::Cell &&
        !tables_.empty() && !tables_.back().table->rows.empty()) {
        tables_.back().table->rows.back().cells.back().shading = readShading(command);
        return;
    }
    if (kTextEscapes.count(command.name()))
        damaged(command, "a text escape whose parameters are not as a writer puts them");
    else
        list(command, kKnownUnrendered.count(command.name()) ? std::string() : "unknown command");
}

void PreviewBuilder::addInline(Inline::Kind kind, std::string text, std::string target)
{
    Inline piece;
    piece.kind = kind;
    piece.text = std::move(text);
    piece.target = std::move(target);
    piece.link = link_;
    piece.format = character_;
    if (kind == Inline::Kind::Picture) {
        piece.width = pictureWidth_;
        piece.height = pictureHeight_;
    }
    current().inlines.push_back(std::move(piece));
}

void PreviewBuilder::endParagraph()
{
    if (lineBreakNext_) {
        lineBreakNext_ = false;
        addInline(Inline::Kind::LineBreak);
        return;
    }
    Container& container = current();
    auto paragraph = std::make_unique<Paragraph>();
    paragraph->format = paragraph_;
    paragraph->number = std::move(container.number);
    paragraph->columnBreakBefore = columnBreakNext_;
    columnBreakNext_ = false;
    paragraph->inlines = std::move(container.inlines);
    container.number.clear();
    container.inlines.clear();
    container.blocks->push_back(Block{std::move(paragraph), nullptr, nullptr, nullptr});
}

void PreviewBuilder::flushParagraph()
{
    // Marks of listed commands alone make no paragraph: they wait for the
    // next text in the same place.
    const std::vector<Inline>& inlines = current().inlines;
    const bool onlyMarks = std::all_of(inlines.begin(), inlines.end(),
                                       [](const Inline& piece) { return piece.kind == Inline::Kind::Listed; });
    if (!onlyMarks || !current().number.empty())
        endParagraph();
}

void PreviewBuilder::openContainer(Container::Kind kind, std::vector<Block>& blocks)
{
    containers_.push_back(Container{kind, &blocks, {}, {}});
}

bool PreviewBuilder::closeContainer(Container::Kind kind)
{
    if (containers_.size() < 2 || current().kind != kind)
        return false;
    lineBreakNext_ = false;
    flushParagraph();
    containers_.pop_back();
    return true;
}

void PreviewBuilder::newPage()
{
    flushParagraph();
    Page page;
    page.layout = document_.pages.back().layout;
    document_.pages.push_back(std::move(page));
    headerKinds_.clear();
    footerKinds_.clear();
    containers_.front().blocks = &document_.pages.back().blocks;
}

void PreviewBuilder::beginTable(const CommandView& command)
{
    if (!pendingLayout_ || containers_.size() >= kMaxContainerDepth) {
        list(command, pendingLayout_ ? "tables nested too deep" : "no column layout before it");
        return;
    }
    flushParagraph();
    auto table = std::make_unique<Table>();
    table->columnWidths = std::move(pendingColumns_);
    const std::vector<ListedCommand> opening = {*pendingLayout_, {command.offset(), command.listingForm(), {}, {}}};
    tables_.push_back(OpenTable{table.get(), containers_.size(), {}, {}, 0, opening});
    tables_.back().rowsCovered.assign(table->columnWidths.size(), 0);
    current().blocks->push_back(Block{nullptr, std::move(table), nullptr, nullptr});
    pendingLayout_.reset();
}

void PreviewBuilder::endTable(const CommandView& command)
{
    if (tables_.empty()) {
        list(command);
        return;
    }
    while (containers_.size() > tables_.back().containerDepth)
        closeContainer(current().kind);
    const OpenTable open = std::move(tables_.back());
    tables_.pop_back();
    columnBreakNext_ = false;
    if (!open.table->rows.empty())
        return;
    // A layout without rows is a section's columns: the paragraphs after the
    // layout's place are set in them.
    std::vector<Block>& blocks = *current().blocks;
    const auto place =
        std::find_if(blocks.begin(), blocks.end(), [&](const Block& each) { return each.table.get() == open.table; });
    if (place == blocks.end()) { // a page break among the columns left it on the page before
        for (const ListedCommand& opening : open.opening)
            document_.listed.push_back(opening);
        list(command, "columns across a page break are not shown");
        return;
    }
    auto columns = std::make_unique<Columns>();
    columns->widths = open.table->columnWidths;
    std::move(std::next(place), blocks.end(), std::back_inserter(columns->blocks));
    blocks.erase(std::next(place), blocks.end());
    *place = Block{nullptr, nullptr, nullptr, std::move(columns)};
}

void PreviewBuilder::beginRow(const CommandView& command)
{
    const auto count = command.decimal(0);
    if (tables_.empty() || !count || *count < 0) {
        damaged(command, tables_.empty() ? "a table row outside a table" : "parameters not as a writer puts them");
        return;
    }
    OpenTable& open = tables_.back();
    while (containers_.size() > open.containerDepth)
        closeContainer(current().kind);
    for (unsigned& covered : open.rowsCovered)
        covered = covered > 0 ? covered - 1 : 0;
    open.coveredUpTo = 0;
    // "BRO" count, height in lines, height, a border word per cell, alignment, header.
    Row row;
    row.height = command.decimal(2).value_or(0);
    row.header = command.decimal(4 + static_cast<size_t>(*count)).value_or(0) == 1;
    open.cellBorders.clear();
    for (size_t i = 0; i < static_cast<size_t>(*count) && i + 3 < command.parameterCount(); ++i)
        open.cellBorders.push_back(command.hexadecimal(3 + i).value_or(0));
    open.table->rows.push_back(std::move(row));
}

void PreviewBuilder::beginCell(const CommandView& command)
{
    // "BCO" column, column span, row span, merge, 0, 0, vertical alignment.
    const auto column = command.decimal(0);
    const auto columnSpan = command.decimal(1);
    const auto rowSpan = command.decimal(2);
    if (tables_.empty() || tables_.back().table->rows.empty() || !column || *column < 1 || !columnSpan || !rowSpan) {
        damaged(command, tables_.empty() ? "a cell outside a table" : "a cell outside a row or malformed");
        return;
    }
    OpenTable& open = tables_.back();
    while (containers_.size() > open.containerDepth)
        closeContainer(current().kind);
    const auto index = static_cast<size_t>(*column - 1);
    Cell cell;
    cell.columnSpan = static_cast<unsigned>(std::max(1L, *columnSpan));
    cell.rowSpan = static_cast<unsigned>(std::max(1L, *rowSpan));
    cell.merged = index < open.coveredUpTo || (index < open.rowsCovered.size() && open.rowsCovered[index] > 0);
    if (index < open.cellBorders.size())
        cell.borders = bordersFromCode(open.cellBorders[index]);
    if (!cell.merged) {
        open.coveredUpTo = static_cast<unsigned>(index + cell.columnSpan);
        for (size_t i = index; i < index + cell.columnSpan && i < open.rowsCovered.size(); ++i)
            open.rowsCovered[i] = cell.rowSpan; // counted down at each row
    }
    std::vector<Cell>& cells = open.table->rows.back().cells;
    cells.push_back(std::move(cell));
    openContainer(Container::Kind::Cell, cells.back().blocks);
}

void PreviewBuilder::beginNote(const CommandView& command)
{
    const auto code = command.hexadecimal(0);
    const bool insideNote = std::any_of(containers_.begin(), containers_.end(),
                                        [](const Container& c) { return c.kind == Container::Kind::Note; });
    if (!code || insideNote || containers_.size() >= kMaxContainerDepth) {
        damaged(command, insideNote ? "a note inside a note" : "parameters not as a writer puts them");
        return;
    }
    Note note;
    note.endnote = *code >= kEndnoteCodes;
    note.id = "note-" + std::to_string(++footnotes_);
    // A numbered note's number is the consumer's to make; a note with its own
    // mark carries the mark as text, in the running text and in the note.
    const bool numbered = *code == kNumberedFootnote || *code == kNumberedEndnote;
    if (numbered)
        note.mark = std::to_string(footnotes_);
    addInline(Inline::Kind::NoteMark, note.mark, note.id);
    std::vector<Note>& notes = document_.pages.back().notes;
    notes.push_back(std::move(note));
    openContainer(Container::Kind::Note, notes.back().blocks);
}

void PreviewBuilder::crossReference(const CommandView& command)
{
    const auto kind = command.hexadecimal(0);
    const std::string target = command.text(2);
    if (!kind) {
        damaged(command, "parameters not as a writer puts them");
        return;
    }
    if (*kind == kBookmarkBegin)
        addInline(Inline::Kind::Anchor, target);
    else if (*kind == kLinkBegin)
        link_ = target;
    else if (*kind == kReferenceEnd)
        link_.clear();
    else if (*kind != kBookmarkEnd)
        addInline(Inline::Kind::Field, "reference to " + target, command.listingForm());
    // A reference whose result the writer left out holds its end inside.
    feed(command.item().body.items);
}

void PreviewBuilder::picture(const CommandView& command)
{
    // "PCT" [0,] the picture's bytes in hexadecimal, an empty parameter; a
    // lone empty parameter is a picture left out.
    std::string digits;
    for (size_t i = 0; i < command.parameterCount(); ++i) {
        const std::string parameter = command.text(i);
        if (parameter.size() > digits.size())
            digits = parameter;
    }
    addInline(Inline::Kind::Picture, digits.empty() ? "picture left out" : "picture", pictureDataUri(digits));
}

void PreviewBuilder::frame(const CommandView& command)
{
    if (containers_.size() >= kMaxContainerDepth) {
        damaged(command, "frames nested too deep");
        return;
    }
    auto frame = std::make_unique<Frame>();
    frame->width = command.decimal(kFrameWidth).value_or(0);
    frame->height = command.decimal(kFrameHeight).value_or(0);
    // Codes 0 to 2 align the frame; any other places it at its offsets.
    static const Frame::Placement kPlacements[] = {Frame::Placement::Left, Frame::Placement::Centre,
                                                   Frame::Placement::Right};
    const long alignment = command.decimal(kFrameAlignment).value_or(-1);
    frame->placement = alignment >= 0 && alignment < 3 ? kPlacements[alignment] : Frame::Placement::AtOffset;
    frame->horizontalOffset = command.decimal(kFrameHorizontalOffset).value_or(0);
    frame->verticalOffset = command.decimal(kFrameVerticalOffset).value_or(0);
    frame->borders = bordersFromCode(command.hexadecimal(kFrameBorders).value_or(0));
    Frame* opened = frame.get();
    current().blocks->push_back(Block{nullptr, nullptr, std::move(frame), nullptr});
    openContainer(Container::Kind::Frame, opened->blocks);
}

void PreviewBuilder::pageNumberStart(const CommandView& command)
{
    const auto above255 = command.decimal(kStartAbove255);
    const auto lowByte = command.decimal(kStartLowByte);
    if (!above255 || !lowByte || *lowByte < 0 || *lowByte > kLargestByte) {
        damaged(command, "parameters not as a writer puts them");
        return;
    }
    if (*above255 != 0) {
        list(command, "a page number start above 255: its high byte is not in the stream");
        return;
    }
    firstPageNumber_ = *lowByte;
    numberedFrom_ = document_.pages.size() - 1;
}

void PreviewBuilder::columnBreak(const CommandView& command)
{
    if (closeContainer(Container::Kind::Cell))
        return;
    // A layout without rows (yet) is a section's columns, and the text
    // stands directly in them.
    const bool inColumns =
        !tables_.empty() && tables_.back().table->rows.empty() && containers_.size() == tables_.back().containerDepth;
    if (!inColumns) {
        list(command, "a column break outside a section's columns is not shown");
        return;
    }
    flushParagraph();
    columnBreakNext_ = true;
}

void PreviewBuilder::endHeaderFooter(const CommandView& command)
{
    const bool header = current().kind == Container::Kind::Header;
    if (!closeContainer(Container::Kind::Header) && !closeContainer(Container::Kind::Footer)) {
        damaged(command, "ends a header or footer that is not open");
        return;
    }
    // A section's properties come again where its columns start, on the same
    // page: the page keeps the first header or footer of each kind ("HFX"
    // parameter 1 says which pages it is for).
    const auto kind = command.hexadecimal(1);
    if (!kind)
        return;
    Page& page = document_.pages.back();
    std::vector<unsigned long>& kinds = header ? headerKinds_ : footerKinds_;
    if (std::find(kinds.begin(), kinds.end(), *kind) != kinds.end()) {
        (header ? page.headers : page.footers).pop_back();
        list(command, "the page has a header or footer of this kind already, which is shown");
        return;
    }
    kinds.push_back(*kind);
}

void PreviewBuilder::list(const CommandView& command, std::string remark)
{
    std::string mark = "listed-" + std::to_string(document_.listed.size() + 1);
    addInline(Inline::Kind::Listed, mark);
    document_.listed.push_back(ListedCommand{command.offset(), command.listingForm(), std::move(remark), mark});
}

void PreviewBuilder::damaged(const CommandView& command, const std::string& remark)
{
    list(command, remark);
    addInline(Inline::Kind::Damage, command.name() + ": " + remark);
}

PreviewDocument PreviewBuilder::finish(const std::optional<Fault>& fault)
{
    if (fault) {
        document_.damage = describeFault(*fault);
        addInline(Inline::Kind::Damage, "the stream breaks off here: " + document_.damage);
    }
    lineBreakNext_ = false;
    while (containers_.size() > 1)
        closeContainer(current().kind);
    flushParagraph();
    tables_.clear();
    std::stable_sort(document_.listed.begin(), document_.listed.end(),
                     [](const ListedCommand& a, const ListedCommand& b) { return a.offset < b.offset; });
    return std::move(document_);
}

PreviewDocument buildPreview(const IcfStream& stream)
{
    PreviewBuilder builder;
    builder.feed(stream.items);
    return builder.finish(stream.fault);
}

} // namespace icfdump::preview
