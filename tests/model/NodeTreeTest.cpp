#include "SmallStack.h"
#include "TestNodes.h"
#include "model/CountedReference.h"
#include "model/HeaderFooterNode.h"
#include "model/NodeUtilities.h"
#include "model/NoteNodes.h"
#include "model/ParagraphNode.h"
#include "model/ParagraphProperties.h"
#include "model/SectionNode.h"
#include "model/SectionProperties.h"
#include "model/TextStrandNode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

// The program's operator new counts the blocks it hands out and, when
// failingAllocation is set to n, throws std::bad_alloc at the n-th
// allocation from then on (and then stops failing).
long failingAllocation = 0;
long liveAllocations = 0;

} // namespace

void* operator new(std::size_t size)
{
    if (failingAllocation > 0 && --failingAllocation == 0)
        throw std::bad_alloc();
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    ++liveAllocations;
    return block;
}

// Not inlined: in a delete-expression of this file the compiler would see
// free() given a block of operator new and take it for a mismatch.
[[gnu::noinline]] void operator delete(void* block) noexcept
{
    if (!block)
        return;
    --liveAllocations;
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}

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

TEST_F(NodeTree, DetachingAChildKeepsItsSiblingsInOrder)
{
    INode* table = factory.createNode(kTableNode);
    INode* rows[] = {factory.createNode(kTableRowNode), factory.createNode(kTableRowNode),
                     factory.createNode(kTableRowNode)};
    for (INode* row : rows)
        table->attachNode(row);
    table->detachNode(rows[1]);
    table->detachNode(rows[1]);
    EXPECT_EQ(children(table), (std::vector<INode*>{rows[0], rows[2]})) << "a second detach takes nothing out";
    table->attachNode(rows[1]);
    table->detachNode(rows[0]);
    EXPECT_EQ(children(table), (std::vector<INode*>{rows[2], rows[1]}));
    rows[0]->release();
    table->release();
}

TEST_F(NodeTree, ReleaseAnnouncesEachNodeBeforeItsChildrenAndTakesNoStackPerLevel)
{
    INode* table = recorded(kTableNode, "t");
    INode* first = recorded(kTableRowNode, "r1");
    table->attachNode(first);
    first->attachNode(recorded(kTableCellNode, "c"));
    table->attachNode(recorded(kTableRowNode, "r2"));
    log.clear();
    table->release();
    EXPECT_EQ(log, (Log{"t:onDestroy", "r1:onDestroy", "r1:onDetachFromParent", "t:onDetachChild", "c:onDestroy",
                        "c:onDetachFromParent", "r1:onDetachChild", "r2:onDestroy", "r2:onDetachFromParent",
                        "t:onDetachChild"}));

    const long before = liveAllocations;
    runOnStackOf(kSmallStack, [this] {
        INode* top = factory.createNode(kTableNode);
        INode* node = top;
        for (int level = 0; level < 100000; ++level) {
            INode* child = factory.createNode(level % 2 ? kTableRowNode : kTableCellNode);
            node->attachNode(child);
            node = child;
        }
        top->release();
    });
    EXPECT_EQ(liveAllocations, before);
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

// A section with a header and a footer in its properties, and a paragraph
// holding a text strand and a note (with a marker strand and a paragraph of
// its own), is cloned while the n-th allocation fails, for each n until the
// clone succeeds: every failure leaves as many blocks allocated as before.
TEST(NodeClone, AnAllocationFailureMidwayLeavesNothingBehind)
{
    CNodeFactory factory;
    INodeRegistrar* registrar = factory.getINodeRegistrar();
    registrar->registerContentNodeCreator(new TContentNodeCreator<CSectionNode>);
    registrar->registerContentNodeCreator(new TContentNodeCreator<CHeaderFooterNode>);
    registrar->registerContentNodeCreator(new TContentNodeCreator<CParagraphNode>);
    registrar->registerContentNodeCreator(new TContentNodeCreator<CTextStrandNode>);
    registrar->registerContentNodeCreator(new TContentNodeCreator<CNoteCSNode>);
    auto add = [&factory](EContentInterfaceID id, INode* parent) {
        INode* node = factory.createNode(id);
        if (parent)
            parent->attachNode(node);
        return node;
    };
    auto text = [&add](INode* parent) {
        INode* strand = add(kTextStrandNode, parent);
        dynamic_cast<CTextStrandNode&>(*strand).setText(CCharacterString("text", 0));
        return strand;
    };

    INode* section = add(kSectionNode, nullptr);
    auto properties = makeCounted<CSectionProperties>();
    INode* header = add(kHeaderFooterNode, nullptr);
    INode* footer = add(kHeaderFooterNode, nullptr);
    text(add(kParagraphNode, header));
    text(add(kParagraphNode, footer));
    properties->addHeader(&dynamic_cast<CHeaderFooterNode&>(*header));
    properties->addFooter(&dynamic_cast<CHeaderFooterNode&>(*footer));
    dynamic_cast<CSectionNode&>(*section).setProperties(properties.get());
    INode* paragraph = add(kParagraphNode, section);
    dynamic_cast<CParagraphNode&>(*paragraph).setProperties(makeCounted<CParagraphProperties>().get());
    text(paragraph);
    auto& note = dynamic_cast<CNoteCSNode&>(*add(kNoteCSNode, paragraph));
    note.addReferenceMarkerStrand(&dynamic_cast<CTextStrandNode&>(*text(nullptr)));
    text(add(kParagraphNode, &note));
    section->clone(INode::kCloneWithChildren)->release(); // what is made once per process is made now

    for (long failing = 1;; ++failing) {
        const long live = liveAllocations;
        failingAllocation = failing;
        try {
            section->clone(INode::kCloneWithChildren)->release();
        } catch (const std::bad_alloc&) {
        }
        const bool failed = failingAllocation == 0;
        failingAllocation = 0;
        ASSERT_EQ(liveAllocations, live) << "allocation " << failing << " failed";
        if (!failed) {
            EXPECT_GT(failing, 1) << "no allocation was made to fail";
            break;
        }
    }
    section->release();
}

} // namespace
