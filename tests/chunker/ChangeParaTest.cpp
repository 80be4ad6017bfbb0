// Paragraph changes on values that the golden cases do not reach: alignment
// and indent codes out of range, tab removal windows, a record id outside
// the data list.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "core/Exceptions.h"

namespace {

using namespace readertest;

class ChangeParaTest : public ChangeHandlerFixture {
protected:
    CIndents indents()
    {
        CIndents out;
        return paragraphProperties().getIndents(out);
    }

    std::vector<uint32_t> tabOffsets()
    {
        std::vector<uint32_t> offsets;
        if (CTabDefinitions* tabs = paragraphProperties().getTabs()) {
            for (const CTabDefinition& tab : tabs->getTabDefinitions())
                offsets.push_back(tab.getOffset());
        }
        return offsets;
    }
};

TEST_F(ChangeParaTest, UnknownAlignmentAndIndentCodes)
{
    for (uint32_t value : {5u, 7u, 0xFFFFFFFFu}) {
        change(12, 4);
        change(12, value);
        EXPECT_EQ(paragraphProperties().getHorizontalAlignment(), kAlignLeft) << "value " << value;
    }

    change(13, 720, 360, 0xFFFFFF10);
    COffset offset;
    EXPECT_EQ(indents().getFirstLineOffset(offset), COffset(kOffsetFromLeftMargin, -240));
    const CIndents before = indents();
    change(97, 3, 0, 300);
    EXPECT_EQ(indents(), before) << "an unknown indent changes nothing";
}

TEST_F(ChangeParaTest, RemoveTabsTakesEveryTabWithinAnUnsignedWindow)
{
    change(102, 1000, 10);
    EXPECT_EQ(paragraphProperties().getTabs(), nullptr) << "without tabs nothing is created";
    for (uint32_t offset : {989u, 990u, 1000u, 1011u, 1010u, 1000u, 500u})
        change(22, 1, 0, offset);
    change(102, 1000, 10);
    EXPECT_EQ(tabOffsets(), (std::vector<uint32_t>{989, 1011, 500}));
    change(102, 500, 0);
    EXPECT_EQ(tabOffsets(), (std::vector<uint32_t>{989, 1011}));
    change(102, 1011, 22);
    EXPECT_TRUE(tabOffsets().empty());

    for (uint32_t offset : {0u, 5u, 15u, 0xFFFFFFF0u})
        change(22, 1, 0, offset);
    change(102, 5, 10);
    EXPECT_EQ(tabOffsets(), (std::vector<uint32_t>{0, 5, 15, 0xFFFFFFF0}))
        << "5 - 10 wraps above 5 + 10: the window is empty";
    change(102, 0xFFFFFFF0, 0x20);
    EXPECT_EQ(tabOffsets(), (std::vector<uint32_t>{0, 5, 15, 0xFFFFFFF0})) << "wrapping at the top: empty too";
    change(102, 10, 10);
    EXPECT_EQ(tabOffsets(), (std::vector<uint32_t>{0xFFFFFFF0})) << "0 to 20 without wrapping";
}

TEST_F(ChangeParaTest, ARecordOutsideTheDataListFails)
{
    EXPECT_EQ(messageOf<ExChunkerFailed>([&] { change(58, 0, 0xFFFF); }),
              "REQUIRE_1: locErr == TRXERR_OK\n\tFile: ChIList  ln(101)");
}

} // namespace
