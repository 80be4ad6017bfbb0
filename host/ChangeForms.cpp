#include "host/ChangeForms.h"
#include "host/ListingText.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace trxhost {
namespace {

// An argument's writing style and range; codes, flags, font and tag ids take
// any value, the filter decides what they mean.
template <ArgumentStyle Style, const ValueRange& Range>
ChangeArgument argument(int value)
{
    return {value, Style, &Range};
}
constexpr auto number = argument<ArgumentStyle::Number, kAnyValue>;
constexpr auto hex = argument<ArgumentStyle::Hex, kAnyValue>;
constexpr auto onOff = argument<ArgumentStyle::Switch, kAnyValue>;
constexpr auto length = argument<ArgumentStyle::Number, kLength>;
constexpr auto signedLength = argument<ArgumentStyle::Signed, kSignedLength>;
constexpr auto id = argument<ArgumentStyle::Number, kId>;
constexpr auto level = argument<ArgumentStyle::Number, kListLevel>;
constexpr auto count = argument<ArgumentStyle::Number, kCount>;
constexpr auto fontSize = argument<ArgumentStyle::Number, kFontSize>;
constexpr auto colour = argument<ArgumentStyle::Hex, kColour>;

struct Named {
    const char* name;
    uint32_t code;
    const char* meaning;
};

// Character attributes: value 1 of an attribute change; value 2 is the state.
const Named kAttributes[] = {
    {"bold", CHATTR_BOLD, "bold"},
    {"italic", CHATTR_ITALIC, "italic"},
    {"underline", CHATTR_UNDERLINE, "single underline"},
    {"double underline", CHATTR_DOUBLE_UNDERLINE, "double underline"},
    {"small caps", CHATTR_SMALL_CAPS, "small capitals"},
    {"outline", CHATTR_OUTLINE, "outline"},
    {"shadow", CHATTR_SHADOW, "shadow"},
    {"all caps", CHATTR_ALL_CAPS, "all capitals"},
    {"subscript", CHATTR_SUBSCRIPT, "subscript"},
    {"superscript", CHATTR_SUPERSCRIPT, "superscript"},
    {"strikeout", CHATTR_STRIKEOUT, "single strike-out"},
    {"word underline", CHATTR_WORD_UNDERLINE, "underline of words only"},
    {"dotted underline", CHATTR_DOTTED_UNDERLINE, "dotted underline"},
    {"hidden", CHATTR_HIDDEN, "hidden text"},
    {"lower case", CHATTR_LOWER_CASE, "lower case"},
    {"title case", CHATTR_TITLE_CASE, "initial capitals"},
    {"protected", CHATTR_PROTECTED, "protected text"},
    {"revision added", CHATTR_REVISION_ADDED, "text added by a revision"},
    {"revision deleted", CHATTR_REVISION_DELETED, "text deleted by a revision"},
    {"flashing", CHATTR_FLASHING, "flashing text"},
    {"reverse", CHATTR_REVERSE, "reverse video"},
    {"embossed", CHATTR_EMBOSSED, "embossed"},
    {"engraved", CHATTR_ENGRAVED, "engraved"},
    {"double strikeout", CHATTR_DOUBLE_STRIKEOUT, "double strike-out"},
    {"thick underline", CHATTR_THICK_UNDERLINE, "thick underline"},
    {"dash underline", CHATTR_DASH_UNDERLINE, "dashed underline"},
    {"dot dash underline", CHATTR_DOT_DASH_UNDERLINE, "dot-dash underline"},
    {"dot dot dash underline", CHATTR_DOT_DOT_DASH_UNDERLINE, "dot-dot-dash underline"},
    {"wave underline", CHATTR_WAVE_UNDERLINE, "wavy underline"},
};

// Attributes that only a style relation names: value 1 of a relation
// change.
const Named kStyleOnlyAttributes[] = {
    {"font size", CHATTR_FONT_SIZE, "font size"},
    {"font", CHATTR_FONT, "font"},
    {"text color", CHATTR_TEXT_COLOR, "text colour"},
    {"background color", CHATTR_BACKGROUND_COLOR, "background colour"},
    {"width adjustment", CHATTR_WIDTH_ADJUSTMENT, "character width adjustment"},
    {"kerning", CHATTR_PAIR_KERNING, "pair kerning"},
    {"language", CHATTR_LANGUAGE, "language"},
    {"character style", CHATTR_CHARACTER_STYLE, "the character style (either relation drops it)"},
    {"other underline", CHATTR_OTHER_UNDERLINE, "any underline"},
};

// Special characters: value 1 of a special character change.
const Named kSpecialCharacters[] = {
    {"tab", CHSPECIAL_TAB, "tab character"},
    {"soft hyphen", CHSPECIAL_SOFT_HYPHEN, "optional hyphen"},
    {"page break", CHSPECIAL_PAGE_BREAK, "page break in the text"},
    {"line break", CHSPECIAL_LINE_BREAK, "line break in the paragraph"},
    {"nonbreaking space", CHSPECIAL_NONBREAKING_SPACE, "non-breaking space"},
    {"hard hyphen", CHSPECIAL_HARD_HYPHEN, "non-breaking hyphen"},
    {"page number", CHSPECIAL_PAGE_NUMBER, "current page number field"},
    {"date", CHSPECIAL_DATE, "date field"},
    {"time", CHSPECIAL_TIME, "time field"},
    {"index entry", CHSPECIAL_INDEX_ENTRY, "the paragraph's text so far becomes an index entry"},
    {"index subentry", CHSPECIAL_INDEX_SUBENTRY, "the same as an index entry"},
};

// Tag types: value 1 of a begin tag or end tag change.
const Named kTags[] = {
    {"bookmark", CHTAG_BOOKMARK, "a bookmark; data: 8 bytes, word 4 = id of the change naming it"},
    {"reference", CHTAG_REFERENCE, "a reference; data: 16 bytes; target from properties"},
    {"hyperlink", CHTAG_HYPERLINK, "a hyperlink; data: 12 bytes; target from properties"},
    {"toc bookmark a", CHTAG_TOC_BOOKMARK_A,
     "a table-of-contents bookmark; data: 8 bytes, word 0 = level, word 4 not 0 = hidden"},
    {"toc bookmark b", CHTAG_TOC_BOOKMARK_B, "the same as toc bookmark a"},
    {"table of contents", CHTAG_TABLE_OF_CONTENTS, "a table of contents"},
    {"index", CHTAG_INDEX, "an index"},
    {"index bookmark", CHTAG_INDEX_BOOKMARK, "an index entry's text"},
    {"date field", CHTAG_DATE_FIELD, "a date field; data: 16 bytes, word 8 = 1 for a date"},
    {"note mark a", CHTAG_NOTE_MARK_A, "a note reference mark"},
    {"note mark b", CHTAG_NOTE_MARK_B, "the same as note mark a"},
    {"note mark c", CHTAG_NOTE_MARK_C, "the same as note mark a"},
    {"summary item", CHTAG_SUMMARY_ITEM, "a document summary item; data: 4 bytes, word 0 = its predefined type"},
    {"style definition", CHTAG_STYLE_DEFINITION,
     "a style definition; data: 28 bytes, word 4 = style id, word 8 = kind (1 paragraph, 2 character, 3 list), "
     "word 16 = id of the change naming it (0: none), word 20 = base style id (-1: none)"},
    {"note separator", CHTAG_NOTE_SEPARATOR, "a note separator; id 0x80000001 to 0x80000006"},
    {"frame content", CHTAG_FRAME_CONTENT, "the content of the last frame"},
    {"nested paragraph", CHTAG_NESTED_PARAGRAPH, "a nested paragraph (a date field's format)"},
    {"number text", CHTAG_NUMBER_TEXT, "a nested paragraph (a list number's text)"},
    {"formatting scope", CHTAG_FORMATTING_SCOPE, "character formatting restored at its end"},
};

// The note separators: the tag id of a note separator tag says which one.
const Named kSeparators[] = {
    {"footnote separator", CHSEPARATOR_FIRST_ID, "the line above the footnotes"},
    {"footnote continuation separator", CHSEPARATOR_FIRST_ID + 1, "above footnotes continued from a page before"},
    {"footnote continuation notice", CHSEPARATOR_FIRST_ID + 2, "below footnotes continued on the next page"},
    {"endnote separator", CHSEPARATOR_FIRST_ID + 3, "the line above the endnotes"},
    {"endnote continuation separator", CHSEPARATOR_FIRST_ID + 4, "above endnotes continued from a page before"},
    {"endnote continuation notice", CHSEPARATOR_FIRST_ID + 5, "below endnotes continued on the next page"},
};
static_assert(sizeof(kSeparators) / sizeof(kSeparators[0]) == CHSEPARATOR_ID_COUNT, "a name for every separator");

std::vector<ChangeForm> buildForms()
{
    std::vector<ChangeForm> forms = {
        {"paragraph end", CHCHANGE_BREAK, {CHBREAK_PARAGRAPH_END, 0, 0}, {}, "ends the paragraph"},
        {"document end", CHCHANGE_BREAK, {CHBREAK_DOCUMENT_END, 0, 0}, {}, "ends the document"},
        {"row end", CHCHANGE_BREAK, {CHBREAK_ROW_END, 0, 0}, {}, "ends a table row"},
        {"cell end", CHCHANGE_BREAK, {CHBREAK_CELL_END, 0, 0}, {}, "ends a table cell"},
        {"column break", CHCHANGE_BREAK, {CHBREAK_COLUMN, 0, 0}, {}, "column break in the text"},
        {"section break", CHCHANGE_BREAK, {CHBREAK_SECTION, 0, 0}, {}, "ends the section"},
        {"document properties done",
         CHCHANGE_BREAK,
         {CHBREAK_DOCUMENT_PROPERTIES_DONE, 0, 0},
         {},
         "the document's properties are complete"},
        {"break", CHCHANGE_BREAK, {0, 0, 0}, {number(1)}, "a break of any kind"},
        {"section change", CHCHANGE_SECTION, {0, 0, 0}, {number(1)}, "non-zero fails the export with 50"},
        {"attribute", CHCHANGE_ATTRIBUTE, {0, 0, 0}, {number(1), onOff(2)}, "any character attribute on or off"},
        {"font size", CHCHANGE_FONT_SIZE, {0, 0, 0}, {fontSize(1)}, "font size"},
        {"select font", CHCHANGE_FONT, {0, 0, 0}, {number(1)}, "font by font id"},
        {"select asian font", CHCHANGE_ADDITIONAL_FONT, {0, 1, 0}, {number(1)}, "Asian font by font id"},
        {"select low range font", CHCHANGE_ADDITIONAL_FONT, {0, 2, 0}, {number(1)}, "font for characters below 0x100"},
        {"additional font", CHCHANGE_ADDITIONAL_FONT, {0, 0, 0}, {number(1), number(2)}, "font id, slot"},
        {"character set", CHCHANGE_CHARACTER_SET, {0, 0, 0}, {hex(1)}, "character set of the text that follows"},
        {"wide character set",
         CHCHANGE_WIDE_CHARACTER_SET,
         {0, 0, 0},
         {hex(1)},
         "default character set of wide strings"},
        {"text color", CHCHANGE_TEXT_COLOR, {0, 0, 0}, {colour(2)}, "text colour 0x00BBGGRR"},
        {"text color auto", CHCHANGE_TEXT_COLOR, {1, 0, 0}, {}, "automatic text colour"},
        {"background color", CHCHANGE_BACKGROUND_COLOR, {0, 0, 0}, {colour(2)}, "background colour 0x00BBGGRR"},
        {"background color auto", CHCHANGE_BACKGROUND_COLOR, {1, 0, 0}, {}, "automatic background colour"},
        {"widen characters", CHCHANGE_WIDTH_ADJUSTMENT, {1, 0, 0}, {length(2)}, "character width adjustment, positive"},
        {"narrow characters",
         CHCHANGE_WIDTH_ADJUSTMENT,
         {0, 0, 0},
         {length(2)},
         "character width adjustment, negative"},
        {"kerning", CHCHANGE_PAIR_KERNING, {0, 0, 0}, {onOff(1), fontSize(2)}, "pair kerning, from the size given"},
        {"language", CHCHANGE_LANGUAGE, {0, 0, 0}, {hex(1)}, "language identifier"},
        {"raise baseline", CHCHANGE_BASELINE_SHIFT, {0, 0, 0}, {length(2)}, "baseline shift up"},
        {"lower baseline", CHCHANGE_BASELINE_SHIFT, {1, 0, 0}, {length(2)}, "baseline shift down"},
        {"special",
         CHCHANGE_SPECIAL_CHARACTER,
         {0, 0, 0},
         {hex(1)},
         "any special character (date codes 0x120 to 0x133)"},
        {"align left", CHCHANGE_ALIGNMENT, {1, 0, 0}, {}, "left-aligned paragraph"},
        {"align right", CHCHANGE_ALIGNMENT, {2, 0, 0}, {}, "right-aligned paragraph"},
        {"align center", CHCHANGE_ALIGNMENT, {3, 0, 0}, {}, "centred paragraph"},
        {"align justify", CHCHANGE_ALIGNMENT, {4, 0, 0}, {}, "justified paragraph"},
        {"alignment", CHCHANGE_ALIGNMENT, {0, 0, 0}, {number(1)}, "alignment code"},
        {"indents",
         CHCHANGE_INDENTS,
         {0, 0, 0},
         {signedLength(1), signedLength(2), signedLength(3)},
         "left, right, first line"},
        {"left indent", CHCHANGE_ONE_INDENT, {0, 0, 0}, {signedLength(3)}, "left indent only"},
        {"right indent", CHCHANGE_ONE_INDENT, {1, 0, 0}, {signedLength(3)}, "right indent only"},
        {"first line indent", CHCHANGE_ONE_INDENT, {2, 0, 0}, {signedLength(3)}, "first-line indent only"},
        {"indent", CHCHANGE_ONE_INDENT, {0, 0, 0}, {number(1), signedLength(3)}, "which indent, value"},
        {"line spacing at least", CHCHANGE_LINE_SPACING, {2, 0, 0}, {length(2)}, "lines at least this high"},
        {"line spacing exact", CHCHANGE_LINE_SPACING, {3, 0, 0}, {length(2)}, "lines exactly this high"},
        {"line spacing",
         CHCHANGE_LINE_SPACING,
         {0, 0, 0},
         {hex(1), length(2)},
         "kind (2 or 3 in the low byte), height"},
        {"clear tabs", CHCHANGE_CLEAR_TABS, {0, 0, 0}, {}, "removes every tab stop"},
        {"tab stop left", CHCHANGE_ADD_TAB, {1, 0, 0}, {length(3)}, "left tab stop at a position"},
        {"tab stop right", CHCHANGE_ADD_TAB, {2, 0, 0}, {length(3)}, "right tab stop"},
        {"tab stop center", CHCHANGE_ADD_TAB, {3, 0, 0}, {length(3)}, "centred tab stop"},
        {"tab stop decimal", CHCHANGE_ADD_TAB, {4, 0x2E, 0}, {length(3)}, "decimal tab stop on '.'"},
        {"tab stop bar", CHCHANGE_ADD_TAB, {0x201, 0, 0}, {length(3)}, "bar tab stop"},
        {"tab stop",
         CHCHANGE_ADD_TAB,
         {0, 0, 0},
         {hex(1), hex(2), length(3)},
         "kind and flags, leader (high 16 bits) and decimal character, position"},
        {"remove tabs", CHCHANGE_REMOVE_TABS, {0, 0, 0}, {length(1), length(2)}, "position, tolerance"},
        {"default tab width", CHCHANGE_DEFAULT_TAB_WIDTH, {0, 0, 0}, {length(1)}, "default tab width"},
        {"hyphenation zone", CHCHANGE_HYPHENATION_ZONE, {0, 0, 0}, {length(1)}, "hyphenation hot zone"},
        {"keep together", CHCHANGE_KEEP, {1, 0, 0}, {}, "keep the paragraph's lines together"},
        {"keep with next", CHCHANGE_KEEP, {2, 0, 0}, {}, "keep with the next paragraph"},
        {"keep together with next", CHCHANGE_KEEP, {3, 0, 0}, {}, "both of the above"},
        {"keep", CHCHANGE_KEEP, {0, 0, 0}, {hex(1)}, "keep flags"},
        {"paragraph borders", CHCHANGE_PARAGRAPH_BORDERS, {0, 0, 0}, {id(2)}, "104-byte border data record id"},
        {"paragraph shading", CHCHANGE_PARAGRAPH_SHADING, {1, 0, 0}, {id(2)}, "20-byte shading data record id"},
        {"no paragraph shading", CHCHANGE_PARAGRAPH_SHADING, {0, 0, 0}, {}, "removes the shading"},
        {"space before", CHCHANGE_SPACE_BEFORE, {0, 0, 0}, {length(2)}, "space before the paragraph"},
        {"space after", CHCHANGE_SPACE_AFTER, {0, 0, 0}, {length(2)}, "space after the paragraph"},
        {"widow control", CHCHANGE_WIDOW_CONTROL, {0, 0, 0}, {onOff(1), count(2)}, "enabled, lines together"},
        {"orphan control", CHCHANGE_ORPHAN_CONTROL, {0, 0, 0}, {onOff(1), count(2)}, "enabled, lines together"},
        {"begin table", CHCHANGE_BEGIN_TABLE, {0, 0, 0}, {}, "the paragraph becomes a table's first cell"},
        {"end table", CHCHANGE_END_TABLE, {0, 0, 0}, {}, "ends the table"},
        {"row format", CHCHANGE_ROW_FORMAT, {0, 0, 0}, {id(1)}, "row format id (list 10)"},
        {"cell format", CHCHANGE_CELL_FORMAT, {0, 0, 0}, {id(1)}, "cell format id (list 11)"},
        {"left right margins", CHCHANGE_SIDE_MARGINS, {0, 0, 0}, {length(1), length(2)}, "left, right page margins"},
        {"top bottom margins",
         CHCHANGE_TOP_BOTTOM_MARGINS,
         {0, 0, 0},
         {length(1), length(2)},
         "top, bottom page margins"},
        {"page size", CHCHANGE_PAGE_SIZE, {0, 0, 0}, {length(2), length(1)}, "width, height"},
        {"portrait", CHCHANGE_ORIENTATION, {0, 0, 0}, {}, "portrait orientation"},
        {"landscape", CHCHANGE_ORIENTATION, {1, 0, 0}, {}, "landscape orientation"},
        {"orientation", CHCHANGE_ORIENTATION, {0, 0, 0}, {number(1)}, "orientation code"},
        {"page borders", CHCHANGE_PAGE_BORDERS, {0, 0, 0}, {id(1)}, "80-byte page border data record id"},
        {"binding width", CHCHANGE_BINDING_WIDTH, {0, 0, 0}, {id(1)}, "16-byte binding data record id"},
        {"double sided", CHCHANGE_DOUBLE_SIDED, {0, 0, 0}, {onOff(1)}, "double-sided pages"},
        {"section start", CHCHANGE_SECTION_START, {0, 0, 0}, {number(1)}, "section start code"},
        {"binding type", CHCHANGE_BINDING_TYPE, {0, 0, 0}, {number(1)}, "binding code 1, 2, 4 or 8"},
        {"subdocument slot",
         CHCHANGE_SUBDOCUMENT_SLOT,
         {0, 0, 0},
         {id(1), hex(2), hex(3)},
         "84-byte format data record id, flags, slot id"},
        {"footnote area", CHCHANGE_NOTE_AREA, {0, 1, 0}, {id(1)}, "36-byte note area data record id"},
        {"endnote area", CHCHANGE_NOTE_AREA, {0, 2, 0}, {id(1)}, "36-byte note area data record id"},
        {"note area", CHCHANGE_NOTE_AREA, {0, 0, 0}, {id(1), number(2)}, "data record id, area"},
        {"begin columns", CHCHANGE_BEGIN_COLUMNS, {0, 0, 0}, {id(1)}, "20-byte column data record id"},
        {"add column", CHCHANGE_ADD_COLUMN, {0, 0, 0}, {id(1)}, "16-byte column definition data record id"},
        {"columns done", CHCHANGE_COLUMNS_DONE, {0, 0, 0}, {}, "the column group's properties are complete"},
        {"end columns", CHCHANGE_END_COLUMNS, {0, 0, 0}, {}, "ends the column group"},
        {"graphic", CHCHANGE_EMBEDDED_OBJECT, {0, 0, 0}, {id(1)}, "embedded object record id (list 13)"},
        {"apply style", CHCHANGE_APPLY_STYLE, {0, 0, 0}, {number(2)}, "style id"},
        {"same as style",
         CHCHANGE_STYLE_RELATION,
         {0, 0, CHRELATION_SAME_AS_STYLE},
         {number(1)},
         "attribute code taken from the style"},
        {"opposite of style",
         CHCHANGE_STYLE_RELATION,
         {0, 0, CHRELATION_OPPOSITE_OF_STYLE},
         {number(1)},
         "attribute code opposite to the style"},
        {"style relation", CHCHANGE_STYLE_RELATION, {0, 0, 0}, {number(1), number(3)}, "attribute code, relation"},
        {"define page counter",
         CHCHANGE_DEFINE_COUNTER,
         {CHCOUNTER_PAGE_NUMBER, 0, 0},
         {id(3)},
         "36-byte counter data record id"},
        {"define footnote counter",
         CHCHANGE_DEFINE_COUNTER,
         {CHCOUNTER_FOOTNOTE_NUMBER, 0, 0},
         {id(3)},
         "36-byte counter data record id"},
        {"define endnote counter",
         CHCHANGE_DEFINE_COUNTER,
         {CHCOUNTER_ENDNOTE_NUMBER, 0, 0},
         {id(3)},
         "36-byte counter data record id"},
        {"define list counter",
         CHCHANGE_DEFINE_COUNTER,
         {CHCOUNTER_LIST_NUMBER, 0, 0},
         {level(2), id(3)},
         "level from 0, counter data record id"},
        {"define counter",
         CHCHANGE_DEFINE_COUNTER,
         {0, 0, 0},
         {number(1), level(2), id(3)},
         "kind, level, data record id"},
        {"restart list counter",
         CHCHANGE_RESTART_COUNTER,
         {CHCOUNTER_LIST_NUMBER, 0, 0},
         {level(2), number(3)},
         "level, restart value (0: the start)"},
        {"restart counter",
         CHCHANGE_RESTART_COUNTER,
         {0, 0, 0},
         {number(1), level(2), number(3)},
         "kind, level, value"},
        {"apply list counter",
         CHCHANGE_APPLY_COUNTER,
         {CHCOUNTER_LIST_NUMBER, 0, 1},
         {level(2)},
         "numbers the paragraph at a level"},
        {"remove list numbering",
         CHCHANGE_APPLY_COUNTER,
         {CHCOUNTER_LIST_NUMBER, 0, 0},
         {},
         "the paragraph loses its numbering"},
        {"apply footnote counter",
         CHCHANGE_APPLY_COUNTER,
         {CHCOUNTER_FOOTNOTE_NUMBER, 0, 0},
         {},
         "the note is numbered automatically"},
        {"apply endnote counter",
         CHCHANGE_APPLY_COUNTER,
         {CHCOUNTER_ENDNOTE_NUMBER, 0, 0},
         {},
         "the note is numbered automatically"},
        {"apply counter", CHCHANGE_APPLY_COUNTER, {0, 0, 0}, {number(1), level(2), number(3)}, "kind, level, value"},
        {"counter reference",
         CHCHANGE_COUNTER_REFERENCE,
         {0, 0, 0},
         {number(1), level(2), number(3)},
         "a number inside a list number's text"},
        {"header footer", CHCHANGE_HEADER_FOOTER, {0, 0, 0}, {hex(3)}, "opens a header or footer: slot id"},
        {"footnote", CHCHANGE_NOTE, {CHNOTE_FOOTNOTE, 0, 0}, {}, "opens a footnote"},
        {"endnote", CHCHANGE_NOTE, {CHNOTE_ENDNOTE, 0, 0}, {}, "opens an endnote"},
        {"comment", CHCHANGE_NOTE, {CHNOTE_COMMENT, 0, 0}, {}, "opens a comment"},
        {"note", CHCHANGE_NOTE, {0, 0, 0}, {number(1)}, "opens a note of a kind"},
        {"frame", CHCHANGE_FRAME, {0, 0, 0}, {id(3)}, "188-byte frame data record id"},
        {"begin tag", CHCHANGE_BEGIN_TAG, {0, 0, 0}, {hex(1), number(2), id(3)}, "tag type, tag id, data record id"},
        {"end tag", CHCHANGE_END_TAG, {0, 0, 0}, {hex(1), number(2), number(3)}, "tag type, tag id, value 3"},
        {"property file name",
         CHCHANGE_PROPERTY,
         {CHPROPERTY_FILE_NAME, 0, 0},
         {id(2)},
         "id of the change holding the text"},
        {"property url", CHCHANGE_PROPERTY, {CHPROPERTY_URL, 0, 0}, {id(2)}, "id of the change holding the text"},
        {"property bookmark",
         CHCHANGE_PROPERTY,
         {CHPROPERTY_BOOKMARK, 0, 0},
         {id(2)},
         "id of the change holding the text"},
        {"property", CHCHANGE_PROPERTY, {0, 0, 0}, {hex(1), id(2)}, "kind, id of the change holding the text"},
        {"end properties", CHCHANGE_END_PROPERTIES, {0, 0, 0}, {}, "ends an object's properties"},
    };
    for (const Named& attribute : kAttributes)
        forms.push_back({attribute.name, CHCHANGE_ATTRIBUTE, {attribute.code, 0, 0}, {onOff(2)}, attribute.meaning});
    const auto addRelations = [&forms](const Named& attribute) {
        forms.push_back({std::string("same as style ") + attribute.name,
                         CHCHANGE_STYLE_RELATION,
                         {attribute.code, 0, CHRELATION_SAME_AS_STYLE},
                         {},
                         std::string(attribute.meaning) + ", taken from the style"});
        forms.push_back({std::string("opposite of style ") + attribute.name,
                         CHCHANGE_STYLE_RELATION,
                         {attribute.code, 0, CHRELATION_OPPOSITE_OF_STYLE},
                         {},
                         std::string(attribute.meaning) + ", the opposite of the style's"});
    };
    for (const Named& attribute : kAttributes)
        addRelations(attribute);
    for (const Named& attribute : kStyleOnlyAttributes)
        addRelations(attribute);
    for (const Named& special : kSpecialCharacters)
        forms.push_back({special.name, CHCHANGE_SPECIAL_CHARACTER, {special.code, 0, 0}, {}, special.meaning});
    for (const Named& tag : kTags) {
        forms.push_back({std::string("begin ") + tag.name,
                         CHCHANGE_BEGIN_TAG,
                         {tag.code, 0, 0},
                         {number(2), id(3)},
                         std::string(tag.meaning) + "; tag id, data record id"});
        forms.push_back({std::string("end ") + tag.name, CHCHANGE_END_TAG, {tag.code, 0, 0}, {number(2)}, "tag id"});
    }
    for (const Named& separator : kSeparators) {
        forms.push_back({std::string("begin ") + separator.name,
                         CHCHANGE_BEGIN_TAG,
                         {CHTAG_NOTE_SEPARATOR, separator.code, 0},
                         {id(3)},
                         std::string(separator.meaning) + "; data record id"});
        forms.push_back({std::string("end ") + separator.name,
                         CHCHANGE_END_TAG,
                         {CHTAG_NOTE_SEPARATOR, separator.code, 0},
                         {},
                         std::string("ends the ") + separator.name});
    }
    return forms;
}

} // namespace

bool ChangeForm::fits(const std::array<uint32_t, 4>& change) const
{
    if (change[0] != type)
        return false;
    for (int value = 1; value <= 3; ++value) {
        const ChangeArgument* argument = argumentFor(*this, value);
        if (argument ? !argument->range->holds(change[value]) : change[value] != fixed[value - 1])
            return false;
    }
    return true;
}

const ChangeArgument* argumentFor(const ChangeForm& form, int value)
{
    const auto found = std::find_if(form.arguments.begin(), form.arguments.end(),
                                    [value](const ChangeArgument& argument) { return argument.value == value; });
    return found == form.arguments.end() ? nullptr : &*found;
}

std::string ValueRange::describe() const
{
    const auto text = [this](int64_t bound) {
        return hex ? formatNumber(static_cast<uint32_t>(bound), ArgumentStyle::Number) : std::to_string(bound);
    };
    return std::string(what) + ", " + text(min) + " to " + text(max);
}

const std::vector<ChangeForm>& changeForms()
{
    static const std::vector<ChangeForm> forms = buildForms();
    return forms;
}

const ChangeForm* findChangeForm(std::string_view name)
{
    // Hashed: a listing asks for every statement, often more than once. The
    // keys view the names of the forms, which live as long as the process.
    static const std::unordered_map<std::string_view, const ChangeForm*> byName = [] {
        std::unordered_map<std::string_view, const ChangeForm*> names;
        for (const ChangeForm& form : changeForms())
            names.emplace(form.name, &form);
        return names;
    }();
    const auto found = byName.find(name);
    return found == byName.end() ? nullptr : found->second;
}

const std::vector<TagName>& tagNames()
{
    static const std::vector<TagName> names = [] {
        std::vector<TagName> tags;
        for (const Named& tag : kTags)
            tags.push_back({tag.name, tag.code});
        return tags;
    }();
    return names;
}

const ChangeForm* bestChangeForm(const std::array<uint32_t, 4>& change)
{
    const ChangeForm* best = nullptr;
    for (const ChangeForm& form : changeForms()) {
        if (form.fits(change) && (!best || form.arguments.size() < best->arguments.size()))
            best = &form;
    }
    return best;
}

} // namespace trxhost
