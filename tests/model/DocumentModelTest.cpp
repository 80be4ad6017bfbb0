#include "ModelNodes.h"
#include "TestNodes.h"

#include "model/FontDefinition.h"
#include "model/StrandProperties.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

class DocumentModel : public ::testing::Test, protected NodeWatcher {
protected:
    DocumentModel() { registerModelNodes(factory); }

    CNodeFactory factory;
};

TEST_F(DocumentModel, EveryKindIsMadeByItsGenericCreatorWithBothFacesLinked)
{
    for (EContentInterfaceID id :
         {kDocumentNode, kSectionNode, kFontDefinitionTableNode, kDocumentSummaryNode, kDocumentSummaryTableNode,
          kHeaderFooterNode, kNoteSeparatorNode, kTableNode, kTableRowNode, kTableCellNode, kBookmarkBeginCSNode,
          kBookmarkEndCSNode, kReferenceBeginCSNode, kReferenceEndCSNode, kTOCBookmarkBeginCSNode,
          kTOCBookmarkEndCSNode, kEndOfParagraphCSNode, kNoteCSNode, kNoteSelfReferenceCSNode, kCommentCSNode,
          kCurrentPageNumberCSNode, kDateTimeCSNode, kIncludedDocumentCSNode, kIndexBookmarkCSNode,
          kIndexEntryNode, kFrameCSNode, kGraphicCSNode}) {
        INode* node = factory.createNode(id);
        EXPECT_EQ(node->getContentInterfaceID(), id);
        EXPECT_EQ(node->getIContent()->getINode(), node) << id;
        INode* copy = node->clone(INode::kCloneWithChildren);
        EXPECT_EQ(copy->getContentInterfaceID(), id);
        copy->release();
        node->release();
    }
}

TEST_F(DocumentModel, SettingATableDestroysTheOneHeldBeforeWithoutDetachEvents)
{
    auto* document = create<CDocumentNode>(factory);
    auto* first = create<CStyleTableNode>(factory);
    auto* second = create<CStyleTableNode>(factory);
    watch(document, "document");
    watch(first, "first");

    document->setStyleTable(first);
    document->setStyleTable(first);
    EXPECT_TRUE(log.empty()) << "setting the table held again keeps it";
    EXPECT_EQ(first->getParentNode(), document);
    EXPECT_TRUE(document->isEmpty()) << "a table is not a child";

    document->setStyleTable(second);
    EXPECT_EQ(log, Log{"first:onDestroy"});
    EXPECT_EQ(document->getStyleTable(), second);
    document->setNodeNotify(nullptr);
    document->release();
}

TEST_F(DocumentModel, DetachingTheFontTableForgetsItAndLeavesTheChildrenAlone)
{
    auto* document = create<CDocumentNode>(factory);
    auto* section = create<CSectionNode>(factory);
    auto* fonts = create<CFontDefinitionTableNode>(factory);
    document->attachNode(section);
    document->setFontTable(fonts);
    watch(document, "document");

    document->detachNode(fonts);
    EXPECT_EQ(document->getFontTable(), nullptr);
    EXPECT_EQ(fonts->getParentNode(), nullptr);
    EXPECT_EQ(childrenOf(document), std::vector<INode*>{section});
    EXPECT_TRUE(log.empty());

    fonts->release();
    document->setNodeNotify(nullptr);
    document->release();
}

TEST_F(DocumentModel, TablesCompleteBeforeTheDocumentInStyleFontSummaryOrder)
{
    auto* document = create<CDocumentNode>(factory);
    auto* summaries = create<CDocumentSummaryTableNode>(factory);
    auto* fonts = create<CFontDefinitionTableNode>(factory);
    auto* styles = create<CStyleTableNode>(factory);
    document->setDocumentSummaryTable(summaries);
    document->setFontTable(fonts);
    document->setStyleTable(styles);
    watch(document, "document");
    watch(summaries, "summary");
    watch(fonts, "font");
    watch(styles, "style");

    fonts->propertiesDone();
    log.clear();
    document->propertiesDone();
    EXPECT_EQ(log, (Log{"style:onPropertiesDone", "summary:onPropertiesDone", "document:onPropertiesDone"}));
    log.clear();
    document->done();
    EXPECT_EQ(log, (Log{"style:onContentDone", "style:onDone", "font:onContentDone", "font:onDone",
                        "summary:onContentDone", "summary:onDone", "document:onContentDone", "document:onDone"}));
    document->setNodeNotify(nullptr);
    document->release();
}

TEST_F(DocumentModel, TablesReleasedByTheirWritersAtDoneAreForgotten)
{
    // The plain writers of these kinds release their node when it is done.
    auto* document = create<CDocumentNode>(factory);
    document->setStyleTable(create<CStyleTableNode>(factory));
    document->setFontTable(create<CFontDefinitionTableNode>(factory));
    document->setDocumentSummaryTable(create<CDocumentSummaryTableNode>(factory));
    document->setNodeNotify(nullptr);

    document->done();
    EXPECT_TRUE(document->isDone());
    EXPECT_EQ(document->getStyleTable(), nullptr);
    EXPECT_EQ(document->getFontTable(), nullptr);
    EXPECT_EQ(document->getDocumentSummaryTable(), nullptr);
    document->release();
}

TEST_F(DocumentModel, FontDefinitionsAreSharedByReference)
{
    auto* table = create<CFontDefinitionTableNode>(factory);
    EXPECT_EQ(table->findFont(7u), nullptr) << "empty table";

    auto* arial = new CFontDefinition(7, CCharacterString("Arial", 0));
    auto* times = new CFontDefinition(9, CCharacterString("Times", 0));
    table->addFont(arial);
    table->addFont(nullptr);
    table->addFont(times);
    arial->releaseRef();
    times->releaseRef();
    ASSERT_EQ(table->getFontList().size(), 2u);

    EXPECT_EQ(table->findFont(9u), times);
    EXPECT_EQ(table->findFont(CCharacterString("Arial", 0)), arial);
    EXPECT_EQ(table->findFont(8u), nullptr);
    EXPECT_EQ(table->findFont(CCharacterString("Courier", 0)), nullptr);

    auto* properties = new CStrandProperties;
    properties->setFontName(arial);
    EXPECT_EQ(arial->getReferenceCount(), 2u);
    table->removeFont(times); // the table held the last reference
    table->release();
    EXPECT_EQ(arial->getReferenceCount(), 1u) << "the strand properties keep the font alive";
    CCharacterString name;
    EXPECT_EQ(properties->getFontName()->getName(name), CCharacterString("Arial", 0));
    properties->releaseRef();
}

TEST_F(DocumentModel, SummaryItemsBelongToTheTableWithoutBeingChildren)
{
    auto* table = create<CDocumentSummaryTableNode>(factory);
    auto* title = create<CDocumentSummaryNode>(factory);
    auto* author = create<CDocumentSummaryNode>(factory);
    watch(table, "table");
    table->addSummary(title);
    table->addSummary(nullptr);
    table->addSummary(author);
    EXPECT_EQ(title->getParentNode(), table);
    EXPECT_TRUE(table->isEmpty());
    ASSERT_EQ(table->getSummaryList().size(), 2u);

    title->release();
    EXPECT_EQ(table->getSummaryList(), DocumentSummaryList{author}) << "a released item leaves the list";
    EXPECT_TRUE(log.empty()) << "quietly";

    watch(author, "author");
    table->setNodeNotify(nullptr);
    table->release();
    EXPECT_EQ(log, Log{"author:onDestroy"});
}

} // namespace
