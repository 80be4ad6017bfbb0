// Paragraph formatting output the golden cases do not reach: hyphenation hot
// zones, offsets against the page, and the tab ruler's column map at its
// bounds.
#include "icf/ICFAttributeFinder.h"
#include "icf/ICFNodeWriterCreator.h"
#include "icf/ICFOffset.h"
#include "icf/ICFPageAttributes.h"
#include "icf/ICFTabRuler.h"
#include "icf/ICFWriter.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "model/EndOfParagraphCSNode.h"
#include "model/NodeFactory.h"
#include "model/NumberingStyle.h"
#include "model/PageProperties.h"
#include "model/ParagraphNode.h"
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
    bool queryInterface(int32_t id, void** out) override
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
        const size_t end = bytes.find(CE[0], start);
        std::vector<std::string> command{bytes.substr(start + 2, 3)};
        for (size_t at = start + 5; at < end;) {
            const size_t next = bytes.find(PE[0], at);
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
        makeNodes<CSectionNode, CParagraphNode, CEndOfParagraphCSNode, CTextStrandNode>();
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

    ~ParagraphOutputTest() override { section->release(); }

    void writeParagraph() { paragraph->getNodeWriter()->write(); }

    INode* section = nullptr;
    CParagraphNode* paragraph = nullptr;
    IParagraphProperties* properties = nullptr;
};

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
    EXPECT_EQ(output(), switchedOn + CI "HNL" CE + switchedOn);
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

    EXPECT_EQ(CICFOffset(kOffsetFromLeftIndent, 360).getAdjustedValue(kOffsetFromLeftMargin, strand), 1080)
        << "360 after the paragraph's left indent of 720";
    EXPECT_EQ(CICFOffset(kOffsetFromLeftMargin, 720).getAdjustedValue(kOffsetFromPageEdge, strand), 2160);
    EXPECT_EQ(CICFOffset(kOffsetFromPageEdge, 720).getAdjustedValue(kOffsetFromLeftMargin, strand), 0)
        << "left of the margin";
    EXPECT_EQ(CICFOffset(kOffsetFromRightMargin, -50).getAdjustedValue(kOffsetFromRightMargin, strand), 0)
        << "already in the target reference";
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

    EXPECT_EQ(commandsOf(output()).at(0).at(2), "40") << "filled with default stops";
    const auto ntb = commandsOf(output()).at(1);
    EXPECT_EQ(std::vector<std::string>(ntb.begin() + 1, ntb.begin() + 3), (std::vector<std::string>{"00", "20"}));
    EXPECT_EQ(ntb[32], "01") << "column 255; the stop at column 256 is not on the map";
    EXPECT_EQ(ntb[53], "2e") << "a leader outside ASCII shows as a dot";
}

} // namespace
