#include "HostDocumentSupport.h"
#include "host/ChangeForms.h"
#include "host/RecordForms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

namespace {

using trxhost::ArgumentStyle;
using trxhost::ChangeForm;
using trxhost::Document;

// Parses the document's listing back; the two must be equal.
void expectRoundTrip(const Document& document)
{
    const std::string text = trxhost::formatListing(document);
    try {
        const auto again = trxhost::parseListing(text, "written.lst");
        EXPECT_TRUE(*again == document) << text;
        EXPECT_EQ(trxhost::formatListing(*again), text);
    } catch (const trxhost::ListingError& error) {
        ADD_FAILURE() << error.what() << "\n" << text;
    }
}

TEST(ListingRoundTrip, EveryFormWritesItsOwnNameBack)
{
    std::set<std::string> names;
    for (const ChangeForm& form : trxhost::changeForms()) {
        EXPECT_TRUE(names.insert(form.name).second) << "two forms named " << form.name;
        // Argument values that no more specific form fixes.
        Change change = {form.type, form.fixed[0], form.fixed[1], form.fixed[2]};
        std::string line = form.name;
        uint32_t sample = 1000;
        for (const trxhost::ChangeArgument& argument : form.arguments) {
            const bool onOff = argument.style == ArgumentStyle::Switch;
            const auto inRange = static_cast<uint32_t>(std::min<int64_t>(sample++, argument.range->max));
            change[argument.value] = onOff ? 1 : inRange;
            std::ostringstream value;
            if (onOff)
                value << "on";
            else if (argument.style == ArgumentStyle::Hex)
                value << "0x" << std::uppercase << std::hex << inRange;
            else
                value << inRange;
            line += " " + value.str();
        }
        Document document;
        document.appendChange(change[0], change[1], change[2], change[3]);
        const std::string text = trxhost::formatListing(document);
        EXPECT_NE(text.find("\n" + line + "\n"), std::string::npos) << line << " was written as\n" << text;
        expectRoundTrip(document);
    }
}

TEST(ListingRoundTrip, ListingWithEveryStatementSurvives)
{
    const auto document = listing(R"(
        option 36 1252
        option 54 "out/réfs.txt"
        option 43 1 2 3
        option 60 hex 01
        object 26 11 hex 00ff10
        object 1 2 hex
        fail CHGetItem list 0 item 5 code 99
        fail IOCreate code -5
        fail CHGetItems item 3 code 7
        font 1 charset 0x14E40100 "Arial"
        font 2 charset 0x13A40000 "ＭＳ 明朝"
        record 10 1 2 3 4 5 6 7 8
        record 11 hex 0102030405
        record 13 0 0 8
        record 16 12 0x80020008 5
        @b record 3 0 0 0 0 0 0x40
        wide character set 0x13A40000
        select font 1
        font size 24
        bold on
        text "Hello, wörld\t\"quoted\" \u{1F600}"
        bold off
        paragraph borders @b
        tab
        text ""
        page size 12240 15840
        left right margins 1800 1800
        begin bookmark 5 @b
        property text "Mark"
        end bookmark 5
        special 0x127
        change 255 1 2 3
        change 7 100 5
        paragraph end
        document end
        record 2 "unreferenced"
        record 9 0xD800
    )");
    expectRoundTrip(*document);
}

TEST(ListingRoundTrip, RecordsAreWrittenByTheirFieldsWhenTheyComeNext)
{
    const auto document = listing(R"(
        @b record paragraph borders left thick width 15 color 0x123456
        @c record columns count 2
        paragraph borders @b
        paragraph borders @b
        begin columns @c
        row format header left -360 height 240 at least align right cells 3
        cell format width 2400 solid top double at 20 0x13
        subdocument slot id 0x10 header distance 720
        define list counter level 1 start at 7 count by 2 number text 5 letters lower
        define footnote counter restart each page start 3 format 12
        tag track number text 5 change 0
        record 3 hex 0001
    )");
    const std::string text = trxhost::formatListing(*document);
    for (const char* line : {
             "paragraph borders left thick width 15 color 0x123456",
             "paragraph borders 0", // the record was written with the first change
             "begin columns count 2",
             "row format header left -360 height 240 at least align right cells 3",
             "cell format width 2400 merge before merge after solid top double at 20 0x10",
             "subdocument slot id 0x10 header distance 720",
             "define list counter level 1 start at 7 count by 2 number text 5 letters lower",
             "define footnote counter restart each page start 3 format 12",
             "tag track number text 5 change 0",
             "record 3 hex 0001",
         })
        EXPECT_NE(text.find(std::string("\n") + line + "\n"), std::string::npos) << line << " missing in\n" << text;
    expectRoundTrip(*document);
}

// Whatever a record's bytes, the change that reads it first writes it by its
// fields, and the fields give the same bytes back.
TEST(ListingRoundTrip, EveryRecordSurvivesItsFields)
{
    for (const ChangeForm& form : trxhost::changeForms()) {
        const trxhost::RecordChange* record = trxhost::findRecordChange(form.name);
        if (!record)
            continue;
        for (const unsigned step : {0u, 0x5Bu}) {
            Document document;
            std::vector<uint8_t> bytes(record->record->size);
            for (size_t i = 0; i < bytes.size(); ++i)
                bytes[i] = static_cast<uint8_t>(step * (i + 1));
            Change change = {form.type, form.fixed[0], form.fixed[1], form.fixed[2]};
            for (const trxhost::RecordArgument& argument : record->others)
                change[argument.value] = 5; // a list level, a tag id, an area or flags
            change[record->idValue] = document.list(record->record->listType)->append(bytes);
            document.appendChange(change[0], change[1], change[2], change[3]);
            const std::string text = trxhost::formatListing(document);
            EXPECT_EQ(text.find("record "), std::string::npos) << text;
            expectRoundTrip(document);
        }
    }
}

// The raw forms take any value, and the writer falls back on them for a
// value that a name or a field does not take.
TEST(ListingRoundTrip, ValuesOutOfRangeGoThroughTheRawForms)
{
    const auto document = listing(R"(
        change 34 -1 15840
        paragraph borders top at 4 0xFFFFFFFF
    )");
    const std::string text = trxhost::formatListing(*document);
    for (const char* line : {"change 34 0xFFFFFFFF 15840", "paragraph borders top single at 4 0xFFFFFFFF"})
        EXPECT_NE(text.find(std::string("\n") + line + "\n"), std::string::npos) << line << " missing in\n" << text;
    expectRoundTrip(*document);
}

TEST(ListingRoundTrip, HostileRecordsSurvive)
{
    Document document;
    const uint16_t loneHalves[] = {0xDC00, 0xD800, 'a', 0, 0x7F};
    std::vector<uint8_t> units(reinterpret_cast<const uint8_t*>(loneHalves),
                               reinterpret_cast<const uint8_t*>(loneHalves) + sizeof loneHalves);
    document.list(CHLIST_TEXT)->append(units);
    document.list(CHLIST_PROPERTY_TEXT)->append(units);
    document.appendChange(7, 1, 3);      // text in the middle of the list
    document.appendChange(7, 0, 5);      // text read twice
    document.appendChange(7, 4, 2);      // past the end
    document.appendChange(7, 0, 1, 9);   // a third value
    document.appendChange(192, 2, 0, 3); // property text
    document.appendChange(8, 2, 7, 1);   // an attribute with a stray value 3
    document.appendChange(0xFFFFFFFF, 0xFFFFFFFF, 0x80000000, 0);
    std::vector<uint8_t> font(CHRECORD_SIZE_FONT, 0xFF); // a name past the end of property text
    document.list(CHLIST_FONTS)->append(font);
    document.list(CHLIST_DATA)->append({0xFF, 0xFE});
    document.list(CHLIST_EMBEDDED_OBJECTS)->append(std::vector<uint8_t>(CHRECORD_SIZE_EMBEDDED_OBJECT, 0));
    document.setOption(1, {});
    document.setOption(2, {'a', 0, 'b', 0});
    document.setOption(3, {0xC3, 0x28, 0});
    document.addObject({0xFFFFFFFF, 0}, std::vector<uint8_t>(100, 0xAB));
    document.addFailure({"DAOpenDocument", 26u, std::nullopt, -1});
    expectRoundTrip(document);
}

TEST(ListingRoundTrip, ReferenceDocumentNamesEveryForm)
{
    std::ifstream file(std::string(ICF_SOURCE_DIR) + "/host/LISTING.md");
    std::stringstream text;
    text << file.rdbuf();
    ASSERT_FALSE(text.str().empty());
    for (const ChangeForm& form : trxhost::changeForms())
        EXPECT_NE(text.str().find("`" + form.name), std::string::npos) << form.name << " is not documented";
    for (const trxhost::RecordForm& form : trxhost::recordForms()) {
        EXPECT_NE(text.str().find("`record " + form.name), std::string::npos) << form.name << " is not documented";
        for (const trxhost::RecordField& field : form.fields)
            EXPECT_NE(text.str().find("`" + field.name), std::string::npos) << field.name << " is not documented";
    }
}

} // namespace
