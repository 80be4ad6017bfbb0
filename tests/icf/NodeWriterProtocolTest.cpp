// The writing protocol of container node writers under the document writer:
// when children completed early are written, and when nodes are released.
#include "icf/ICFCommandWriter.h"
#include "icf/ICFContainerNodeWriter.h"
#include "icf/ICFDocumentNodeWriter.h"
#include "icf/ICFNodeWriterCreator.h"
#include "icf/ICFParameter.h"
#include "icf/ICFWriter.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "model/DocumentNode.h"
#include "model/NodeFactory.h"
#include "model/ParagraphNode.h"
#include "model/SectionNode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Brackets its node in "BEG" n / "END" n, n counting the writers made.
class CNumberedContainerWriter : public CICFContainerNodeWriter {
public:
    explicit CNumberedContainerWriter(unsigned long number) : m_number(number) {}

protected:
    void writeStartCommands() override { writeNumbered("BEG"); }
    void writeEndCommands() override { writeNumbered("END"); }

private:
    void writeNumbered(const char* name)
    {
        CICFCommandWriter command;
        command.initialize(getICFWriter(), name);
        command.writeParameter(CICFDecimalParameter(m_number));
        command.done();
    }

    unsigned long m_number;
};

struct CNumberedWriterCreator : INodeWriterCreator {
    CNumberedWriterCreator(EContentInterfaceID id, unsigned long& made) : id(id), made(made) {}
    CNodeWriter* create() override { return new CNumberedContainerWriter(++made); }
    EContentInterfaceID getInterfaceID() override { return id; }
    EContentInterfaceID id;
    unsigned long& made;
};

class NodeWriterProtocolTest : public ICFOutputFixture {
protected:
    NodeWriterProtocolTest()
    {
        makeNodes<CDocumentNode, CSectionNode, CParagraphNode>();
        registrar()->registerNodeWriterCreator(new TNodeWriterCreator<CICFDocumentNodeWriter>);
        registrar()->registerNodeWriterCreator(new CNumberedWriterCreator(kSectionNode, made));
        registrar()->registerNodeWriterCreator(new CNumberedWriterCreator(kParagraphNode, made));
        document = factory.createNode(kDocumentNode);
        dynamic_cast<IDocumentContent&>(*document->getIContent()).setSourceID(7);
        section = factory.createNode(kSectionNode); // writer 1
        document->attachNode(section);
    }

    ~NodeWriterProtocolTest() override
    {
        if (document)
            document->release();
    }

    INode* addParagraph()
    {
        INode* paragraph = factory.createNode(kParagraphNode);
        section->attachNode(paragraph);
        return paragraph;
    }

    bool sectionIsEmpty() { return section->getFirstChild() == section->getTermChild(); }

    unsigned long made = 0;
    INode* document = nullptr;
    INode* section = nullptr;
};

const std::string kDocumentFrame = CI "DID" "7" PE "1" PE "00000000" PE "4" PE CE;

TEST_F(NodeWriterProtocolTest, ChildrenDoneEarlyAreWrittenInOrderAtTheParentsPropertiesDone)
{
    addParagraph()->done(); // writer 2
    addParagraph()->done(); // writer 3
    section->propertiesDone();
    EXPECT_EQ(output(), "") << "nothing may be written before the document frame";
    EXPECT_FALSE(sectionIsEmpty()) << "unwritten children stay in the tree";

    document->propertiesDone();
    EXPECT_EQ(output(), kDocumentFrame + CI "BEG" "1" PE CE                             //
                                CI "BEG" "2" PE CE CI "END" "2" PE CE CI "BEG" "3" PE CE CI "END" "3" PE CE);
    EXPECT_TRUE(sectionIsEmpty()) << "written children are released";
}

TEST_F(NodeWriterProtocolTest, ChildOfAParentWithoutItsStartCommandsWaits)
{
    document->propertiesDone();
    INode* paragraph = addParagraph(); // writer 2
    paragraph->done();
    EXPECT_EQ(output(), kDocumentFrame) << "the section's properties are not done yet";

    section->propertiesDone();
    INode* later = addParagraph(); // writer 3
    later->propertiesDone();
    EXPECT_EQ(output(), kDocumentFrame + CI "BEG" "1" PE CE CI "BEG" "2" PE CE CI "END" "2" PE CE //
                                CI "BEG" "3" PE CE)
        << "once the section has started, a child writes as soon as its own events arrive";

    later->done();
    section->done();
    EXPECT_EQ(output(), kDocumentFrame + CI "BEG" "1" PE CE CI "BEG" "2" PE CE CI "END" "2" PE CE //
                                CI "BEG" "3" PE CE CI "END" "3" PE CE CI "END" "1" PE CE);
    EXPECT_EQ(document->getFirstChild(), document->getTermChild()) << "the written section is released";

    document->done();
    document = nullptr; // the document writer released the whole tree
}

TEST_F(NodeWriterProtocolTest, PullWriteWrapsTheSubtreeWithoutNotifications)
{
    addParagraph(); // writer 2, never completed
    section->getNodeWriter()->write();
    EXPECT_EQ(output(), CI "BEG" "1" PE CE CI "BEG" "2" PE CE CI "END" "2" PE CE CI "END" "1" PE CE);
    EXPECT_FALSE(sectionIsEmpty()) << "a pull write releases nothing";
}

} // namespace
