// Mark writers where no golden case reaches: a hidden index bookmark (the
// reader makes every index bookmark visible), and TOC bookmarks deeper than
// the deepest level code or begun twice under one name.
#include "icf/ICFStrandNodeWriter.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "model/BookmarkNodes.h"
#include "model/CharacterSets.h"
#include "model/IndexNodes.h"
#include "model/NodeCast.h"
#include "model/TextStrandNode.h"

#include <string>
#include <vector>

namespace {

// Marks without a parent, pulled by their writers; the output is captured
// byte by byte.
class MarkWritersTest : public ICFOutputFixture {
protected:
    MarkWritersTest()
    {
        makeNodes<CTextStrandNode, CIndexBookmarkCSNode, CIndexEntryNode, CTOCBookmarkBeginCSNode,
                  CTOCBookmarkEndCSNode>();
        writer.initialize(&stream, registrar());
    }

    ~MarkWritersTest() override
    {
        for (INode* node : nodes)
            node->release();
    }

    template <class Node>
    Node& make(EContentInterfaceID kind)
    {
        auto& node = nodeAs<Node>(factory.createNode(kind));
        nodes.push_back(&node);
        return node;
    }

    // An index entry holding one text strand.
    IIndexEntryContent* entry(const char* text)
    {
        auto& strand = nodeAs<CTextStrandNode>(factory.createNode(kTextStrandNode));
        strand.setText(CCharacterString(text, kCharSetCp1252));
        auto& made = nodeAs<CIndexEntryNode>(factory.createNode(kIndexEntryNode));
        made.attachNode(&strand);
        return &made;
    }

    CTOCBookmarkBeginCSNode& tocBegin(const char* name, uint32_t level, bool visible)
    {
        auto& begin = make<CTOCBookmarkBeginCSNode>(kTOCBookmarkBeginCSNode);
        begin.setName(CCharacterString(name, kCharSetCp1252));
        begin.setLevel(level);
        begin.setVisible(visible);
        return begin;
    }

    CTOCBookmarkEndCSNode& tocEnd(const char* name)
    {
        auto& end = make<CTOCBookmarkEndCSNode>(kTOCBookmarkEndCSNode);
        end.setName(CCharacterString(name, kCharSetCp1252));
        return end;
    }

    // The output of a pull write of `node`, which is then forgotten.
    std::string written(INode& node)
    {
        dynamic_cast<CICFStrandNodeWriter&>(*node.getNodeWriter()).write();
        std::string bytes;
        bytes.swap(output());
        return bytes;
    }

    std::vector<INode*> nodes;
};

TEST_F(MarkWritersTest, AHiddenIndexBookmarkGivesEachEntrysTextAsAParameter)
{
    auto& bookmark = make<CIndexBookmarkCSNode>(kIndexBookmarkCSNode);
    bookmark.addEntry(entry("first"));
    bookmark.addEntry(entry("second"));
    bookmark.setVisible(false);
    EXPECT_EQ(written(bookmark), CI "BMT" "20" PE "first" PE "second" PE CE CI "EMT" "20" PE CE);
    bookmark.setVisible(true);
    EXPECT_EQ(written(bookmark), CI "BMT" "20" PE CE "firstsecond" CI "EMT" "20" PE CE);
}

TEST_F(MarkWritersTest, TocLevelsAboveTheDeepestShareItsCode)
{
    EXPECT_EQ(written(tocBegin("a", 33, true)), CI "BMT" "1f" PE CE);
    EXPECT_EQ(written(tocBegin("b", 0, true)), CI "BMT" "00" PE CE);
    EXPECT_EQ(written(tocEnd("a")), CI "EMT" "1f" PE CE);
    EXPECT_EQ(written(tocEnd("b")), CI "EMT" "00" PE CE);
    EXPECT_EQ(written(tocEnd("b")), "") << "no begin is waiting";
}

// The first begin's hidden text would otherwise keep command output off for
// good.
TEST_F(MarkWritersTest, ASecondTocBeginOfTheSameNameCompletesTheFirst)
{
    EXPECT_EQ(written(tocBegin("1", 2, false)), CI "BMT" "01" PE);
    EXPECT_EQ(written(tocBegin("1", 3, true)), PE CE CI "BMT" "02" PE CE);
    EXPECT_EQ(written(tocEnd("1")), CI "EMT" "02" PE CE);
}

} // namespace
