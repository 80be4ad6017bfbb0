#include "icf/ICFNodeWriter.h"
#include "icf/ICFNodeWriterCreator.h"
#include "icf/ICFStrandUtilities.h"
#include "icf/ICFWriter.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "model/CharacterSets.h"
#include "model/NoAttribCSNode.h"
#include "model/NodeFactory.h"
#include "model/StrandContentList.h"
#include "model/StrandProperties.h"
#include "model/StrandStyleNode.h"
#include "model/TextStrandNode.h"

#include <gtest/gtest.h>

#include <list>
#include <string>

namespace {

// Gives its strand's text, as a text strand writer does; written with
// formatting, it brackets the text in "<" and ">".
class CBracketingStrandWriter : public CICFNodeWriter {
public:
    void getText(std::list<CCharacterString>& texts) override { texts.push_back(text()); }

    void write() override
    {
        auto* writer = dynamic_cast<CICFWriter*>(getWriter());
        const std::string bytes = text().getString();
        writer->writeByte('<');
        writer->writeByteArray(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data()));
        writer->writeByte('>');
    }

private:
    CCharacterString text()
    {
        CCharacterString out;
        return dynamic_cast<ITextStrandContent*>(getNode()->getIContent())->getText(out);
    }
};

class ICFStrandUtilitiesTest : public ICFOutputFixture {
protected:
    ICFStrandUtilitiesTest()
    {
        makeNodes<CTextStrandNode, CTabCSNode>();
        registrar()->registerNodeWriterCreator(new TNodeWriterCreator<CBracketingStrandWriter, kTextStrandNode>);
    }

    CTextStrandNode* addText(const CCharacterString& text)
    {
        auto* strand = dynamic_cast<CTextStrandNode*>(factory.createNode(kTextStrandNode));
        strand->setText(text);
        strands.add(strand);
        return strand;
    }

    void addTab() { strands.add(dynamic_cast<CTabCSNode*>(factory.createNode(kTabCSNode))); }

    static std::string textOf(CTextStrandNode* strand)
    {
        CCharacterString text;
        return strand->getText(text).getString();
    }

    CStrandStyleNode characterStyle;
    CStrandContentList strands; // released before the factory and the style go
};

TEST_F(ICFStrandUtilitiesTest, WriteStrandsWritesEachThroughItsNodeWriter)
{
    addText(CCharacterString("ab", kCharSetCp1252));
    addTab(); // its plain node writer writes nothing
    addText(CCharacterString("c", kCharSetCp1252));
    CICFStrandUtilities::writeStrands(strands);
    EXPECT_EQ(stream.bytes, "<ab><c>");
}

TEST_F(ICFStrandUtilitiesTest, WriteTextOnlyWritesTheTextWithItsCommands)
{
    addText(CCharacterString("1.\x01", kCharSetCp1252));
    addTab();
    addText(CCharacterString("\x82\xa0", kCharSetCp932));
    CICFStrandUtilities::writeTextOnly(&writer, strands);
    EXPECT_EQ(stream.bytes, "1." CI "HEX" "01" PE CE CI "MBC" "2" PE "1" PE "0" PE "82a0" CE);

    stream.bytes.clear();
    CICFStrandUtilities::writeTextOnly(nullptr, strands);
    CICFStrandUtilities::writeTextOnly(&writer, CStrandContentList());
    EXPECT_EQ(stream.bytes, "");
}

TEST_F(ICFStrandUtilitiesTest, ExtractFirstCharacterTakesItFromTheFirstTextStrand)
{
    addTab();
    CTextStrandNode* mark = addText(CCharacterString("\xa7x", kCharSetCp850));
    auto* properties = new CStrandProperties;
    mark->setProperties(properties);
    properties->releaseRef();
    mark->setStyle(&characterStyle);

    IStrandProperties* markProperties = nullptr;
    IStrandStyleContent* markStyle = nullptr;
    EXPECT_EQ(CICFStrandUtilities::extractFirstCharacter(strands, &markProperties, &markStyle), 0xA7);
    EXPECT_EQ(markProperties, properties);
    EXPECT_EQ(properties->getReferenceCount(), 2u);
    EXPECT_EQ(markStyle, &characterStyle);
    EXPECT_EQ(textOf(mark), "x");
    CCharacterString rest;
    EXPECT_EQ(mark->getText(rest).getCodePage(), 1252);
    EXPECT_EQ(strands.size(), 2u);
    markProperties->releaseRef();

    // The last character goes with its strand.
    EXPECT_EQ(CICFStrandUtilities::extractFirstCharacter(strands, &markProperties, &markStyle), 'x');
    markProperties->releaseRef();
    EXPECT_EQ(strands.size(), 1u);

    EXPECT_EQ(CICFStrandUtilities::extractFirstCharacter(strands, &markProperties, &markStyle), 0);
}

TEST_F(ICFStrandUtilitiesTest, ExtractFirstCharacterNeedsBothOutSlotsAndSomeText)
{
    addText(CCharacterString());
    IStrandProperties* properties = nullptr;
    IStrandStyleContent* style = nullptr;
    EXPECT_EQ(CICFStrandUtilities::extractFirstCharacter(strands, nullptr, &style), 0);
    EXPECT_EQ(CICFStrandUtilities::extractFirstCharacter(strands, &properties, nullptr), 0);
    EXPECT_EQ(CICFStrandUtilities::extractFirstCharacter(strands, &properties, &style), 0);
    EXPECT_EQ(strands.size(), 1u);

    CStrandContentList none;
    EXPECT_EQ(CICFStrandUtilities::extractFirstCharacter(none, &properties, &style), 0);
}

TEST(ICFStrandUtilities, LowercaseIsBytewise)
{
    std::string name = "SyMBOL \xc9";
    CICFStrandUtilities::convertStringToLowercase(name);
    EXPECT_EQ(name, "symbol \xc9");
}

} // namespace
