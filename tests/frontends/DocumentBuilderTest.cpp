// The document builder driven by hand with the events an importer sends:
// the changes it makes, read back as a listing.
#include "frontends/DocumentBuilder.h"
#include "frontends/Utf16.h"
#include "trxhost/Document.h"
#include "trxhost/Listing.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

using librevenge::RVNGPropertyList;

// The statements of the listing's changes, one per line, without comments,
// after the body style's definition that every document begins with (the
// import cases show it).
std::string changesOf(frontends::DocumentBuilder& builder)
{
    std::istringstream listing(trxhost::formatListing(*builder.takeDocument()));
    std::string statements;
    bool inChanges = false;
    for (std::string line; std::getline(listing, line);) {
        if (line == "end style definition 1")
            inChanges = true;
        else if (inChanges && !line.empty() && line[0] != '#')
            statements += line + "\n";
    }
    return statements;
}

RVNGPropertyList span(std::initializer_list<std::pair<const char*, const char*>> properties)
{
    RVNGPropertyList list;
    for (const auto& [name, value] : properties)
        list.insert(name, value);
    return list;
}

void word(frontends::DocumentBuilder& builder, const RVNGPropertyList& properties, const char* text)
{
    builder.openSpan(properties);
    builder.insertText(text);
    builder.closeSpan();
}

TEST(DocumentBuilderTest, SpansSwitchOnlyTheAttributesThatDifferWhenTextFollows)
{
    frontends::DocumentBuilder builder;
    builder.openParagraph({});
    word(builder, span({{"style:text-underline-type", "single"}, {"fo:font-weight", "bold"}}), "a");
    // A span with no text changes nothing; the next one replaces the
    // underline by a double one (off first) and keeps bold.
    builder.openSpan(span({{"fo:font-style", "italic"}}));
    builder.closeSpan();
    word(builder, span({{"style:text-underline-type", "double"}, {"fo:font-weight", "bold"}}), "b");
    word(builder, span({{"style:text-line-through-style", "solid"}}), "c");
    word(builder, span({{"style:text-underline-style", "none"}, {"style:text-underline-type", "single"}}), "d");
    builder.closeParagraph();
    builder.endDocument();
    EXPECT_EQ(changesOf(builder), "document properties done\n"
                                  "character set 0x14B00000\n"
                                  "apply style 1\n"
                                  "bold on\n"
                                  "underline on\n"
                                  "text \"a\"\n"
                                  "underline off\n"
                                  "double underline on\n"
                                  "text \"b\"\n"
                                  "bold off\n"
                                  "double underline off\n"
                                  "strikeout on\n"
                                  "text \"c\"\n"
                                  "strikeout off\n"
                                  "text \"d\"\n"
                                  "paragraph end\n"
                                  "document end\n");
}

TEST(DocumentBuilderTest, FontsAreListedOnceAndKeptOutsideSpans)
{
    frontends::DocumentBuilder builder;
    word(builder, span({{"style:font-name", "Arial"}}), "a");
    builder.insertText("b");
    word(builder, span({{"style:font-name", "Courier"}}), "c");
    word(builder, span({{"style:font-name", "Arial"}}), "d");
    builder.insertTab();
    builder.insertSpace();
    builder.insertLineBreak();
    builder.closeParagraph();
    builder.endDocument();
    const std::string listing = trxhost::formatListing(*builder.takeDocument());
    EXPECT_NE(listing.find("font 1 charset 0x14B00000 \"Arial\"\nfont 2 charset 0x14B00000 \"Courier\"\n"),
              std::string::npos)
        << listing;
    EXPECT_NE(listing.find("select font 1\ntext \"ab\"\nselect font 2\ntext \"c\"\nselect font 1\ntext \"d\"\n"
                           "tab\ntext \" \"\nline break\nparagraph end\n"),
              std::string::npos)
        << listing;
}

TEST(DocumentBuilderTest, EachPageSpanAfterTheFirstStartsASectionOnANewPage)
{
    frontends::DocumentBuilder builder;
    RVNGPropertyList letter;
    letter.insert("fo:page-width", 8.5);
    letter.insert("fo:page-height", 11.0);
    letter.insert("fo:margin-left", 1.0);
    letter.insert("fo:margin-right", 1.25);
    letter.insert("fo:margin-top", 72.0, librevenge::RVNG_POINT);
    letter.insert("fo:margin-bottom", 0.5);
    letter.insert("style:print-orientation", "portrait");
    builder.openPageSpan(letter);
    builder.closeParagraph();
    RVNGPropertyList landscape;
    landscape.insert("style:print-orientation", "landscape");
    landscape.insert("fo:margin-left", 1.0); // without its right margin: not sent
    builder.openPageSpan(landscape);
    builder.endDocument();
    EXPECT_EQ(changesOf(builder), "document properties done\n"
                                  "character set 0x14B00000\n"
                                  "page size 12240 15840\n"
                                  "portrait\n"
                                  "left right margins 1440 1800\n"
                                  "top bottom margins 1440 720\n"
                                  "paragraph end\n"
                                  "section break\n"
                                  "section start 1\n"
                                  "landscape\n"
                                  "document end\n");
}

RVNGPropertyList column(double width, librevenge::RVNGUnit unit, double startIndent = 0, double endIndent = 0)
{
    RVNGPropertyList properties;
    properties.insert("style:rel-width", width, unit);
    properties.insert("fo:start-indent", startIndent);
    properties.insert("fo:end-indent", endIndent);
    return properties;
}

void section(frontends::DocumentBuilder& builder, RVNGPropertyList properties,
             const std::vector<RVNGPropertyList>& columns)
{
    librevenge::RVNGPropertyListVector list;
    for (const RVNGPropertyList& entry : columns)
        list.append(entry);
    properties.insert("style:columns", list);
    builder.openSection(properties);
    builder.closeSection();
}

// Widths and indents as lengths, with the section's own margin; shares of
// the page with a gap between the columns; column lists that cannot be
// placed, which give no column group; and a page break, left out at the
// page span's start, where the page is new already.
TEST(DocumentBuilderTest, SectionColumnsArePlacedOnThePage)
{
    frontends::DocumentBuilder builder;
    RVNGPropertyList letter;
    letter.insert("fo:page-width", 8.5);
    letter.insert("fo:page-height", 11.0);
    letter.insert("fo:margin-left", 1.0);
    letter.insert("fo:margin-right", 1.0);
    builder.openPageSpan(letter);
    RVNGPropertyList pageBreak;
    pageBreak.insert("fo:break-before", "page");
    builder.openParagraph(pageBreak);
    RVNGPropertyList indented;
    indented.insert("fo:margin-left", 0.5);
    indented.insert("text:dont-balance-text-columns", false);
    section(builder, indented,
            {column(2880, librevenge::RVNG_TWIP, 0, 0.25), column(3.0, librevenge::RVNG_INCH, 0.25)});
    RVNGPropertyList gapped;
    gapped.insert("fo:column-gap", 0.5);
    gapped.insert("text:dont-balance-text-columns", true);
    const RVNGPropertyList third = column(1, librevenge::RVNG_GENERIC);
    section(builder, gapped, {third, third, third});
    section(builder, {}, {column(-1.0, librevenge::RVNG_INCH), column(1.0, librevenge::RVNG_INCH)});
    section(builder, {}, {column(0.5, librevenge::RVNG_PERCENT), column(0, librevenge::RVNG_PERCENT)});
    section(builder, {}, std::vector<RVNGPropertyList>(100, third));
    builder.openParagraph(pageBreak);
    builder.endDocument();
    EXPECT_EQ(changesOf(builder), "document properties done\n"
                                  "character set 0x14B00000\n"
                                  "page size 12240 15840\n"
                                  "left right margins 1440 1440\n"
                                  "apply style 1\n"
                                  "begin columns balanced left 2160 count 2\n"
                                  "add column width 3240 gutter 720\n"
                                  "add column width 3960\n"
                                  "columns done\n"
                                  "end columns\n"
                                  "begin columns left 1440 count 3\n"
                                  "add column width 3360 gutter 720\n"
                                  "add column width 3360 gutter 720\n"
                                  "add column width 2640\n"
                                  "columns done\n"
                                  "end columns\n"
                                  "apply style 1\n"
                                  "page break\n"
                                  "document end\n");
}

// What the AbiWord file cannot send: a note with a label of its own, and
// sub-documents a host cannot hold where they open, which are left out.
TEST(DocumentBuilderTest, SubDocumentsTheHostCannotHoldAreLeftOutAndTheOthersEndWithTheirTags)
{
    frontends::DocumentBuilder builder;
    builder.openHeader(span({{"librevenge:occurrence", "first"}}));
    builder.insertText("first page only");
    builder.closeHeader();
    builder.insertText("body");
    builder.openFootnote(span({{"text:label", "*"}}));
    builder.openFootnote({});
    builder.insertText("note in a note");
    builder.closeFootnote();
    builder.openComment({});
    builder.insertText("remark");
    builder.closeComment();
    builder.closeFootnote();
    builder.closeComment();
    builder.openTextBox({});
    builder.openEndnote({});
    builder.insertText("in a text box");
    builder.closeEndnote();
    builder.closeTextBox();
    builder.openEndnote({});
    builder.insertText("never closed");
    builder.endDocument();
    EXPECT_EQ(changesOf(builder), "document properties done\n"
                                  "character set 0x14B00000\n"
                                  "text \"body\"\n"
                                  "begin tag 0xA0020000 2 0\n"
                                  "footnote\n"
                                  "begin note mark a 3 0\n"
                                  "text \"*\"\n"
                                  "end note mark a 3\n"
                                  "begin tag 0xA0020000 4 0\n"
                                  "comment\n"
                                  "text \"remark\"\n"
                                  "end tag 0xA0020000 4 0\n"
                                  "end tag 0xA0020000 2 0\n"
                                  "begin tag 0xA0020000 5 0\n"
                                  "endnote\n"
                                  "apply endnote counter\n"
                                  "text \"never closed\"\n"
                                  "end tag 0xA0020000 5 0\n"
                                  "document end\n");
}

// Levels beyond the host's deepest are numbered as the deepest and do not
// grow the builder; closes without opens, a level out of range, a negative
// start and a bulleted level without a bullet are taken in the host's range.
TEST(DocumentBuilderTest, ListLevelsAndNumbersStayWithinTheHostsRange)
{
    frontends::DocumentBuilder builder;
    builder.closeOrderedListLevel();
    builder.openUnorderedListLevel({});
    RVNGPropertyList deep = span({{"style:num-format", "I"}, {"style:num-prefix", "Part "}, {"style:num-suffix", ":"}});
    deep.insert("librevenge:level", 40);
    deep.insert("text:display-levels", 2);
    deep.insert("text:start-value", -4);
    builder.openOrderedListLevel(deep);
    RVNGPropertyList deeper = span({{"style:num-format", "a"}});
    deeper.insert("librevenge:level", 41);
    for (int i = 0; i < 10; ++i)
        builder.openOrderedListLevel(deeper);
    builder.openListElement({});
    builder.insertText("deep");
    builder.closeListElement();
    for (int i = 0; i < 13; ++i)
        builder.closeOrderedListLevel();
    builder.openParagraph({});
    builder.insertText("plain");
    builder.closeParagraph();
    builder.endDocument();
    EXPECT_EQ(changesOf(builder), "document properties done\n"
                                  "character set 0x14B00000\n"
                                  "begin style definition tag 3 style 0x10000 list based on none\n"
                                  "define list counter start at 1 count by 1 number text 2\n"
                                  "begin number text 2 0\n"
                                  "text \"\u2022\"\n"
                                  "end number text 2\n"
                                  "end style definition 3\n"
                                  "begin style definition tag 5 style 0x10000 list based on none\n"
                                  "define list counter level 8 count by 1 number text 4 roman\n"
                                  "begin number text 4 0\n"
                                  "text \"Part \"\n"
                                  "counter reference 10 7 0\n"
                                  "text \".\"\n"
                                  "counter reference 10 8 0\n"
                                  "text \":\"\n"
                                  "end number text 4\n"
                                  "end style definition 5\n"
                                  "apply style 1\n"
                                  "apply style 0x10000\n"
                                  "apply list counter 8\n"
                                  "restart list counter 8 0\n"
                                  "text \"deep\"\n"
                                  "paragraph end\n"
                                  "apply style 1\n"
                                  "remove list numbering\n"
                                  "text \"plain\"\n"
                                  "paragraph end\n"
                                  "document end\n");
}

// Only the outermost of nested links is sent, a link without an address is
// not, and fields without a host form leave nothing; a date whose format
// has a part the host's date field lacks is the host's plain date.
TEST(DocumentBuilderTest, OddLinksAndFieldsSendOnlyWhatTheHostCarries)
{
    frontends::DocumentBuilder builder;
    builder.openLink({});
    builder.closeLink();
    builder.openLink(span({{"xlink:href", "http://a.example/"}}));
    builder.openLink(span({{"xlink:href", "http://b.example/"}}));
    builder.insertText("link");
    builder.closeLink();
    builder.closeLink();
    builder.closeLink();
    RVNGPropertyList date = span({{"librevenge:field-type", "text:date"}});
    librevenge::RVNGPropertyListVector format;
    format.append(span({{"librevenge:value-type", "month"}, {"number:textual", "true"}}));
    date.insert("librevenge:format", format);
    builder.insertField(date);
    builder.insertField(span({{"librevenge:field-type", "text:time"}}));
    builder.insertField(span({{"librevenge:field-type", "text:title"}}));
    builder.closeParagraph();
    builder.endDocument();
    EXPECT_EQ(changesOf(builder), "document properties done\n"
                                  "character set 0x14B00000\n"
                                  "property text \"http://a.example/\"\n"
                                  "begin hyperlink 2 14\n"
                                  "property url 5\n"
                                  "end properties\n"
                                  "text \"link\"\n"
                                  "end hyperlink 2\n"
                                  "date\n"
                                  "time\n"
                                  "paragraph end\n"
                                  "document end\n"
                                  "record 3 hex 00000000 00000000 00000000\n");
}

// What an importer sends for a damaged file: a text box outside any frame, a
// frame's second picture and an object that is no picture, frames nested
// past any real document's depth, and a frame still open at the end. The
// document stays one the filter reads: every frame content ends.
TEST(DocumentBuilderTest, DamagedFramesLeaveEveryFrameContentClosed)
{
    frontends::DocumentBuilder builder;
    builder.openPageSpan({});
    builder.openTextBox({});
    builder.insertText("stray");
    builder.closeTextBox();
    // A width past any page's is no width: the frame's content decides it.
    RVNGPropertyList box = span({{"text:anchor-type", "paragraph"}});
    box.insert("svg:x", -2.0);
    box.insert("svg:width", 1e9);
    box.insert("svg:height", 0.5);
    builder.openFrame(box);
    RVNGPropertyList picture = span({{"librevenge:mime-type", "image/png"}, {"office:binary-data", "AAEC"}});
    builder.insertBinaryObject(picture);
    builder.insertBinaryObject(picture);
    builder.closeFrame();
    builder.openFrame(span({{"text:anchor-type", "as-char"}}));
    builder.insertBinaryObject(span({{"librevenge:mime-type", "application/x-ole"}, {"office:binary-data", "AAEC"}}));
    builder.closeFrame();
    for (int depth = 0; depth < 100; ++depth) {
        builder.openFrame({});
        builder.openTextBox({});
    }
    builder.insertText("deep");
    builder.endDocument();
    const std::unique_ptr<trxhost::Document> document = builder.takeDocument();
    const std::string listing = trxhost::formatListing(*document);
    EXPECT_EQ(listing.find("stray"), std::string::npos) << listing;
    EXPECT_EQ(listing.find("deep"), std::string::npos) << listing;
    EXPECT_NE(listing.find("horizontal offset -2880 anchor paragraph auto width height 720"), std::string::npos)
        << listing;
    EXPECT_EQ(document->objects().size(), 1U);
    EXPECT_EQ(document->list(CHLIST_EMBEDDED_OBJECTS)->length(), 1U);
    // The first frame, then the sixteen that nest within the bound, each
    // with its content begun and ended; the text of those past it is left
    // out.
    for (const char* statement : {"begin frame content", "end frame content"}) {
        size_t count = 0;
        for (size_t at = listing.find(statement); at != std::string::npos; at = listing.find(statement, at + 1))
            ++count;
        EXPECT_EQ(count, 17U) << statement;
    }
}

TEST(Utf16Test, DecodesEveryLengthAndReplacesWhatIsNotUtf8)
{
    std::vector<uint16_t> units;
    frontends::appendUtf16("a\xC3\xB6\xE2\x82\xAC\xF0\x9F\x98\x80", units);
    EXPECT_EQ(units, (std::vector<uint16_t>{'a', 0xF6, 0x20AC, 0xD83D, 0xDE00}));
    units.clear();
    // A stray continuation, an overlong '/', an encoded surrogate, a cut sequence.
    frontends::appendUtf16("\x80x\xC0\xAFy\xED\xA0\x80z\xE2\x82", units);
    EXPECT_EQ(units,
              (std::vector<uint16_t>{0xFFFD, 'x', 0xFFFD, 0xFFFD, 'y', 0xFFFD, 0xFFFD, 0xFFFD, 'z', 0xFFFD, 0xFFFD}));
}

} // namespace
