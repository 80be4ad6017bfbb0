#include "FailureOf.h"
#include "TestNodes.h"
#include "core/Exceptions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <typeinfo>

namespace {

// Writers and translators that say who made them.
struct TaggedWriter : CNodeWriter {
    explicit TaggedWriter(int tag) : tag(tag) {}
    void onCreate() override { ++creates; }
    int tag;
    int creates = 0;
};

struct TaggedXlator : CNodeXlator {
    explicit TaggedXlator(int tag) : tag(tag) {}
    int tag;
};

struct TaggedWriterCreator : INodeWriterCreator {
    TaggedWriterCreator(EContentInterfaceID id, int tag) : id(id), tag(tag) {}
    CNodeWriter* create() override { return new TaggedWriter(tag); }
    EContentInterfaceID getInterfaceID() override { return id; }
    EContentInterfaceID id;
    int tag;
};

struct TaggedXlatorCreator : INodeXlatorCreator {
    TaggedXlatorCreator(EContentInterfaceID from, EContentInterfaceID to, int tag) : from(from), to(to), tag(tag) {}
    CNodeXlator* create() override { return new TaggedXlator(tag); }
    EContentInterfaceID getSourceInterfaceID() override { return from; }
    EContentInterfaceID getDestInterfaceID() override { return to; }
    EContentInterfaceID from, to;
    int tag;
};

class NodeFactory : public ::testing::Test {
protected:
    NodeFactory() { registerTestNodes(factory); }

    INodeRegistrar& registrar() { return *factory.getINodeRegistrar(); }

    // The tag of the writer and translator a new node of kind `id` gets;
    // 0 for the plain ones.
    std::pair<int, int> tagsFor(EContentInterfaceID id)
    {
        INode* node = factory.createNode(id);
        auto* writer = dynamic_cast<TaggedWriter*>(node->getNodeWriter());
        auto* xlator = dynamic_cast<TaggedXlator*>(node->getNodeNotify());
        std::pair<int, int> tags{writer ? writer->tag : 0, xlator ? xlator->tag : 0};
        node->release();
        return tags;
    }

    CNodeFactory factory;
};

TEST_F(NodeFactory, WiresNodeTranslatorAndWriter)
{
    registrar().registerNodeWriterCreator(new TaggedWriterCreator(kTableNode, 7));
    CWriter* output = reinterpret_cast<CWriter*>(uintptr_t{0x1000});
    factory.registerWriter(output);
    INode* node = factory.createNode(kTableNode);
    auto* writer = dynamic_cast<TaggedWriter*>(node->getNodeWriter());
    auto* xlator = dynamic_cast<CNodeXlator*>(node->getNodeNotify());
    ASSERT_NE(writer, nullptr);
    ASSERT_NE(xlator, nullptr);
    EXPECT_EQ(node->getNodeFactory(), &factory);
    EXPECT_EQ(xlator->getNode(), node);
    EXPECT_EQ(xlator->getNodeNotify(), writer);
    EXPECT_EQ(writer->getNode(), node);
    EXPECT_EQ(writer->getWriter(), output);
    EXPECT_EQ(writer->creates, 1);
    node->release();
}

TEST_F(NodeFactory, OwnWriterWinsOverATranslator)
{
    registrar().registerNodeWriterCreator(new TaggedWriterCreator(kTableNode, 1));
    registrar().registerNodeXlatorCreator(new TaggedXlatorCreator(kTableNode, kTableRowNode, 2));
    EXPECT_EQ(tagsFor(kTableNode), std::make_pair(1, 0));
}

TEST_F(NodeFactory, TranslatedKindUsesTheWriterOfItsDestination)
{
    registrar().registerNodeWriterCreator(new TaggedWriterCreator(kTextStrandNode, 3));
    registrar().registerNodeXlatorCreator(new TaggedXlatorCreator(kTableCellNode, kTextStrandNode, 4));
    registrar().registerNodeXlatorCreator(new TaggedXlatorCreator(kTableRowNode, kTableNode, 5));
    EXPECT_EQ(tagsFor(kTableCellNode), std::make_pair(3, 4));
    EXPECT_EQ(tagsFor(kTableRowNode), std::make_pair(0, 5)) << "destination without writer: plain writer";
    EXPECT_EQ(tagsFor(kTableNode), std::make_pair(0, 0));
}

TEST_F(NodeFactory, GroupIsChosenOnceAndKept)
{
    EXPECT_EQ(tagsFor(kTableNode), std::make_pair(0, 0));
    registrar().registerNodeWriterCreator(new TaggedWriterCreator(kTableNode, 9));
    EXPECT_EQ(tagsFor(kTableNode), std::make_pair(0, 0));
    EXPECT_EQ(tagsFor(kTableRowNode), std::make_pair(0, 0));
}

TEST_F(NodeFactory, LaterRegistrationReplacesTheEarlierOne)
{
    registrar().registerNodeWriterCreator(new TaggedWriterCreator(kTableNode, 1));
    registrar().registerNodeWriterCreator(new TaggedWriterCreator(kTableNode, 2));
    EXPECT_EQ(tagsFor(kTableNode), std::make_pair(2, 0));
}

TEST_F(NodeFactory, UnknownKindRaisesWithTheTableMessage)
{
    EXPECT_EQ(messageOf<ExContentNodeCreatorNotFound>([&] { factory.createNode(kSectionNode); }),
              "REQUIRE: itCNCreator != the_CContentNodeCreatorMap.end()\n\tFile: NodeFTbl  ln(93)");
    // Nothing was cached: a creator registered now is used.
    registrar().registerContentNodeCreator(new TContentNodeCreator<TTestNode<kSectionNode, CBranchNode>>);
    INode* section = factory.createNode(kSectionNode);
    EXPECT_EQ(section->getContentInterfaceID(), kSectionNode);
    section->release();
}

} // namespace
