// What the preview's commands do to its model: the formatting in force, where
// text goes, and what is listed or marked as damage.
#include "icfdump/preview/PreviewBuilder.h"
#include "tools/IcfdumpTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace icfdump::preview;

namespace {

// The builder after the stream written in the notation of icf().
PreviewBuilder fed(const std::string& notation)
{
    PreviewBuilder builder;
    builder.feed(icfdump::decodeIcf(icf(notation)).items);
    return builder;
}

PreviewDocument built(const std::string& notation)
{
    return buildPreview(icfdump::decodeIcf(icf(notation)));
}

const Paragraph& paragraph(const PreviewDocument& document, size_t index)
{
    return *document.pages.at(0).blocks.at(index).paragraph;
}

template <typename Format>
struct FormatCase {
    const char* stream;
    std::function<bool(const Format&)> holds;
};

TEST(PreviewModel, CharacterCommandsSetAndClearTheirProperty)
{
    const FormatCase<CharacterFormat> cases[] = {
        {"<BBT>", [](const auto& f) { return f.bold; }},
        {"<BBT><EBT>", [](const auto& f) { return !f.bold; }},
        {"<ITO><BSO><BHT>", [](const auto& f) { return f.italic && f.strikeOut && f.hidden; }},
        {"<SPF10|2|10|2|20|Courier New|>", [](const auto& f) { return f.font == "Courier New" && f.halfPoints == 20; }},
        {"<BCL12|255|0|0|>",
         [](const auto& f) {
             return f.color == Rgb{255, 0, 0};
         }},
        {"<BCL12|255|0|0|><BCL0|0|0|0|>", [](const auto& f) { return !f.color; }},
        {"<BUL0|3|>", [](const auto& f) { return f.underline == 3; }},
        {"<BUL0|3|><EUL>", [](const auto& f) { return f.underline == 0; }},
        {"<SPS><EPS><SBS>", [](const auto& f) { return f.script == Script::Subscript; }},
        {"<BCS>", [](const auto& f) { return f.caseModifier == CaseModifier::SmallCapitals; }},
        {"<SHD0|50|ff|00|00|0|ff|ff|ff|999|0|0|0|0|0|0|1|0|>",
         [](const auto& f) {
             return f.shading && f.shading->intensity == 50 && f.shading->foreground == Rgb{255, 0, 0};
         }},
        {"<SHD0|50|ff|00|00|0|ff|ff|ff|999|0|0|0|0|0|0|1|0|><SHD0|0|>", [](const auto& f) { return !f.shading; }},
        {"<PBC1027|2|00|0a|0c|0f|>",
         [](const auto& f) { return f.borders.top == 1 && f.borders.bottom == 2 && f.borders.right == 7; }},
    };
    for (const auto& [stream, holds] : cases)
        EXPECT_TRUE(holds(fed(stream).characterFormat())) << stream;
}

TEST(PreviewModel, ParagraphCommandsSetTheFormatOfTheParagraphsAfterThem)
{
    const FormatCase<ParagraphFormat> cases[] = {
        {"<BCA>", [](const auto& f) { return f.alignment == Alignment::Centre; }},
        {"<BRJ><ERJ>", [](const auto& f) { return f.alignment == Alignment::Left; }},
        {"<SBF240|1|><SAF480|2|>", [](const auto& f) { return f.spaceBefore == 240 && f.spaceAfter == 480; }},
        {"<LNH360|>", [](const auto& f) { return f.lineHeight == 360 && f.lineHeightExact; }},
        {"<RSP0|4|480|0|>", [](const auto& f) { return f.lineHeight == 480 && !f.lineHeightExact; }},
        {"<IPS5|0|2160|1440|0|720|0|360|><RMI2|360|><LMR5|720|1440|>",
         [](const auto& f) { return f.leftIndent == 720 && f.firstLineIndent == 0 && f.rightIndent == 360; }},
        {"<KEP0|><KWN0|>", [](const auto& f) { return f.keepTogether && f.keepWithNext; }},
        {"<RUL0|2|1440|2880|C|D|>",
         [](const auto& f) { return f.tabs.size() == 2 && f.tabs[1].position == 2880 && f.tabs[1].type == 'D'; }},
        {"<PBC2015|0|0c|07|09|0a|>",
         [](const auto& f) {
             return f.borders.top == 2 && f.borders.bottom == 1 && f.borders.topColor == Rgb{255, 0, 0};
         }},
    };
    for (const auto& [stream, holds] : cases)
        EXPECT_TRUE(holds(fed(stream).paragraphFormat())) << stream;
}

TEST(PreviewModel, PageCommandsSetTheLayoutOfThePage)
{
    const PreviewDocument document =
        built("<SFL51|51|51|51|12240|12240|><PGW110|15840|><STP0|6|1440|><SBP3|720|><RSM0|0|7|61|1800|14760|>");
    const PageLayout& layout = document.pages.at(0).layout;
    EXPECT_EQ(layout.width, 15840);
    EXPECT_EQ(layout.height, 12240);
    EXPECT_EQ(layout.topMargin, 1440);
    EXPECT_EQ(layout.bottomMargin, 720);
    EXPECT_EQ(layout.leftMargin, 1800);
    EXPECT_EQ(layout.rightMargin, 1080);
    EXPECT_TRUE(document.listed.empty());
}

TEST(PreviewModel, TextKeepsTheFormatInForceAndParagraphsEndAtTheirMark)
{
    const PreviewDocument document = built("<BCA>Caf<XCS819|e9|>_<NLN><HNL><BBT>bold<HNL>");
    ASSERT_EQ(document.pages.at(0).blocks.size(), 1u);
    const Paragraph& first = paragraph(document, 0);
    EXPECT_EQ(first.format.alignment, Alignment::Centre);
    ASSERT_EQ(first.inlines.size(), 3u);
    EXPECT_EQ(first.inlines[0].text, "Café");
    EXPECT_EQ(first.inlines[1].kind, Inline::Kind::LineBreak);
    EXPECT_TRUE(first.inlines[2].format.bold);
    EXPECT_FALSE(first.inlines[0].format.bold);
}

TEST(PreviewModel, TablesTakeTheirColumnsFromTheLayoutAndCoverCellsBySpans)
{
    const PreviewDocument document = built("<CDS48|2|0|10|0|10|20|0|0|1440|0|1440|2880|0|><BCM>"
                                           "<BRO2|0|0|0|f000|0|0|><BCO1|1|2|0|0|0|0|>A<HCB><BCO2|1|1|0|0|0|0|>B<HCB>"
                                           "<BRO2|0|0|0|0|0|0|><BCO1|1|1|0|0|0|0|><HCB><BCO2|1|1|0|0|0|0|>"
                                           "<SHD3|100|ff|00|00|0|0|0|0|999|0|0|0|0|0|0|0|0|>C<HCB><ECM>after<HNL>");
    const std::vector<Block>& blocks = document.pages.at(0).blocks;
    ASSERT_EQ(blocks.size(), 2u);
    const Table& table = *blocks[0].table;
    EXPECT_EQ(table.columnWidths, (std::vector<long>{1440, 1440}));
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0].cells[0].rowSpan, 2u);
    EXPECT_EQ(table.rows[0].cells[1].borders.top, 15u);
    EXPECT_TRUE(table.rows[1].cells[0].merged);
    EXPECT_FALSE(table.rows[1].cells[1].merged);
    ASSERT_TRUE(table.rows[1].cells[1].shading);
    EXPECT_EQ(table.rows[1].cells[1].blocks.size(), 1u);
    EXPECT_EQ(blocks[1].paragraph->inlines.at(0).text, "after");
}

TEST(PreviewModel, ALayoutWithoutRowsSetsTheParagraphsAfterItInColumns)
{
    // A column break ends the paragraph it stands in; the rest starts the next column.
    const PreviewDocument document =
        built("Before<HNL><CDS20|2|0|10|0|10|20|0|0|1440|0|1440|2880|0|><BCM>One<HNL>Two<HCB>Three<HNL><ECM>"
              "After<HCB><HNL>");
    const std::vector<Block>& blocks = document.pages.at(0).blocks;
    ASSERT_EQ(blocks.size(), 3u);
    ASSERT_TRUE(blocks[1].columns);
    EXPECT_EQ(blocks[1].columns->widths.size(), 2u);
    const std::vector<Block>& inColumns = blocks[1].columns->blocks;
    ASSERT_EQ(inColumns.size(), 3u);
    EXPECT_FALSE(inColumns[1].paragraph->columnBreakBefore);
    EXPECT_TRUE(inColumns[2].paragraph->columnBreakBefore);
    EXPECT_EQ(inColumns[2].paragraph->inlines.at(0).text, "Three");
    EXPECT_FALSE(blocks[2].paragraph->columnBreakBefore);
    ASSERT_EQ(document.listed.size(), 1u); // the break outside columns
    EXPECT_EQ(document.listed[0].command, "HCB");
}

TEST(PreviewModel, PageNumbersCountFromTheStartTheStreamSetsAndCommentsStandInTheText)
{
    const PreviewDocument document = built("<PPN><HNL><HNP><SPN0|0|0|7|0|><PPN><HNL><HNP><PPN><CMTCheck this|>"
                                           "<SPN0|0|1|44|0|><SPN0|0|0|>");
    std::vector<std::string> numbers;
    for (const Page& page : document.pages)
        numbers.push_back(page.blocks.at(0).paragraph->inlines.at(0).text);
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "7", "8"}));
    const std::vector<Inline>& last = document.pages.back().blocks.at(0).paragraph->inlines;
    EXPECT_EQ(last.at(1).kind, Inline::Kind::Comment);
    EXPECT_EQ(last.at(1).text, "Check this");
    // A start above 255 is listed; one without its low byte is damage.
    ASSERT_EQ(document.listed.size(), 2u);
    EXPECT_FALSE(document.listed[0].remark.empty());
    EXPECT_EQ(last.back().kind, Inline::Kind::Damage);
}

TEST(PreviewModel, NotesHeadersLinksAndPageBreaksGoWhereTheyBelong)
{
    const PreviewDocument document = built("<HF20|0|12|10|0|0|1800|1440|>Head<HNL><HFX0|11|0|3|>"
                                           "<HF20|0|12|10|0|0|1800|1440|>Again<HNL><HFX0|11|0|3|>"
                                           "See<FNT00|00|00|0|0|0|0|01|ff|0|0|8d|><FNA>Note text<EFN>"
                                           "<XRF04|13|http://example.com|0|>link<XRF05|13|http://example.com|0|>"
                                           "<HNL><HNP>Second<HNL>");
    ASSERT_EQ(document.pages.size(), 2u);
    const Page& page = document.pages[0];
    ASSERT_EQ(page.headers.size(), 1u); // a second one of the same kind is listed
    EXPECT_EQ(page.headers[0].at(0).paragraph->inlines.at(0).text, "Head");
    ASSERT_EQ(page.notes.size(), 1u);
    EXPECT_EQ(page.notes[0].mark, "1");
    EXPECT_EQ(page.notes[0].blocks.at(0).paragraph->inlines.at(1).text, "Note text");
    const Paragraph& body = paragraph(document, 0);
    ASSERT_EQ(body.inlines.size(), 4u); // after the mark of the listed header
    EXPECT_EQ(body.inlines[2].kind, Inline::Kind::NoteMark);
    EXPECT_EQ(body.inlines[3].link, "http://example.com");
    EXPECT_EQ(document.pages[1].blocks.size(), 1u);
}

TEST(PreviewModel, NumbersFramesPicturesAndDeletedTextAreKept)
{
    const PreviewDocument document = built("<PND1|1||0|0|.|0|><PGN1|>1.<EPN>Item<HNL>"
                                           "<APO0|0|4|2|2|0|2880|1440|720|360|0|0|0|0|0|0|360|||0|0|0|0|>In<APF>"
                                           "<PDS0|2880|1440|>"
                                           "<PCT89504e470d0a1a0a00||><PCT|><DTXgone>");
    const Paragraph& numbered = paragraph(document, 0);
    EXPECT_EQ(numbered.number, "1.");
    EXPECT_EQ(numbered.inlines.at(1).text, "Item"); // after the mark of the listed "PND"
    const Frame& frame = *document.pages.at(0).blocks.at(1).frame;
    EXPECT_EQ(frame.placement, Frame::Placement::Right);
    EXPECT_EQ(frame.width, 2880);
    EXPECT_EQ(frame.blocks.size(), 1u);
    const Paragraph& pictures = paragraph(document, 2);
    ASSERT_EQ(pictures.inlines.size(), 3u);
    EXPECT_EQ(pictures.inlines[0].target.rfind("data:image/png;base64,iVBORw0KGgoA", 0), 0u);
    EXPECT_EQ(pictures.inlines[0].width, 2880);
    EXPECT_EQ(pictures.inlines[1].target, "");
    EXPECT_TRUE(pictures.inlines[2].format.deleted);
    EXPECT_EQ(pictures.inlines[2].text, "gone");
}

TEST(PreviewModel, UnrenderedUnknownAndMalformedCommandsAreListed)
{
    const PreviewDocument document = built("<SLG1033|><ZZZ1|><SPF10|1|>text<HNL>");
    ASSERT_EQ(document.listed.size(), 3u);
    EXPECT_EQ(document.listed[0].command, "SLG 1033");
    EXPECT_EQ(document.listed[0].remark, "");
    EXPECT_EQ(document.listed[1].remark, "unknown command");
    EXPECT_EQ(document.listed[2].command, "SPF 10 1");
    // Each is marked where it stood, the malformed one as damage as well.
    const std::vector<Inline>& inlines = paragraph(document, 0).inlines;
    ASSERT_EQ(inlines.size(), 5u);
    EXPECT_EQ(inlines[1].kind, Inline::Kind::Listed);
    EXPECT_EQ(inlines[1].text, document.listed[1].mark);
    EXPECT_EQ(inlines[3].kind, Inline::Kind::Damage);
}

TEST(PreviewModel, DamagedStreamsShowWhatStandsBeforeTheDamage)
{
    // Cut off inside a command; then frames and cells opened without end.
    const PreviewDocument cut = built("Before<HNL>After<BBT");
    EXPECT_FALSE(cut.damage.empty());
    ASSERT_EQ(cut.pages.at(0).blocks.size(), 2u);
    EXPECT_EQ(paragraph(cut, 1).inlines.back().kind, Inline::Kind::Damage);

    std::string unclosed;
    for (int i = 0; i < 40; ++i)
        unclosed += "<APO0|0|4|4|2|0|2880|1440|720|360|10|20|30|40|0|0|360|||50|60|70|80|>x";
    const PreviewDocument deep = built(unclosed + "<BCO1|1|1|0|0|0|0|><HCB><EFN>");
    EXPECT_EQ(deep.listed.size(), 40u - 15u + 3u);

    // Counts far beyond the parameters that follow them.
    const PreviewDocument counts = built("<CDS48|999999999999|0|><BCM><BRO99999999999|0|0|><BCO1|99999|99999|0|0|0|0|>"
                                         "<RUL0|9223372036854775807|>x<ECM>");
    EXPECT_EQ(counts.listed.size(), 2u);
}

} // namespace
