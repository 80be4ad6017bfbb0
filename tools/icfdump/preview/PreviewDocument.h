// What the HTML preview shows of an ICF stream: pages with their layout,
// paragraphs and tables with the formatting in force where their text stood,
// notes, headers and footers, and the commands that are shown only as a list.
// Lengths are twips, as the stream gives them.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace icfdump::preview {

struct Rgb {
    unsigned red = 0;
    unsigned green = 0;
    unsigned blue = 0;
    bool operator==(const Rgb& other) const { return red == other.red && green == other.green && blue == other.blue; }
};

// The line of each side of a box; 0 is no line, other values are line codes.
struct Borders {
    unsigned top = 0;
    unsigned left = 0;
    unsigned bottom = 0;
    unsigned right = 0;
    Rgb topColor, leftColor, bottomColor, rightColor;
    bool any() const { return top || left || bottom || right; }
};

// A fill: the pattern colour laid over the background at `intensity` percent.
struct Shading {
    unsigned intensity = 0;
    Rgb foreground;
    Rgb background;
};

enum class Script { Normal, Superscript, Subscript };
enum class CaseModifier { None, SmallCapitals, Capitals };

struct CharacterFormat {
    std::string font;        // empty: the page's default font
    unsigned halfPoints = 0; // 0: the page's default size
    bool bold = false;
    bool italic = false;
    unsigned underline = 0; // 0 none, else the line code
    bool strikeOut = false;
    bool hidden = false;
    bool outline = false;
    bool shadow = false;
    bool flashing = false;
    bool reverse = false;
    bool revisionAdded = false;
    bool deleted = false; // text of a deleted revision
    Script script = Script::Normal;
    CaseModifier caseModifier = CaseModifier::None;
    std::optional<Rgb> color;
    std::optional<Shading> shading;
    Borders borders;
};

enum class Alignment { Left, Centre, Right, Justified };

struct TabStop {
    long position = 0; // twips from the left margin
    char type = 'L';   // L, C, R or D
};

struct ParagraphFormat {
    Alignment alignment = Alignment::Left;
    long leftIndent = 0;      // from the left margin
    long firstLineIndent = 0; // of the first line, from the left margin
    long rightIndent = 0;     // from the right margin
    long spaceBefore = 0;
    long spaceAfter = 0;
    long lineHeight = 0; // 0: single
    bool lineHeightExact = false;
    bool keepTogether = false;
    bool keepWithNext = false;
    Borders borders;
    std::optional<Shading> shading;
    std::vector<TabStop> tabs;
};

// One piece of a paragraph's content.
struct Inline {
    enum class Kind {
        Text,
        Tab,
        LineBreak,
        Anchor,   // a bookmark's target: `text` is its name
        NoteMark, // `text` is the number (empty for a note with its own mark); `target` the
                  // note's id in the running text, empty in the note itself
        Picture,  // `target` is a data: URI, or empty for a placeholder
        Field,    // `text` says what the field is
        Damage,   // `text` says what is wrong
        Listed,   // where a command listed in the side panel stood: `text` is the mark's id
        Comment,  // `text` is the comment's text
    };
    Kind kind = Kind::Text;
    std::string text;
    std::string target;
    std::string link; // the target of the hyperlink the inline stands in
    long width = 0;   // pictures
    long height = 0;
    CharacterFormat format;
};

struct Block;

struct Paragraph {
    ParagraphFormat format;
    std::string number;             // the text of a numbered paragraph's number
    bool columnBreakBefore = false; // starts the next of its section's columns
    std::vector<Inline> inlines;
};

struct Cell {
    unsigned columnSpan = 1;
    unsigned rowSpan = 1;
    bool merged = false; // covered by a span of a cell before it
    std::optional<Shading> shading;
    Borders borders;
    std::vector<Block> blocks;
};

struct Row {
    bool header = false;
    long height = 0;
    std::vector<Cell> cells;
};

struct Table {
    std::vector<long> columnWidths;
    std::vector<Row> rows;
};

// A positioned box of paragraphs (a frame), beside the text at the side its
// alignment names or at its offsets from where it is anchored.
struct Frame {
    enum class Placement { Left, Centre, Right, AtOffset };
    Placement placement = Placement::AtOffset;
    long horizontalOffset = 0;
    long verticalOffset = 0;
    long width = 0;
    long height = 0;
    Borders borders;
    std::vector<Block> blocks;
};

// Paragraphs set in columns (a section's columns).
struct Columns {
    std::vector<long> widths;
    std::vector<Block> blocks;
};

// A paragraph, table, frame or run of columns; exactly one is set.
struct Block {
    std::unique_ptr<Paragraph> paragraph;
    std::unique_ptr<Table> table;
    std::unique_ptr<Frame> frame;
    std::unique_ptr<Columns> columns;
};

struct Note {
    std::string id;
    std::string mark; // a numbered note's number, which "FNA" stands for; empty for a note with its own mark
    bool endnote = false;
    std::vector<Block> blocks;
};

struct PageLayout {
    long width = 12240; // a letter page until the stream says otherwise
    long height = 15840;
    long topMargin = 1440;
    long bottomMargin = 1440;
    long leftMargin = 1440;
    long rightMargin = 1440;
    Borders borders;
};

struct Page {
    PageLayout layout;
    std::vector<std::vector<Block>> headers;
    std::vector<std::vector<Block>> footers;
    std::vector<Block> blocks;
    std::vector<Note> notes;
};

// A command shown in the side panel: one that the page does not render, or
// one whose parameters are not what a writer puts.
struct ListedCommand {
    size_t offset = 0;
    std::string command; // the name and the parameters, as a listing shows them
    std::string remark;  // why it is listed; empty when it is merely not rendered
    std::string mark;    // the id of the mark where it stood in the text; empty for none
};

struct PreviewDocument {
    std::vector<Page> pages;
    std::vector<ListedCommand> listed;
    std::string damage; // what broke off the stream, empty when it is whole
};

} // namespace icfdump::preview
