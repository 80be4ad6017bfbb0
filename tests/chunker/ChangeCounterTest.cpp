// Counter changes where no golden case reaches: number texts that never end
// or have no tag track, counter records beyond the data list, and counters
// met outside a paragraph.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "chunker/ChangeTags.h"
#include "core/Exceptions.h"
#include "model/ListStyleNode.h"
#include "model/StyleTableNode.h"
#include "trx/changes.h"

namespace {

using namespace readertest;

// Data record 0 defines the list style 20; the list counter records follow
// it, 18 units each: record 14 names a number text that never ends, record
// 32 one that no tag track knows.
constexpr uint32_t kListStyleRecord = 0;
constexpr uint32_t kNeverEndingText = 14;
constexpr uint32_t kUntrackedText = 32;
constexpr uint32_t kBeyondTheList = 0x10000;

class ChangeCounterTest : public ChangeHandlerFixture {
protected:
    ChangeCounterTest()
        : ChangeHandlerFixture("@text begin number text 5 0\n"
                               "text \"(\"\n"
                               "counter reference 10 0 0\n"
                               "tag track number text 5 change @text\n"
                               "record style definition style 20 list\n"
                               "record list counter number text 5 decimal\n"
                               "record list counter number text 6 decimal\n")
    {
        CChangeTags::tagStack().clear();
        INode* tableNode = factory.createNode(kStyleTableNode);
        documentContent().setStyleTable(dynamic_cast<IStyleTableContent*>(tableNode->getIContent()));
        ReaderTreeFixture::change(CHCHANGE_BEGIN_TAG, CHTAG_STYLE_DEFINITION, 1, kListStyleRecord);
        list = dynamic_cast<IListStyleContent*>(cursor->getParentNode()->getIContent());
    }

    IListStyleContent* list = nullptr;
};

TEST_F(ChangeCounterTest, BadNumberTextsAndRecordsFailAndLeaveTheListAsItWas)
{
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(messageOf<ExMisformedChunkerDataError>(
                  [&] { change(CHCHANGE_DEFINE_COUNTER, CHCOUNTER_LIST_NUMBER, 0, kNeverEndingText); }),
              "REQUIRE: changeType == CHCHANGE_END_TAG\n\tFile: ChCCount");
    const auto untracked =
        failureOf<ExChunkerFailed>([&] { change(CHCHANGE_DEFINE_COUNTER, CHCOUNTER_LIST_NUMBER, 0, kUntrackedText); });
    ASSERT_TRUE(untracked);
    EXPECT_EQ(untracked->getTrxErrNumber(), uint32_t{TRXERR_NOITEM});
    EXPECT_TRUE(
        failureOf<ExChunkerFailed>([&] { change(CHCHANGE_DEFINE_COUNTER, CHCOUNTER_PAGE_NUMBER, 0, kBeyondTheList); }));
    EXPECT_TRUE(list->getNumberingLevelDefinitions().empty());
}

TEST_F(ChangeCounterTest, CountersOutsideAParagraphOrWithoutParentFail)
{
    INode* paragraph = cursor;
    cursor = section;
    EXPECT_EQ(messageOf<ExNodeParsingError>(
                  [&] { ReaderTreeFixture::change(CHCHANGE_APPLY_COUNTER, CHCOUNTER_LIST_NUMBER, 0, 1); }),
              "REQUIRE: pNodeParent is a paragraph\n\tFile: ChCCount");
    cursor = own(factory.createNode(kParagraphNode));
    EXPECT_EQ(messageOf<ExNodeParsingError>(
                  [&] { ReaderTreeFixture::change(CHCHANGE_RESTART_COUNTER, CHCOUNTER_LIST_NUMBER, 0, 0); }),
              "REQUIRE: pNodeParent != NULL\n\tFile: ChCCount  ln(76)");
    cursor = paragraph;
}

} // namespace
