#include "TestNodes.h"
#include "model/NodeUtilities.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

class NodeTree : public ::testing::Test, protected NodeWatcher {
protected:
    NodeTree() { registerTestNodes(factory); }

    // A node whose events are recorded under `name`; it has no writer.
    INode* recorded(EContentInterfaceID id, const std::string& name)
    {
        INode* node = factory.createNode(id);
        watch(node, name);
        return node;
    }

    std::vector<INode*> children(INode* node)
    {
        return std::vector<INode*>(node->getFirstChild(), node->getTermChild());
    }

    CNodeFactory factory;
};

TEST_F(NodeTree, DoneSendsEachMissingEventOnceInOrder)
{
    INode* strand = recorded(kTextStrandNode, "s");
    strand->done();
    EXPECT_EQ(log, (Log{"s:onPropertiesDone", "s:onContentDone", "s:onDone"}));
    log.clear();
    strand->done();
    strand->propertiesDone();
    strand->contentDone();
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(strand->isDone());

    INode* other = recorded(kTextStrandNode, "o");
    other->propertiesDone();
    log.clear();
    other->done();
    EXPECT_EQ(log, (Log{"o:onContentDone", "o:onDone"}));
    for (INode* node : {strand, other}) {
        node->setNodeNotify(nullptr);
        node->release();
    }
}

TEST_F(NodeTree, AttachDetachAndReleaseNotifyBothSides)
{
    INode* table = recorded(kTableNode, "t");
    INode* row = recorded(kTableRowNode, "r");
    table->attachNode(row);
    EXPECT_EQ(row->getParentNode(), table);
    EXPECT_EQ(log, (Log{"t:onAttachChild", "r:onAttachToParent"}));
    log.clear();
    table->detachNode(row);
    EXPECT_EQ(row->getParentNode(), nullptr);
    EXPECT_TRUE(table->isEmpty());
    EXPECT_EQ(log, (Log{"r:onDetachFromParent", "t:onDetachChild"}));
    table->attachNode(row);
    log.clear();
    row->release();
    EXPECT_EQ(log, (Log{"r:onDestroy", "r:onDetachFromParent", "t:onDetachChild"}));
    table->setNodeNotify(nullptr);
    table->release();
}

TEST_F(NodeTree, ReleaseChildrenReleasesFirstChildFirst)
{
    INode* table = factory.createNode(kTableNode);
    table->attachNode(recorded(kTableRowNode, "a"));
    table->attachNode(recorded(kTableRowNode, "b"));
    table->attachNode(recorded(kTableRowNode, "c"));
    log.clear();
    table->releaseChildren();
    EXPECT_TRUE(table->isEmpty());
    EXPECT_EQ(log, (Log{"a:onDestroy", "a:onDetachFromParent", "b:onDestroy", "b:onDetachFromParent", "c:onDestroy",
                        "c:onDetachFromParent"}));
    table->release();
}

TEST_F(NodeTree, CloneAndMorphOfABranch)
{
    INode* table = factory.createNode(kTableNode);
    std::vector<INode*> originals;
    for (int i = 0; i < 3; ++i) {
        originals.push_back(factory.createNode(i == 1 ? kTableCellNode : kTableRowNode));
        table->attachNode(originals.back());
    }
    table->propertiesDone();

    INode* deep = table->clone(INode::kCloneWithChildren);
    const auto copies = children(deep);
    ASSERT_EQ(copies.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(copies[i], originals[i]);
        EXPECT_EQ(copies[i]->getContentInterfaceID(), originals[i]->getContentInterfaceID());
        EXPECT_EQ(copies[i]->getParentNode(), deep);
    }
    EXPECT_FALSE(deep->arePropertiesDone()) << "a clone starts fresh";

    INode* shallow = table->clone(INode::kCloneNodeOnly);
    EXPECT_TRUE(shallow->isEmpty());
    INode* same = table->morph(kTableNode, INode::kCloneNodeOnly);
    EXPECT_EQ(same->getContentInterfaceID(), kTableNode);
    EXPECT_TRUE(same->isEmpty());

    INode* cell = table->morph(kTableCellNode, INode::kCloneWithChildren);
    EXPECT_EQ(cell->getContentInterfaceID(), kTableCellNode);
    EXPECT_EQ(children(cell).size(), 3u);
    EXPECT_EQ(children(table), originals) << "morph leaves the original alone";

    for (INode* node : {table, deep, shallow, same, cell})
        node->release();
}

TEST_F(NodeTree, RenotifyReplaysCompletedStatesOfDirectChildrenOnly)
{
    INode* table = factory.createNode(kTableNode);
    INode* doneRow = recorded(kTableRowNode, "done");
    INode* propsRow = recorded(kTableRowNode, "props");
    INode* openRow = recorded(kTableRowNode, "open");
    for (INode* row : {doneRow, propsRow, openRow})
        table->attachNode(row);
    INode* grandchild = recorded(kTableCellNode, "cell");
    propsRow->attachNode(grandchild);
    grandchild->propertiesDone();
    propsRow->propertiesDone();
    doneRow->done();
    log.clear();

    table->renotifyChildren(static_cast<INode::ENodeNotifications>(3));
    EXPECT_EQ(log, (Log{"done:onPropertiesDone", "done:onDone", "props:onPropertiesDone"}));
    log.clear();
    table->renotifyChildren(INode::kNotifyContentDone);
    EXPECT_EQ(log, (Log{"done:onContentDone"}));
    for (INode* node : {doneRow, propsRow, openRow, grandchild})
        node->setNodeNotify(nullptr);
    table->release();
}

TEST_F(NodeTree, RenotifySurvivesChildrenThatReleaseThemselves)
{
    // The plain writer of these kinds releases its node at done, so every
    // done child removes itself from the list while the walk goes on.
    INode* table = factory.createNode(kTableNode);
    std::vector<INode*> rows;
    for (int i = 0; i < 5; ++i) {
        rows.push_back(factory.createNode(kTableRowNode));
        table->attachNode(rows.back());
    }
    for (int i : {0, 1, 3}) {
        INodeNotify* translator = rows[i]->getNodeNotify();
        rows[i]->setNodeNotify(nullptr); // complete it silently
        rows[i]->done();
        rows[i]->setNodeNotify(translator);
    }
    table->renotifyChildren(INode::kNotifyDone);
    EXPECT_EQ(children(table), (std::vector<INode*>{rows[2], rows[4]}));
    table->release();
}

TEST_F(NodeTree, FindParentWalksUpFromTheParent)
{
    INode* table = factory.createNode(kTableNode);
    INode* row = factory.createNode(kTableRowNode);
    INode* cell = factory.createNode(kTableCellNode);
    INode* strand = factory.createNode(kTextStrandNode);
    table->attachNode(row);
    row->attachNode(cell);
    cell->attachNode(strand);
    EXPECT_EQ(CNodeUtilities::findParent(strand, kTableNode), table);
    EXPECT_EQ(CNodeUtilities::findParent(strand, kTableCellNode), cell);
    EXPECT_EQ(CNodeUtilities::findParent(cell, kTableCellNode), nullptr) << "the node itself is not tested";
    EXPECT_EQ(CNodeUtilities::findParent(table, kTableNode), nullptr);
    EXPECT_EQ(CNodeUtilities::findParent(nullptr, kTableNode), nullptr);
    EXPECT_FALSE(table->isOkToWrite()) << "the root has no parent";
    EXPECT_FALSE(row->isOkToWrite()) << "plain writers let no child write";
    table->release();
}

} // namespace
