#include "ModelNodes.h"
#include "TestNodes.h"

#include "model/ColumnProperties.h"
#include "model/NoteAreaProperties.h"
#include "model/NumberingStyle.h"
#include "model/PageProperties.h"
#include "model/SectionProperties.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Log = std::vector<std::string>;

class SectionModel : public ::testing::Test, protected NodeWatcher {
protected:
    SectionModel() { registerModelNodes(factory); }

    // A header or footer holding one paragraph.
    CHeaderFooterNode* headerFooter(EHeaderFooterPageAppearance appearance)
    {
        auto* node = create<CHeaderFooterNode>(factory);
        node->setPageAppearance(appearance);
        node->attachNode(factory.createNode(kParagraphNode));
        return node;
    }

    // Section properties with every part filled in: page (with a page
    // number style), columns, both note areas, two headers and a footer.
    CSectionProperties* fullProperties()
    {
        auto* properties = new CSectionProperties;
        auto* page = new CPageProperties;
        page->setWidth(12240);
        page->setPageNumberStyle(numberStyle);
        properties->setPageProperties(page);
        page->releaseRef();
        auto* columns = new CColumnProperties;
        properties->setColumnProperties(columns);
        columns->releaseRef();
        for (auto setArea : {&CSectionProperties::setFootnoteProperties, &CSectionProperties::setEndnoteProperties}) {
            auto* area = new CNoteAreaProperties;
            (properties->*setArea)(area);
            area->releaseRef();
        }
        properties->addHeader(headerFooter(kOddPages));
        properties->addHeader(headerFooter(kEvenPages));
        properties->addFooter(headerFooter(kAllPages));
        return properties;
    }

    // How many times the node watched under `name` was destroyed.
    long destroyed(const std::string& name) const { return std::count(log.begin(), log.end(), name + ":onDestroy"); }

    CNodeFactory factory;
    CNumberingStyle* numberStyle = new CNumberingStyle;

    ~SectionModel() override { numberStyle->releaseRef(); }
};

// The header and footer nodes of a list, as nodes.
std::vector<INode*> nodesOf(const HeaderFooterList& list)
{
    std::vector<INode*> nodes;
    for (IHeaderFooterContent* entry : list)
        nodes.push_back(entry->getINode());
    return nodes;
}

TEST_F(SectionModel, CopyingSectionPropertiesCopiesThePartsAndDeepClonesHeadersAndFooters)
{
    CSectionProperties* original = fullProperties();
    auto* copy = new CSectionProperties(*original);

    ASSERT_NE(copy->getPageProperties(), nullptr);
    EXPECT_NE(copy->getPageProperties(), original->getPageProperties());
    EXPECT_EQ(copy->getPageProperties()->getPageNumberStyle(), numberStyle) << "the number style is shared";
    EXPECT_EQ(numberStyle->getReferenceCount(), 3u);
    EXPECT_NE(copy->getColumnProperties(), original->getColumnProperties());
    EXPECT_NE(copy->getFootnoteProperties(), original->getFootnoteProperties());
    EXPECT_NE(copy->getEndnoteProperties(), original->getEndnoteProperties());

    const std::vector<INode*> headers = nodesOf(copy->getHeaderList());
    const std::vector<INode*> originalHeaders = nodesOf(original->getHeaderList());
    ASSERT_EQ(headers.size(), 2u);
    for (size_t i = 0; i < headers.size(); ++i) {
        auto& header = nodeAs<CHeaderFooterNode>(headers[i]);
        auto& originalHeader = nodeAs<CHeaderFooterNode>(originalHeaders[i]);
        EXPECT_NE(&header, &originalHeader);
        EXPECT_EQ(header.getHeaderFooterType(), kHeader);
        const std::vector<INode*> paragraphs = childrenOf(&header);
        ASSERT_EQ(paragraphs.size(), 1u) << "the paragraphs are copied";
        EXPECT_NE(paragraphs[0], childrenOf(&originalHeader)[0]);
    }
    ASSERT_EQ(copy->getFooterList().size(), 1u);
    EXPECT_EQ(copy->getFooterList().front()->getHeaderFooterType(), kFooter);
    EXPECT_NE(copy->getFooterList().front(), original->getFooterList().front());

    original->releaseRef();
    copy->releaseRef();
    EXPECT_EQ(numberStyle->getReferenceCount(), 1u);
}

TEST_F(SectionModel, AddingMarksTheKindAndClearingDestroysTheEntries)
{
    auto* properties = new CSectionProperties;
    CHeaderFooterNode* node = headerFooter(kAllPages);
    properties->addFooter(node);
    EXPECT_EQ(node->getHeaderFooterType(), kFooter);
    properties->removeFooter(node);
    properties->addHeader(node);
    EXPECT_EQ(node->getHeaderFooterType(), kHeader);
    EXPECT_TRUE(properties->getFooterList().empty());

    watch(node, "header");
    properties->clearHeaderList();
    EXPECT_EQ(destroyed("header"), 1);
    EXPECT_TRUE(properties->getHeaderList().empty());
    properties->releaseRef();
}

TEST_F(SectionModel, SectionCloneGetsPropertiesOfItsOwn)
{
    auto* section = create<CSectionNode>(factory);
    CSectionProperties* properties = fullProperties();
    section->setProperties(properties);
    section->setProperties(properties);
    properties->releaseRef();
    EXPECT_EQ(properties->getReferenceCount(), 1u) << "setting the same properties again keeps one reference";
    section->attachNode(factory.createNode(kParagraphNode));

    auto& copy = nodeAs<CSectionNode>(section->clone(INode::kCloneNodeOnly));
    ISectionProperties* copied = copy.getProperties();
    ASSERT_NE(copied, nullptr);
    EXPECT_NE(copied, properties);
    EXPECT_EQ(copied->getHeaderList().size(), 2u);
    EXPECT_TRUE(copy.isEmpty());
    copied->getPageProperties()->setWidth(100);
    EXPECT_EQ(properties->getPageProperties()->getWidth(), 12240u);

    section->release();
    copy.release();
}

TEST_F(SectionModel, AHeaderThatIsAlsoAChildOfItsSectionIsReleasedOnce)
{
    auto* section = create<CSectionNode>(factory);
    auto* properties = new CSectionProperties;
    section->setProperties(properties);
    properties->releaseRef();
    CHeaderFooterNode* header = headerFooter(kAllPages);
    CHeaderFooterNode* footer = headerFooter(kAllPages);
    for (CHeaderFooterNode* node : {header, footer})
        section->attachNode(node);
    properties->addHeader(header);
    properties->addFooter(footer);

    footer->release();
    EXPECT_TRUE(properties->getFooterList().empty()) << "a footer that leaves its section leaves the list";

    watch(header, "header");
    section->release();
    EXPECT_EQ(destroyed("header"), 1);
}

TEST_F(SectionModel, PropertiesHoldTheirPartsByReference)
{
    auto* properties = new CSectionProperties;
    auto* page = new CPageProperties;
    properties->setPageProperties(page);
    properties->setPageProperties(page);
    EXPECT_EQ(page->getReferenceCount(), 2u);
    properties->setPageProperties(nullptr);
    EXPECT_EQ(page->getReferenceCount(), 1u);
    page->releaseRef();
    properties->releaseRef();
}

TEST_F(SectionModel, ColumnDefinitionsOrderByWidthThenGutter)
{
    const CColumnDefinition narrow(CDimension(kDimensionExact, 100), CDimension(kDimensionExact, 50));
    const CColumnDefinition narrowWideGutter(CDimension(kDimensionAuto, 100), CDimension(kDimensionExact, 90));
    const CColumnDefinition wide(CDimension(kDimensionExact, 200), CDimension(kDimensionExact, 0));
    EXPECT_LT(narrow, narrowWideGutter) << "equal widths (of any type) are ordered by gutter";
    EXPECT_FALSE(narrowWideGutter < narrow);
    EXPECT_LT(narrowWideGutter, wide);
    EXPECT_FALSE(wide < narrow);
    EXPECT_NE(narrow, CColumnDefinition(CDimension(kDimensionAuto, 100), CDimension(kDimensionExact, 50)));
}

TEST_F(SectionModel, NoteAreaCopiesShareTheNumberStyleButNotTheSeparators)
{
    auto* area = new CNoteAreaProperties;
    auto* separator = create<CNoteSeparatorNode>(factory);
    area->setNumberStyle(numberStyle);
    area->setNoteSeparator(separator);
    area->setPageLocation(kNotesAtSectionEnd);
    auto* copy = new CNoteAreaProperties(*area);
    EXPECT_EQ(copy->getNumberStyle(), numberStyle);
    EXPECT_EQ(copy->getPageLocation(), kNotesAtSectionEnd);
    EXPECT_EQ(copy->getNoteSeparator(), nullptr);
    area->releaseRef();
    copy->releaseRef();
    separator->release();
    EXPECT_EQ(numberStyle->getReferenceCount(), 1u);
}

} // namespace
