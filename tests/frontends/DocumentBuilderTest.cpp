// The document builder driven by hand with the events an importer sends:
// the changes it makes, read back as a listing.
#include "frontends/DocumentBuilder.h"
#include "frontends/Utf16.h"
#include "trxhost/Document.h"
#include "trxhost/Listing.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using librevenge::RVNGPropertyList;

// The statements of the listing's changes, one per line, without comments.
std::string changesOf(frontends::DocumentBuilder& builder)
{
    std::istringstream listing(trxhost::formatListing(*builder.takeDocument()));
    std::string statements;
    bool inChanges = false;
    for (std::string line; std::getline(listing, line);) {
        if (line == "# changes")
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

TEST(DocumentBuilderTest, TextOfHeadersAndNotesIsLeftOut)
{
    frontends::DocumentBuilder builder;
    builder.openHeader({});
    builder.insertText("header");
    builder.closeParagraph();
    builder.closeHeader();
    builder.insertText("body");
    builder.openFootnote({});
    builder.insertText("note");
    builder.closeFootnote();
    builder.closeParagraph();
    builder.endDocument();
    EXPECT_EQ(changesOf(builder),
              "document properties done\ncharacter set 0x14B00000\ntext \"body\"\nparagraph end\ndocument end\n");
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
