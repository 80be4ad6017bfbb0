#include "HostDocumentSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using trxhost::Document;

std::vector<uint16_t> unitsOf(const Document& document, uint32_t listType)
{
    const trxhost::ItemList& list = *document.list(listType);
    std::vector<uint16_t> units(list.length());
    std::memcpy(units.data(), list.bytes().data(), list.bytes().size());
    return units;
}

std::vector<Change> changesOf(const Document& document)
{
    std::vector<Change> changes;
    for (uint32_t id = 0; id < document.list(CHLIST_CHANGES)->length(); ++id)
        changes.push_back(changeAt(document, id));
    return changes;
}

TEST(ListingParser, TextStatementsFillTheTextListAndEmitTheirChange)
{
    const auto document = listing("text \"Hé\"   # a comment\n"
                                  "text \"\\\"\\\\\\u{1D11E}\\u{D800}\"\n"
                                  "text \"\"\n"
                                  "property text \"a.png\"\n");
    EXPECT_EQ(unitsOf(*document, CHLIST_TEXT), (std::vector<uint16_t>{'H', 0xE9, '"', '\\', 0xD834, 0xDD1E, 0xD800}));
    EXPECT_EQ(unitsOf(*document, CHLIST_PROPERTY_TEXT), (std::vector<uint16_t>{'a', '.', 'p', 'n', 'g'}));
    EXPECT_EQ(changesOf(*document), (std::vector<Change>{{7, 0, 2, 0}, {7, 2, 5, 0}, {7, 7, 0, 0}, {192, 0, 0, 5}}));
}

// The golden cases check the forms they use through the whole export; these
// are forms they do not use.
TEST(ListingParser, SymbolicChangesFillTheirValues)
{
    const auto document = listing(R"(
        strikeout 2
        indents 720 0 -360
        kerning on 24
        begin bookmark 5 16
        end bookmark 5
        attribute 42 on
        special 0x127
        begin table of contents 1 0
        end table
        change 300 1 \
            2           # goes on in the next line
    )");
    EXPECT_EQ(changesOf(*document), (std::vector<Change>{
                                        {8, 12, 2, 0},
                                        {13, 720, 0, 0xFFFFFE98},
                                        {64, 1, 24, 0},
                                        {67, 0x80020008, 5, 16},
                                        {68, 0x80020008, 5, 0},
                                        {8, 42, 1, 0},
                                        {24, 0x127, 0, 0},
                                        {67, 0x00170000, 1, 0},
                                        {17, 0, 0, 0},
                                        {300, 1, 2, 0},
                                    }));
}

TEST(ListingParser, SideListRecordsKeepTheirLayout)
{
    const auto document = listing(R"(
        font 3 charset 0x14E40100 "Arial"
        font 4 charset 0x14B00000 "MS Mincho"
        record 10 1 0x0A0B0C0D
        record 11 hex 0102
        record 12 7 0 9
        record 2 "ab" 0x263A
        @borders record 3 hex 0000 0014
        @shade record 3 5 0xFFFFFFFF
        paragraph borders @borders
        paragraph shading @shade
        @run text "x"
        property file name @run
    )");
    const trxhost::ItemList& rows = *document->list(CHLIST_ROW_FORMATS);
    ASSERT_EQ(rows.length(), 1u);
    EXPECT_EQ(rows.bytes().size(), size_t{CHRECORD_SIZE_ROW_FORMAT});
    EXPECT_EQ(trxhost::readWord(rows.item(0) + 4, trxhost::WordOrder::BigEndian), 0x0A0B0C0Du);
    EXPECT_EQ(document->list(CHLIST_CELL_FORMATS)->item(0)[1], 2);
    EXPECT_EQ(document->list(CHLIST_CELL_FORMATS)->bytes().size(), size_t{CHRECORD_SIZE_CELL_FORMAT});

    const trxhost::ItemList& fonts = *document->list(CHLIST_FONTS);
    ASSERT_EQ(fonts.length(), 3u);
    EXPECT_EQ(trxhost::readWord(fonts.item(1) + 8, trxhost::WordOrder::Native), 5u) << "name id";
    EXPECT_EQ(trxhost::readWord(fonts.item(1) + 12, trxhost::WordOrder::Native), 9u) << "name length";
    EXPECT_EQ(trxhost::readWord(fonts.item(2), trxhost::WordOrder::Native), 7u);
    EXPECT_EQ(document->list(CHLIST_PROPERTY_TEXT)->length(), 14u);

    EXPECT_EQ(unitsOf(*document, CHLIST_TEXT), (std::vector<uint16_t>{'a', 'b', 0x263A, 'x'}));
    EXPECT_EQ(document->list(CHLIST_DATA)->length(), 6u);
    EXPECT_EQ(changesOf(*document), (std::vector<Change>{{58, 0, 0, 0}, {59, 1, 2, 0}, {7, 3, 1, 0}, {193, 2, 2, 0}}));
}

// The words of a record that are not 0, by offset.
using Words = std::map<uint32_t, uint32_t>;

Words wordsOf(const uint8_t* record, uint32_t size)
{
    Words words;
    for (uint32_t offset = 0; offset < size; offset += 4) {
        const uint32_t word = trxhost::readWord(record + offset, trxhost::WordOrder::BigEndian);
        if (word != 0)
            words[offset] = word;
    }
    return words;
}

TEST(ListingParser, StructuredRecordsFillTheirLayoutAndTheChange)
{
    const auto document = listing(R"(
        paragraph borders top single width 15 color red bottom double width 30 priority
        paragraph shading solid foreground 0x123456 background white transparency -5
        page borders top left bottom right dotted width 10 inside 2 outside 3
        binding width width 720
        begin columns count 3 spacing 720 equal balanced left -100
        add column width 2400 gutter 720
        endnote area height 1440 hot zone 360 location section end
        subdocument slot id 0x10 flags 0x0A header distance 720 footer distance 360
        @shade record paragraph shading pattern 5
        paragraph shading @shade
        row format header left -360 height 240 at least align right cells 3 at 28 9
        cell format width 2400 right gutter 50 merge after merge below vertical align center \
            solid background red top bottom double width 20 color blue
    )");
    EXPECT_EQ(changesOf(*document), (std::vector<Change>{
                                        {58, 0, 0, 0},
                                        {59, 1, 52, 0},
                                        {32, 62, 0, 0},
                                        {33, 102, 0, 0},
                                        {51, 110, 0, 0},
                                        {52, 120, 0, 0},
                                        {48, 128, 2, 0},
                                        {47, 146, 0x0A, 0x10},
                                        {59, 1, 188, 0},
                                        {18, 0, 0, 0},
                                        {19, 0, 0, 0},
                                    }));
    struct DataRecord {
        uint32_t id;
        uint32_t size;
        Words words;
    };
    // Sides not named have line style 1 (none) in the word at 8 of their border.
    const DataRecord data[] = {
        {0, 104, {{4, 15}, {8, 0xFF}, {32, 1}, {44, 30}, {52, 0x42}, {72, 1}}},
        {52, 20, {{0, 13}, {4, 0xFFFFFFFB}, {8, 0x123456}, {12, 0xFFFFFF}}},
        {62,
         80,
         {{0, 10},
          {8, 32},
          {12, 2},
          {16, 3},
          {20, 10},
          {28, 32},
          {32, 2},
          {36, 3},
          {40, 10},
          {48, 32},
          {52, 2},
          {56, 3},
          {60, 10},
          {68, 32},
          {72, 2},
          {76, 3}}},
        {102, 16, {{0, 720}}},
        {110, 20, {{0, 0x24}, {4, 0xFFFFFF9C}, {8, 3}, {12, 720}}},
        {120, 16, {{4, 2400}, {8, 720}}},
        {128, 36, {{0, 360}, {4, 1440}, {16, 4}}},
        {146, 84, {{32, 720}, {64, 360}}},
        {188, 20, {{0, 5}}},
    };
    const trxhost::ItemList& units = *document->list(CHLIST_DATA);
    ASSERT_EQ(units.length(), 198u);
    for (const DataRecord& record : data)
        EXPECT_EQ(wordsOf(units.item(record.id), record.size), record.words) << "record " << record.id;

    ASSERT_EQ(document->list(CHLIST_ROW_FORMATS)->length(), 1u);
    EXPECT_EQ(wordsOf(document->list(CHLIST_ROW_FORMATS)->item(0), CHRECORD_SIZE_ROW_FORMAT),
              (Words{{0, 1}, {4, 0xFFFFFE98}, {8, 240}, {12, 2}, {20, 3}, {24, 3}, {28, 9}}));
    ASSERT_EQ(document->list(CHLIST_CELL_FORMATS)->length(), 1u);
    EXPECT_EQ(wordsOf(document->list(CHLIST_CELL_FORMATS)->item(0), CHRECORD_SIZE_CELL_FORMAT), (Words{{12, 50},
                                                                                                       {16, 2400},
                                                                                                       {20, 0x0A},
                                                                                                       {24, 13},
                                                                                                       {36, 0xFF},
                                                                                                       {44, 0x20000},
                                                                                                       {56, 1},
                                                                                                       {76, 1},
                                                                                                       {88, 20},
                                                                                                       {92, 0xFF0000},
                                                                                                       {96, 2},
                                                                                                       {108, 20},
                                                                                                       {112, 0xFF0000},
                                                                                                       {116, 2}}));
}

// The services tests read options, objects and failures back; here only
// their encodings.
TEST(ListingParser, OptionTextIsUtf8AndHexMayBeSplit)
{
    const auto document = listing("option 54 \"ré.txt\"\noption 43 1 2 hex 03\nobject 26 11 hex 00ff 10\n");
    EXPECT_EQ(*document->option(54), (trxhost::Bytes{'r', 0xC3, 0xA9, '.', 't', 'x', 't', 0}));
    EXPECT_EQ(document->option(43)->size(), 9u);
    EXPECT_EQ(*document->object({26, 11}), (trxhost::Bytes{0, 0xFF, 0x10}));
}

struct BadListing {
    const char* text;
    unsigned line;
    unsigned column;
    const char* message;
};

TEST(ListingParser, FaultsAreReportedAtTheirPosition)
{
    const BadListing cases[] = {
        {"bold maybe", 1, 6, "expected a number, found 'maybe'"},
        {"text \"abc", 1, 6, "unterminated string"},
        {"\n  frobnicate 3", 2, 3, "unknown statement 'frobnicate'"},
        {"# fine\npage size 1", 2, 12, "expected a value for 'page size'"},
        {"bold on off", 1, 9, "unexpected 'off'"},
        {"bold \\\n  maybe", 2, 3, "expected a number, found 'maybe'"},
        {"record 10 1 2 3 4 5 6 7 8 9", 1, 27, "too long: a row formats record has 32 bytes"},
        {"record 3 hex 001", 1, 14, "two per byte"},
        {"record 10 hex 0000000000000000000000000000000000000000000000000000000000000000 00", 1, 80, "too long"},
        {"record 3 hex 00", 1, 16, "whole 16-bit units"},
        {"record 2 70000", 1, 10, "at most 0xFFFF"},
        {"record 12 hex 00", 1, 11, "expected a number, found 'hex'"},
        {"record 5 1", 1, 8, "no such list"},
        {"change 1 2 3 4 5", 1, 16, "at most three values"},
        {"text \"é\\q\"", 1, 8, "unknown escape"},
        {"text \"\\u{110000}\"", 1, 7, "bad \\u{hex} escape"},
        {"font size 0x100000000", 1, 11, "out of range"},
        {"font size -2147483649", 1, 11, "out of range"},
        {"paragraph borders @nope", 1, 19, "unknown label @nope"},
        {"@a bold on\n@a italic on", 2, 1, "label @a is already defined"},
        {"@a option 1 1", 1, 1, "a label needs a statement that adds an item"},
        {"option 36 1\noption 36 2", 2, 8, "option 36 is already set"},
        {"object 1 2 hex\nobject 1 2 hex 00", 2, 8, "object 1 2 is already defined"},
        {"object 1 2 file \"missing.bin\"", 1, 17, "cannot read"},
        {"object 1 2", 1, 11, "expected 'file \"name\"' or 'hex'"},
        {"fail CHGetIt code 1", 1, 6, "unknown service 'CHGetIt'"},
        {"fail CHGetItem list 0", 1, 22, "expected 'code'"},
        {"font 1 \"Arial\"", 1, 8, "expected 'charset', found a string"},
        {"42 bold", 1, 1, "expected a statement, found '42'"},
        {"text \"\xC3\x28\"", 1, 7, "invalid UTF-8"},
        {"paragraph borders top wavy", 1, 23, "found 'wavy'; a border takes single, none"},
        {"paragraph borders top 15", 1, 23, "expected a field of a paragraph borders record, found '15'"},
        {"paragraph borders top width 15 width 20", 1, 32, "'width' of the top border is given twice"},
        {"page borders top bottom single bottom double", 1, 32, "the bottom border is given twice"},
        {"subdocument slot id 1 id 2", 1, 23, "'id' is given twice"},
        {"paragraph borders top style 0x42", 1, 29, "0x42 does not fit"},
        {"cell format vertical align 0x10000", 1, 28, "0x10000 does not fit"},
        {"footnote area location page", 1, 24, "expected a number or page bottom, below text"},
        {"binding width at 2 1", 1, 18, "a multiple of 4 below 16"},
        {"\nrow format cells", 2, 17, "expected a value for 'cells'"},
        {"record frobs 1", 1, 8, "unknown record 'frobs'"},
        // Values outside their field's or argument's range.
        {"page size -1 15840", 1, 11, "out of range: 'page size' takes a length, 0 to 1000000, found '-1'"},
        {"paragraph borders top width 2000000", 1, 29, "'width' takes a length"},
        {"begin columns count 5000", 1, 21, "'count' takes a count, 0 to 4096"},
        {"text color 0x1000000", 1, 12, "'text color' takes a colour 0x00BBGGRR, 0 to 0xFFFFFF"},
        {"define list counter level 9", 1, 27, "'level' takes a list level, 0 to 8"},
        {"frame horizontal offset -1000001", 1, 25, "takes a signed length, -1000000 to 1000000"},
        {"paragraph shading pattern 14", 1, 27, "'pattern' takes a pattern index"},
    };
    for (const BadListing& bad : cases) {
        try {
            trxhost::parseListing(bad.text, "dir/bad.lst");
            ADD_FAILURE() << "accepted: " << bad.text;
        } catch (const trxhost::ListingError& error) {
            const std::string what = error.what();
            EXPECT_EQ(error.line(), bad.line) << what;
            EXPECT_EQ(error.column(), bad.column) << what;
            const std::string position = std::to_string(bad.line) + ":" + std::to_string(bad.column);
            EXPECT_EQ(what.rfind("dir/bad.lst:" + position + ": ", 0), 0u) << what;
            EXPECT_NE(what.find(bad.message), std::string::npos) << what;
        }
    }
}

TEST(ListingParser, UnreadableListingIsAnErrorAtItsStart)
{
    try {
        trxhost::loadListing("/nonexistent/doc.lst");
        ADD_FAILURE() << "loaded";
    } catch (const trxhost::ListingError& error) {
        EXPECT_EQ(std::string(error.what()), "/nonexistent/doc.lst: cannot read the file: no such file");
    }
}

} // namespace
