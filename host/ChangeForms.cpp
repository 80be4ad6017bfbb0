#include "host/ChangeForms.h"

#include <algorithm>
#include <map>

namespace trxhost {
namespace {

constexpr uint32_t kBreak = 0;
constexpr uint32_t kAttribute = 8;
constexpr uint32_t kSpecialCharacter = 24;
constexpr uint32_t kBeginTag = 67;
constexpr uint32_t kEndTag = 68;

ChangeArgument number(int value) { return {value, ArgumentStyle::Number}; }
ChangeArgument hex(int value) { return {value, ArgumentStyle::Hex}; }
ChangeArgument length(int value) { return {value, ArgumentStyle::Signed}; }
ChangeArgument onOff(int value) { return {value, ArgumentStyle::Switch}; }

struct Named {
    const char* name;
    uint32_t code;
    const char* meaning;
};

// Character attributes: change type 8, value 1 the attribute, value 2 the state.
const Named kAttributes[] = {
    {"bold", 2, "bold"},
    {"italic", 3, "italic"},
    {"underline", 4, "single underline"},
    {"double underline", 5, "double underline"},
    {"small caps", 6, "small capitals"},
    {"outline", 7, "outline"},
    {"shadow", 8, "shadow"},
    {"all caps", 9, "all capitals"},
    {"subscript", 10, "subscript"},
    {"superscript", 11, "superscript"},
    {"strikeout", 12, "single strike-out"},
    {"word underline", 13, "underline of words only"},
    {"dotted underline", 14, "dotted underline"},
    {"hidden", 15, "hidden text"},
    {"lower case", 16, "lower case"},
    {"title case", 17, "initial capitals"},
    {"protected", 18, "protected text"},
    {"revision added", 19, "text added by a revision"},
    {"revision deleted", 20, "text deleted by a revision"},
    {"flashing", 21, "flashing text"},
    {"reverse", 22, "reverse video"},
    {"embossed", 38, "embossed"},
    {"engraved", 39, "engraved"},
    {"double strikeout", 40, "double strike-out"},
    {"thick underline", 42, "thick underline"},
    {"dash underline", 43, "dashed underline"},
    {"dot dash underline", 44, "dot-dash underline"},
    {"dot dot dash underline", 45, "dot-dot-dash underline"},
    {"wave underline", 46, "wavy underline"},
};

// Special characters: change type 24, value 1 the character.
const Named kSpecialCharacters[] = {
    {"tab", 1, "tab character"},
    {"soft hyphen", 3, "optional hyphen"},
    {"page break", 4, "page break in the text"},
    {"line break", 5, "line break in the paragraph"},
    {"nonbreaking space", 6, "non-breaking space"},
    {"hard hyphen", 7, "non-breaking hyphen"},
    {"page number", 8, "current page number field"},
    {"date", 9, "date field"},
    {"time", 10, "time field"},
    {"index entry", 312, "the paragraph's text so far becomes an index entry"},
    {"index subentry", 313, "the same as an index entry"},
};

// Tag types: value 1 of a begin tag (67) or end tag (68).
const Named kTags[] = {
    {"bookmark", 0x80020008, "a bookmark; data: 8 bytes, word 4 = id of the change naming it"},
    {"reference", 0x8003000C, "a reference; data: 16 bytes; target from properties"},
    {"hyperlink", 0x801D0010, "a hyperlink; data: 12 bytes; target from properties"},
    {"toc bookmark a", 0x00160008, "a table-of-contents bookmark; data: 8 bytes"},
    {"toc bookmark b", 0x20160008, "the same as toc bookmark a"},
    {"table of contents", 0x00170000, "a table of contents"},
    {"index", 0x00180000, "an index"},
    {"index bookmark", 0x200C0000, "an index entry's text"},
    {"date field", 0x00210010, "a date field; data: 16 bytes, word 8 = 1 for a date"},
    {"note mark a", 0x80050000, "a note reference mark"},
    {"note mark b", 0x80060000, "the same as note mark a"},
    {"note mark c", 0x80070000, "the same as note mark a"},
    {"summary item", 0xA0010004, "a document summary item; data: 4 bytes"},
    {"style definition", 0xA008001C, "a style definition; data: 28 bytes"},
    {"note separator", 0xA00A0000, "a note separator; id 0x80000001 to 0x80000006"},
    {"frame content", 0xA0090000, "the content of the last frame"},
    {"nested paragraph", 0x201E000C, "a nested paragraph (a date field's format)"},
    {"number text", 0xA0120000, "a nested paragraph (a list number's text)"},
    {"formatting scope", 0x20200008, "character formatting restored at its end"},
};

std::vector<ChangeForm> buildForms()
{
    std::vector<ChangeForm> forms = {
        {"paragraph end", kBreak, {1, 0, 0}, {}, "ends the paragraph"},
        {"document end", kBreak, {2, 0, 0}, {}, "ends the document"},
        {"row end", kBreak, {19, 0, 0}, {}, "ends a table row"},
        {"cell end", kBreak, {20, 0, 0}, {}, "ends a table cell"},
        {"column break", kBreak, {21, 0, 0}, {}, "column break in the text"},
        {"section break", kBreak, {22, 0, 0}, {}, "ends the section"},
        {"document properties done", kBreak, {254, 0, 0}, {}, "the document's properties are complete"},
        {"break", kBreak, {0, 0, 0}, {number(1)}, "a break of any kind"},
        {"section change", 1, {0, 0, 0}, {number(1)}, "non-zero fails the export with 50"},
        {"attribute", kAttribute, {0, 0, 0}, {number(1), onOff(2)}, "any character attribute on or off"},
        {"font size", 9, {0, 0, 0}, {number(1)}, "font size"},
        {"select font", 10, {0, 0, 0}, {number(1)}, "font by font id"},
        {"select asian font", 119, {0, 1, 0}, {number(1)}, "Asian font by font id"},
        {"select low range font", 119, {0, 2, 0}, {number(1)}, "font for characters below 0x100"},
        {"additional font", 119, {0, 0, 0}, {number(1), number(2)}, "font id, slot"},
        {"character set", 25, {0, 0, 0}, {hex(1)}, "character set of the text that follows"},
        {"wide character set", 123, {0, 0, 0}, {hex(1)}, "default character set of wide strings"},
        {"text color", 60, {0, 0, 0}, {hex(2)}, "text colour 0x00BBGGRR"},
        {"text color auto", 60, {1, 0, 0}, {}, "automatic text colour"},
        {"background color", 61, {0, 0, 0}, {hex(2)}, "background colour 0x00BBGGRR"},
        {"background color auto", 61, {1, 0, 0}, {}, "automatic background colour"},
        {"widen characters", 62, {1, 0, 0}, {number(2)}, "character width adjustment, positive"},
        {"narrow characters", 62, {0, 0, 0}, {number(2)}, "character width adjustment, negative"},
        {"kerning", 64, {0, 0, 0}, {onOff(1), number(2)}, "pair kerning, from the size given"},
        {"language", 65, {0, 0, 0}, {hex(1)}, "language identifier"},
        {"raise baseline", 94, {0, 0, 0}, {number(2)}, "baseline shift up"},
        {"lower baseline", 94, {1, 0, 0}, {number(2)}, "baseline shift down"},
        {"special", kSpecialCharacter, {0, 0, 0}, {hex(1)}, "any special character (date codes 0x120 to 0x133)"},
        {"align left", 12, {1, 0, 0}, {}, "left-aligned paragraph"},
        {"align right", 12, {2, 0, 0}, {}, "right-aligned paragraph"},
        {"align center", 12, {3, 0, 0}, {}, "centred paragraph"},
        {"align justify", 12, {4, 0, 0}, {}, "justified paragraph"},
        {"alignment", 12, {0, 0, 0}, {number(1)}, "alignment code"},
        {"indents", 13, {0, 0, 0}, {length(1), length(2), length(3)}, "left, right, first line"},
        {"left indent", 97, {0, 0, 0}, {length(3)}, "left indent only"},
        {"right indent", 97, {1, 0, 0}, {length(3)}, "right indent only"},
        {"first line indent", 97, {2, 0, 0}, {length(3)}, "first-line indent only"},
        {"indent", 97, {0, 0, 0}, {number(1), length(3)}, "which indent, value"},
        {"line spacing at least", 14, {2, 0, 0}, {number(2)}, "lines at least this high"},
        {"line spacing exact", 14, {3, 0, 0}, {number(2)}, "lines exactly this high"},
        {"line spacing", 14, {0, 0, 0}, {hex(1), number(2)}, "kind (2 or 3 in the low byte), height"},
        {"clear tabs", 21, {0, 0, 0}, {}, "removes every tab stop"},
        {"tab stop left", 22, {1, 0, 0}, {number(3)}, "left tab stop at a position"},
        {"tab stop right", 22, {2, 0, 0}, {number(3)}, "right tab stop"},
        {"tab stop center", 22, {3, 0, 0}, {number(3)}, "centred tab stop"},
        {"tab stop decimal", 22, {4, 0x2E, 0}, {number(3)}, "decimal tab stop on '.'"},
        {"tab stop bar", 22, {0x201, 0, 0}, {number(3)}, "bar tab stop"},
        {"tab stop", 22, {0, 0, 0}, {hex(1), hex(2), number(3)},
         "kind and flags, leader (high 16 bits) and decimal character, position"},
        {"remove tabs", 102, {0, 0, 0}, {number(1), number(2)}, "position, tolerance"},
        {"default tab width", 88, {0, 0, 0}, {number(1)}, "default tab width"},
        {"hyphenation zone", 56, {0, 0, 0}, {number(1)}, "hyphenation hot zone"},
        {"keep together", 57, {1, 0, 0}, {}, "keep the paragraph's lines together"},
        {"keep with next", 57, {2, 0, 0}, {}, "keep with the next paragraph"},
        {"keep together with next", 57, {3, 0, 0}, {}, "both of the above"},
        {"keep", 57, {0, 0, 0}, {hex(1)}, "keep flags"},
        {"paragraph borders", 58, {0, 0, 0}, {number(2)}, "104-byte border data record id"},
        {"paragraph shading", 59, {1, 0, 0}, {number(2)}, "20-byte shading data record id"},
        {"no paragraph shading", 59, {0, 0, 0}, {}, "removes the shading"},
        {"space before", 98, {0, 0, 0}, {number(2)}, "space before the paragraph"},
        {"space after", 99, {0, 0, 0}, {number(2)}, "space after the paragraph"},
        {"widow control", 129, {0, 0, 0}, {onOff(1), number(2)}, "enabled, lines together"},
        {"orphan control", 132, {0, 0, 0}, {onOff(1), number(2)}, "enabled, lines together"},
        {"begin table", 16, {0, 0, 0}, {}, "the paragraph becomes a table's first cell"},
        {"end table", 17, {0, 0, 0}, {}, "ends the table"},
        {"row format", 18, {0, 0, 0}, {number(1)}, "row format id (list 10)"},
        {"cell format", 19, {0, 0, 0}, {number(1)}, "cell format id (list 11)"},
        {"left right margins", 20, {0, 0, 0}, {number(1), number(2)}, "left, right page margins"},
        {"top bottom margins", 37, {0, 0, 0}, {number(1), number(2)}, "top, bottom page margins"},
        {"page size", 34, {0, 0, 0}, {number(2), number(1)}, "width, height"},
        {"portrait", 35, {0, 0, 0}, {}, "portrait orientation"},
        {"landscape", 35, {1, 0, 0}, {}, "landscape orientation"},
        {"orientation", 35, {0, 0, 0}, {number(1)}, "orientation code"},
        {"page borders", 32, {0, 0, 0}, {number(1)}, "80-byte page border data record id"},
        {"binding width", 33, {0, 0, 0}, {number(1)}, "16-byte binding data record id"},
        {"double sided", 36, {0, 0, 0}, {onOff(1)}, "double-sided pages"},
        {"section start", 39, {0, 0, 0}, {number(1)}, "section start code"},
        {"binding type", 41, {0, 0, 0}, {number(1)}, "binding code 1, 2, 4 or 8"},
        {"subdocument slot", 47, {0, 0, 0}, {number(1), hex(2), hex(3)},
         "84-byte format data record id, flags, slot id"},
        {"footnote area", 48, {0, 1, 0}, {number(1)}, "36-byte note area data record id"},
        {"endnote area", 48, {0, 2, 0}, {number(1)}, "36-byte note area data record id"},
        {"note area", 48, {0, 0, 0}, {number(1), number(2)}, "data record id, area"},
        {"begin columns", 51, {0, 0, 0}, {number(1)}, "20-byte column data record id"},
        {"add column", 52, {0, 0, 0}, {number(1)}, "16-byte column definition data record id"},
        {"columns done", 53, {0, 0, 0}, {}, "the column group's properties are complete"},
        {"end columns", 50, {0, 0, 0}, {}, "ends the column group"},
        {"graphic", 26, {0, 0, 0}, {number(1)}, "embedded object record id (list 13)"},
        {"apply style", 28, {0, 0, 0}, {number(2)}, "style id"},
        {"same as style", 95, {0, 0, 2}, {number(1)}, "attribute code taken from the style"},
        {"opposite of style", 95, {0, 0, 4}, {number(1)}, "attribute code opposite to the style"},
        {"style relation", 95, {0, 0, 0}, {number(1), number(3)}, "attribute code, relation"},
        {"define page counter", 29, {6, 0, 0}, {number(3)}, "36-byte counter data record id"},
        {"define footnote counter", 29, {7, 0, 0}, {number(3)}, "36-byte counter data record id"},
        {"define endnote counter", 29, {14, 0, 0}, {number(3)}, "36-byte counter data record id"},
        {"define list counter", 29, {10, 0, 0}, {number(2), number(3)}, "level from 0, counter data record id"},
        {"define counter", 29, {0, 0, 0}, {number(1), number(2), number(3)}, "kind, level, data record id"},
        {"restart list counter", 30, {10, 0, 0}, {number(2), number(3)}, "level, restart value (0: the start)"},
        {"restart counter", 30, {0, 0, 0}, {number(1), number(2), number(3)}, "kind, level, value"},
        {"apply list counter", 93, {10, 0, 1}, {number(2)}, "numbers the paragraph at a level"},
        {"remove list numbering", 93, {10, 0, 0}, {}, "the paragraph loses its numbering"},
        {"apply footnote counter", 93, {7, 0, 0}, {}, "the note is numbered automatically"},
        {"apply endnote counter", 93, {14, 0, 0}, {}, "the note is numbered automatically"},
        {"apply counter", 93, {0, 0, 0}, {number(1), number(2), number(3)}, "kind, level, value"},
        {"counter reference", 31, {0, 0, 0}, {number(1), number(2), number(3)}, "a number inside a list number's text"},
        {"header footer", 43, {0, 0, 0}, {hex(3)}, "opens a header or footer: slot id"},
        {"footnote", 44, {1, 0, 0}, {}, "opens a footnote"},
        {"endnote", 44, {2, 0, 0}, {}, "opens an endnote"},
        {"comment", 44, {3, 0, 0}, {}, "opens a comment"},
        {"note", 44, {0, 0, 0}, {number(1)}, "opens a note of a kind"},
        {"frame", 45, {0, 0, 0}, {number(3)}, "188-byte frame data record id"},
        {"begin tag", kBeginTag, {0, 0, 0}, {hex(1), number(2), number(3)}, "tag type, tag id, data record id"},
        {"end tag", kEndTag, {0, 0, 0}, {hex(1), number(2), number(3)}, "tag type, tag id, value 3"},
        {"property file name", 193, {2, 0, 0}, {number(2)}, "id of the change holding the text"},
        {"property url", 193, {0x80, 0, 0}, {number(2)}, "id of the change holding the text"},
        {"property bookmark", 193, {0x200, 0, 0}, {number(2)}, "id of the change holding the text"},
        {"property", 193, {0, 0, 0}, {hex(1), number(2)}, "kind, id of the change holding the text"},
        {"end properties", 194, {0, 0, 0}, {}, "ends an object's properties"},
    };
    for (const Named& attribute : kAttributes)
        forms.push_back({attribute.name, kAttribute, {attribute.code, 0, 0}, {onOff(2)}, attribute.meaning});
    for (const Named& special : kSpecialCharacters)
        forms.push_back({special.name, kSpecialCharacter, {special.code, 0, 0}, {}, special.meaning});
    for (const Named& tag : kTags) {
        forms.push_back({std::string("begin ") + tag.name, kBeginTag, {tag.code, 0, 0}, {number(2), number(3)},
                         std::string(tag.meaning) + "; tag id, data record id"});
        forms.push_back({std::string("end ") + tag.name, kEndTag, {tag.code, 0, 0}, {number(2)}, "tag id"});
    }
    return forms;
}

bool takesValue(const ChangeForm& form, int value)
{
    return std::any_of(form.arguments.begin(), form.arguments.end(),
                       [value](const ChangeArgument& argument) { return argument.value == value; });
}

} // namespace

bool ChangeForm::fits(const std::array<uint32_t, 4>& change) const
{
    if (change[0] != type)
        return false;
    for (int value = 1; value <= 3; ++value) {
        if (!takesValue(*this, value) && change[value] != fixed[value - 1])
            return false;
    }
    return true;
}

const std::vector<ChangeForm>& changeForms()
{
    static const std::vector<ChangeForm> forms = buildForms();
    return forms;
}

const ChangeForm* findChangeForm(const std::string& name)
{
    static const std::map<std::string, const ChangeForm*> byName = [] {
        std::map<std::string, const ChangeForm*> names;
        for (const ChangeForm& form : changeForms())
            names.emplace(form.name, &form);
        return names;
    }();
    const auto found = byName.find(name);
    return found == byName.end() ? nullptr : found->second;
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
