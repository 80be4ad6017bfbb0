// Column changes on the tree, and column groups as the writers see them:
// each group is written as a section of its own in its place.
#include "ReaderTreeFixture.h"

#include <algorithm>

namespace {

using namespace readertest;

// Data records, by unit id: three balanced equal columns 720 apart from
// 360 on at 0.
const std::string kRecords = "record 3 0x24 360 3 720 0\n";

class ChangeColumnTest : public LayoutChangeFixture {
protected:
    ChangeColumnTest() : LayoutChangeFixture(kRecords) {}

    // A section that starts a new page with a column group, and one
    // paragraph after the group.
    void readSectionBeginningWithAGroup()
    {
        change(39, 0);
        change(51, 0);
        change(53);
        addText("a");
        change(0, 1);
        addText("b");
        change(50);
        addText("c");
        EXPECT_EQ(change(0, 2), 37u);
    }

    // What was written, without the sections' child events.
    Log written() const
    {
        Log output;
        std::copy_if(log.begin(), log.end(), std::back_inserter(output),
                     [](const std::string& entry) { return entry.back() != '+'; });
        return output;
    }
};

TEST_F(ChangeColumnTest, ClosingOutsideAGroupDoesNothing)
{
    change(50);
    EXPECT_EQ(childrenOf(section), std::vector<INode*>{cursor});
}

// The section itself writes no start: the group's section is the start of
// the section's page, and the rest follows the group.
const Log kSectionBeginningWithAGroup = {
    "S2{3 columns, start 2", "P{", "a", "}P", "P{", "b", "}P", "}S2", "P{", "c", "}P"};

TEST_F(ChangeColumnTest, AGroupThatBeginsTheSectionIsWrittenAsTheSection)
{
    change(0, 254);
    readSectionBeginningWithAGroup();
    EXPECT_EQ(written(), kSectionBeginningWithAGroup);
    EXPECT_EQ(std::count(log.begin(), log.end(), "S2+"), 2) << "the group's paragraphs reach the group's section";
    EXPECT_EQ(root, nullptr);
}

TEST_F(ChangeColumnTest, AGroupWrittenOnlyAtTheDocumentEndComesOutTheSame)
{
    readSectionBeginningWithAGroup();
    EXPECT_EQ(written(), kSectionBeginningWithAGroup);
}

} // namespace
