// Text changes: each run of the host's text list becomes a finished text
// strand of the paragraph, with a copy of its running character state.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "core/Exceptions.h"

namespace {

using namespace readertest;

class ChangeTextTest : public ChangeHandlerFixture {
protected:
    ChangeTextTest() : ChangeHandlerFixture("record 2 \"Hello, w\\u{F6}rld\"\n") {}
};

TEST_F(ChangeTextTest, ARunBecomesADoneTextStrandOfTheParagraph)
{
    running().setBold(true);
    change(7, 0, 5);
    change(7, 7, 5);
    ASSERT_EQ(kindsOf(cursor), (std::vector<EContentInterfaceID>{kWordTextStrandNode, kWordTextStrandNode}));
    INode* hello = childrenOf(cursor)[0];
    INode* world = childrenOf(cursor)[1];
    EXPECT_EQ(textOf(hello), u"Hello");
    EXPECT_EQ(textOf(world), u"w\u00F6rld");
    EXPECT_TRUE(hello->isDone());
    EXPECT_EQ(hello->getParentNode(), cursor);
    EXPECT_TRUE(paragraph().isParent());

    auto& strand = dynamic_cast<CWordTextStrandNode&>(*hello);
    ASSERT_NE(strand.getWordProperties(), nullptr);
    EXPECT_EQ(static_cast<IStrandProperties*>(strand.getWordProperties()), strand.getProperties());
    EXPECT_NE(strand.getWordProperties(), &running()) << "a copy, not the running state";
    EXPECT_EQ(describe(*strand.getWordProperties()), describe(running()));
    // Without a split the strand's events reach its writer once, at done.
    EXPECT_EQ(log, (Log{"P 47", "C 47", "D 47", "P 47", "C 47", "D 47"}));

    change(7, 3, 0);
    ASSERT_EQ(childrenOf(cursor).size(), 3u);
    EXPECT_EQ(textOf(childrenOf(cursor)[2]), u"") << "an empty run is an empty strand";
    EXPECT_TRUE(childrenOf(cursor)[2]->isDone());
}

TEST_F(ChangeTextTest, ATextIdOutsideTheListFailsWithTheHostsCode)
{
    const auto failure = failureOf<ExChunkerFailed>([&] { change(7, 10, 8); });
    ASSERT_TRUE(failure);
    EXPECT_STREQ(failure->getErrorString(), "REQUIRE_1: locErr == TRXERR_OK\n\tFile: ChIList  ln(101)");
    EXPECT_NE(failure->getTrxErrNumber(), 0u);
    EXPECT_TRUE(cursor->isEmpty()) << "nothing was created";
}

TEST_F(ChangeTextTest, ADamagedCountFailsBeforeAnythingIsAllocated)
{
    EXPECT_THROW(change(7, 0, 0x7FFFFFFF), ExMisformedChunkerDataError);
    EXPECT_TRUE(cursor->isEmpty());
}

} // namespace
