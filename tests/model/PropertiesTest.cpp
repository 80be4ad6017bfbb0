// The reference-counted property objects that strands and paragraphs share:
// a wrong count leaks or frees formatting that another node still uses.
#include "TestNodes.h"

#include "model/EndOfParagraphCSNode.h"
#include "model/FontDefinition.h"
#include "model/NodeCast.h"
#include "model/ParagraphProperties.h"
#include "model/StrandProperties.h"
#include "model/TextStrandNode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Properties : public ::testing::Test {
protected:
    Properties()
    {
        INodeRegistrar* registrar = factory.getINodeRegistrar();
        registrar->registerContentNodeCreator(new TContentNodeCreator<CTextStrandNode>);
        registrar->registerContentNodeCreator(new TContentNodeCreator<CEndOfParagraphCSNode>);
    }

    CTextStrandNode* textStrand(const char* text)
    {
        auto& strand = nodeAs<CTextStrandNode>(factory.createNode(kTextStrandNode));
        strand.setText(CCharacterString(text, 0));
        return &strand;
    }

    static CStrandProperties* bold()
    {
        auto* properties = new CStrandProperties;
        properties->setBold(true);
        return properties;
    }

    CNodeFactory factory;
};

TEST_F(Properties, SharedStrandPropertiesLiveAsLongAsTheirLastHolder)
{
    CTextStrandNode* first = textStrand("a");
    CTextStrandNode* second = textStrand("b");
    CStrandProperties* properties = bold();
    first->setProperties(properties);
    second->setProperties(properties);
    properties->releaseRef();
    EXPECT_EQ(properties->getReferenceCount(), 2u);

    first->release();
    EXPECT_TRUE(second->getProperties()->isBold());
    // Setting the object already held must not drop its last reference.
    second->setProperties(properties);
    EXPECT_EQ(properties->getReferenceCount(), 1u);
    second->release();
}

TEST_F(Properties, StrandCloneSharesThePropertiesAndCopiesTheText)
{
    CTextStrandNode* original = textStrand("abc");
    CStrandProperties* properties = bold();
    original->setProperties(properties);
    properties->releaseRef();

    auto& copy = nodeAs<CTextStrandNode>(original->clone(INode::kCloneNodeOnly));
    EXPECT_EQ(copy.getProperties(), properties);
    EXPECT_EQ(properties->getReferenceCount(), 2u);
    original->setText(CCharacterString("changed", 0));
    original->release();
    CCharacterString text;
    EXPECT_EQ(copy.getText(text).getString(), "abc");
    EXPECT_TRUE(copy.getProperties()->isBold());
    copy.release();
}

TEST_F(Properties, StrandPropertyCopiesShareTheFontAndCountTheirReferences)
{
    auto* font = new CFontDefinition(3, CCharacterString("Arial", 0));
    auto* properties = new CStrandProperties;
    properties->setFontName(font);
    properties->setFontSize(24);
    EXPECT_EQ(font->getReferenceCount(), 2u);

    IStrandProperties* copy = properties->clone();
    EXPECT_EQ(copy->getFontName(), font);
    EXPECT_EQ(copy->getFontSize(), 24u);
    {
        CStrandProperties assigned;
        assigned = *properties;
        EXPECT_EQ(font->getReferenceCount(), 4u);
        assigned.setFontName(nullptr);
        EXPECT_EQ(font->getReferenceCount(), 3u);
        assigned = *properties;
    }
    EXPECT_EQ(font->getReferenceCount(), 3u);

    // The font outlives its creator's reference while properties name it.
    font->releaseRef();
    properties->releaseRef();
    EXPECT_EQ(copy->getFontName()->getID(), 3u);
    copy->releaseRef();
}

// Every paragraph break clones the paragraph's properties: the clone must
// not take the end mark along, or the mark would be destroyed twice.
TEST_F(Properties, ParagraphPropertiesOwnTheirEndMarkButNotItsCopies)
{
    std::vector<std::string> log;
    RecordingNotify firstNotify(log, "first");
    RecordingNotify secondNotify(log, "second");
    auto& first = nodeAs<CEndOfParagraphCSNode>(factory.createNode(kEndOfParagraphCSNode));
    first.setNodeNotify(&firstNotify);
    auto& second = nodeAs<CEndOfParagraphCSNode>(factory.createNode(kEndOfParagraphCSNode));
    second.setNodeNotify(&secondNotify);
    auto* properties = new CParagraphProperties;

    properties->setEndMarker(&first);
    properties->setEndMarker(&first);
    EXPECT_TRUE(log.empty());
    properties->setEndMarker(&second);
    EXPECT_EQ(log, std::vector<std::string>{"first:onDestroy"});
    IParagraphProperties* copy = properties->clone();
    EXPECT_EQ(copy->getEndMarker(), nullptr);
    copy->releaseRef();
    properties->releaseRef();
    EXPECT_EQ(log, (std::vector<std::string>{"first:onDestroy", "second:onDestroy"}));
}

} // namespace
