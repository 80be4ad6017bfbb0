// Paragraph formatting output: the paragraph writer with its properties
// writer, and the indents, tab ruler, borders, shading and offsets it uses.
#include "icf/ICFAttributeFinder.h"
#include "icf/ICFBorders.h"
#include "icf/ICFIndents.h"
#include "icf/ICFNodeWriterCreator.h"
#include "icf/ICFOffset.h"
#include "icf/ICFPageAttributes.h"
#include "icf/ICFShading.h"
#include "icf/ICFStyleNodeWriters.h"
#include "icf/ICFTabRuler.h"
#include "icf/ICFWriter.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "model/EndOfParagraphCSNode.h"
#include "model/NodeFactory.h"
#include "model/NumberingStyle.h"
#include "model/PageProperties.h"
#include "model/ParagraphNode.h"
#include "model/ParagraphStyleNode.h"
#include "model/SectionNode.h"
#include "model/SectionProperties.h"
#include "model/TextStrandNode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A letter page with one-inch margins, answered for the nodes below it.
class CLetterPageWriter : public CICFNodeWriter, public IICFPageAttributes {
public:
    bool queryInterface(EICFInterfaceID id, void** out) override
    {
        if (id != kICFPageAttributesInterface)
            return CICFNodeWriter::queryInterface(id, out);
        *out = static_cast<IICFPageAttributes*>(this);
        return true;
    }
    uint32_t getLeftMargin() override { return 1440; }
    uint32_t getRightMargin() override { return 1440; }
    uint32_t getTopMargin() override { return 1440; }
    uint32_t getBottomMargin() override { return 1440; }
    uint32_t getContainerWidth() override { return 9360; }
    uint32_t getContainerHeight() override { return 12960; }
};

// The commands of non-nested ICF output, each as its name and parameters.
std::vector<std::vector<std::string>> commandsOf(const std::string& bytes)
{
    std::vector<std::vector<std::string>> commands;
    for (size_t start = bytes.find(CI); start != std::string::npos; start = bytes.find(CI, start)) {
        const size_t end = bytes.find(CE, start);
        std::vector<std::string> command{bytes.substr(start + 2, 3)};
        for (size_t at = start + 5; at < end;) {
            const size_t next = bytes.find(PE, at);
            command.push_back(bytes.substr(at, next - at));
            at = next + 1;
        }
        commands.push_back(command);
        start = end;
    }
    return commands;
}

CTabDefinition tab(uint32_t offset, ETabTypes type, const CCharacterString& leader = CCharacterString())
{
    CTabDefinition definition;
    definition.setOffset(offset);
    definition.setType(type);
    definition.setLeader(leader);
    return definition;
}

class ParagraphOutputTest : public ICFOutputFixture {
protected:
    ParagraphOutputTest()
    {
        makeNodes<CSectionNode, CParagraphNode, CParagraphStyleNode, CEndOfParagraphCSNode, CTextStrandNode>();
        writer.initialize(&stream, registrar());
        registrar()->registerNodeWriterCreator(new TNodeWriterCreator<CLetterPageWriter, kSectionNode>);

        section = factory.createNode(kSectionNode);
        auto* sectionProperties = new CSectionProperties;
        auto* page = new CPageProperties;
        page->setRightMargin(CDimension(kDimensionExact, 1440));
        sectionProperties->setPageProperties(page);
        page->releaseRef();
        dynamic_cast<ISectionContent&>(*section->getIContent()).setProperties(sectionProperties);
        sectionProperties->releaseRef();
        paragraph = dynamic_cast<CParagraphNode*>(factory.createNode(kParagraphNode));
        section->attachNode(paragraph);
        properties = new CParagraphProperties;
        paragraph->setProperties(properties);
        properties->releaseRef();
    }

    ~ParagraphOutputTest() override
    {
        section->release();
        if (style)
            style->release();
    }

    // A paragraph style named "Body" with properties of its own.
    IParagraphProperties& addStyle()
    {
        style = dynamic_cast<CParagraphStyleNode*>(factory.createNode(kParagraphStyleNode));
        style->setName(CCharacterString("Body", kCharSetCp1252));
        style->setID(1);
        auto* styleProperties = new CParagraphProperties;
        style->setParagraphProperties(styleProperties);
        styleProperties->releaseRef();
        paragraph->setStyle(style);
        return *styleProperties;
    }

    void writeParagraph() { paragraph->getNodeWriter()->write(); }

    // What the style's own writer writes to switch it on or off, for
    // comparison; the output recorded so far is kept.
    std::string styleSwitch(void (CICFStyleNodeWriter::*switchStyle)())
    {
        const std::string recorded = stream.bytes;
        stream.bytes.clear();
        (dynamic_cast<CICFStyleNodeWriter&>(*style->getNodeWriter()).*switchStyle)();
        const std::string bytes = stream.bytes;
        stream.bytes = recorded;
        return bytes;
    }

    INode* section = nullptr;
    CParagraphNode* paragraph = nullptr;
    CParagraphStyleNode* style = nullptr;
    IParagraphProperties* properties = nullptr;
};

TEST_F(ParagraphOutputTest, AlignmentIsWrittenOnlyWhereItDiffersFromTheStyle)
{
    IParagraphProperties& styleProperties = addStyle();
    properties->setHorizontalAlignment(kAlignCenter);
    writeParagraph();
    const std::string styleOn = styleSwitch(&CICFStyleNodeWriter::writeStyleOn);
    const std::string styleOff = styleSwitch(&CICFStyleNodeWriter::writeStyleOff);
    EXPECT_EQ(stream.bytes, styleOn + CI "BCA" CE CI "ERJ" CE + styleOff)
        << "centred in a left-aligned style; no end marker, so no \"HNL\"";
    EXPECT_EQ(styleOn.substr(0, 5), CI "STY");

    styleProperties.setHorizontalAlignment(kAlignCenter);
    stream.bytes.clear();
    writeParagraph();
    EXPECT_EQ(stream.bytes, styleSwitch(&CICFStyleNodeWriter::writeStyleOn) +
                                styleSwitch(&CICFStyleNodeWriter::writeStyleOff));
}

TEST_F(ParagraphOutputTest, HotZonesAreWrittenInPercentOfTheRightMargin)
{
    CHyphenation hyphenation;
    hyphenation.setEnable(true);
    hyphenation.setLeftHotZone(360);
    hyphenation.setRightHotZone(720);
    properties->setHyphenation(hyphenation);
    auto* marker = dynamic_cast<IEndOfParagraphCSContent*>(factory.createNode(kEndOfParagraphCSNode)->getIContent());
    properties->setEndMarker(marker);

    writeParagraph();
    const std::string switchedOn = CI "RHZ" "0" PE "0" PE "25" PE "50" PE CE CI "BHP" CE;
    EXPECT_EQ(stream.bytes, switchedOn + CI "HNL" CE + switchedOn);
}

TEST_F(ParagraphOutputTest, NodesInsideTheParagraphFindItsPropertiesAndPage)
{
    CIndents indents;
    indents.setLeftOffset(COffset(kOffsetFromLeftMargin, 720));
    properties->setIndents(indents);
    INode* strand = factory.createNode(kTextStrandNode);
    paragraph->attachNode(strand);

    void* found = nullptr;
    ASSERT_TRUE(CICFAttributeFinder::findInterface(kICFParagraphContentInterface, strand, &found));
    EXPECT_EQ(found, static_cast<IParagraphContent*>(paragraph));
    EXPECT_EQ(CICFAttributeFinder::getLeftMargin(strand), 1440u);
    EXPECT_EQ(CICFAttributeFinder::getContainerHeight(paragraph), 12960u);
    addStyle();
    EXPECT_EQ(CICFAttributeFinder::getLeftMargin(style), 0u) << "a style lies on no page";

    EXPECT_EQ(CICFOffset(kOffsetFromLeftIndent, 360).getAdjustedValue(kOffsetFromLeftMargin, strand), 1080)
        << "360 after the paragraph's left indent of 720";
    EXPECT_EQ(CICFOffset(kOffsetFromLeftMargin, 720).getAdjustedValue(kOffsetFromPageEdge, strand), 2160);
    EXPECT_EQ(CICFOffset(kOffsetFromPageEdge, 720).getAdjustedValue(kOffsetFromLeftMargin, strand), 0)
        << "left of the margin";
    EXPECT_EQ(CICFOffset(kOffsetFromRightMargin, -50).getAdjustedValue(kOffsetFromRightMargin, strand), 0)
        << "already in the target reference";
}

TEST_F(ParagraphOutputTest, IndentsOnTheMarginsWriteZerosAndNoFirstLineCommand)
{
    CICFIndents().write(&writer, nullptr, nullptr, kPropertiesOwnValues);
    EXPECT_EQ(stream.bytes, CI "IPS" "0" PE "0" PE "0" PE "0" PE "0" PE "0" PE "0" PE "0" PE CE //
                            CI "RMI" "0" PE "0" PE CE CI "STM" "0" PE "0" PE "0" PE "0" PE CE);
}

TEST_F(ParagraphOutputTest, FirstLineRightOfTheIndentTabsToTheStopAtOrAfterIt)
{
    CIndents indents;
    indents.setFirstLineOffset(COffset(kOffsetFromLeftMargin, 1440));
    auto* tabs = new CTabDefinitions;
    for (uint32_t offset : {2000, 0, 500, 1000})
        tabs->addTabDefinition(tab(offset, kTabLeft));
    CICFIndents(indents).write(&writer, paragraph, tabs, kPropertiesStrandStart);
    tabs->releaseRef();
    const auto commands = commandsOf(stream.bytes);
    ASSERT_EQ(commands.size(), 6u);
    EXPECT_EQ(commands[0], (std::vector<std::string>{"IPS", "0", "10", "1440", "2880", "0", "0", "1440", "0"}));
    for (size_t i = 3; i < 6; ++i)
        EXPECT_EQ(commands[i], (std::vector<std::string>{"TAB", "1"})) << "from the stop at 0 to the one at 2000";
}

TEST_F(ParagraphOutputTest, ColumnMapCountsFromTheLeftMarginAndEndsAtColumn255)
{
    auto* tabs = new CTabDefinitions;
    tabs->setDefaultTabWidth(720);
    const uint16_t ellipsis[] = {0x2026, 0};
    tabs->addTabDefinition(tab(0, kTabLeft, CCharacterString(ellipsis, kCharSetUnicode)));
    tabs->addTabDefinition(tab(35423, kTabLeft));
    tabs->addTabDefinition(tab(35424, kTabLeft));
    CICFTabRuler ruler(tabs);
    ruler.setLeftMargin(1440);
    ruler.write(&writer);
    EXPECT_EQ(tabs->getTabDefinitions().size(), 3u) << "the default stops do not reach the paragraph's set";
    tabs->releaseRef();

    EXPECT_EQ(commandsOf(stream.bytes).at(0).at(2), "40") << "filled with default stops";
    const auto ntb = commandsOf(stream.bytes).at(1);
    EXPECT_EQ(std::vector<std::string>(ntb.begin() + 1, ntb.begin() + 3), (std::vector<std::string>{"00", "20"}));
    EXPECT_EQ(ntb[32], "01") << "column 255; the stop at column 256 is not on the map";
    EXPECT_EQ(ntb[53], "2e") << "a leader outside ASCII shows as a dot";
}

TEST_F(ParagraphOutputTest, BordersGiveFourLineCodesAndColoursAndTheClient)
{
    CBorder top(kLineSingle);
    top.setLineColor(CColor(255, 0, 0));
    CGridBorders borders;
    borders.setTop(top);
    borders.setLeft(CBorder(kLineDouble));
    borders.setRight(CBorder(kLineDotDash));
    CICFBorders(borders).writePBC(&writer, kOnOffOn, kBorderClientStrand);
    CICFBorders(borders).writePBC(&writer, kOnOffOff, static_cast<EBorderClient>(7));
    EXPECT_EQ(stream.bytes, CI "PBC" "1201" PE "2" PE "0c" PE "00" PE "00" PE "00" PE CE //
                            CI "PBC" "0000" PE "0" PE CE);
}

TEST_F(ParagraphOutputTest, InvisibleShadingOfACellAndShadingOff)
{
    const std::string reserved = "00" PE "00" PE "00" PE "00" PE "00" PE "00" PE;
    CShading invisible;
    invisible.setType(static_cast<EShadingTypes>(24));
    invisible.setTransparency(CFixed(100));
    CICFShading(invisible).writeSHD(&writer, kOnOffOn, kShadingClientCell);
    CICFShading(invisible).writeSHD(&writer, kOnOffOff, static_cast<EShadingClient>(9));
    EXPECT_EQ(stream.bytes, CI "SHD" "3" PE "50" PE "00" PE "00" PE "00" PE "0" PE "00" PE "00" PE "00" PE "999" PE +
                                reserved + "0" PE "0" PE CE CI "SHD" "0" PE "0" PE CE)
        << "fully transparent without a pattern code is written half intense";
}

} // namespace
