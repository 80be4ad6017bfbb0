// Special characters the golden cases do not use: unknown codes, and an
// index entry code in a paragraph outside any index bookmark.
#include "ReaderTreeFixture.h"

namespace {

using namespace readertest;

class ChangeSpecialCharTest : public ChangeHandlerFixture {
protected:
    ChangeSpecialCharTest() : ChangeHandlerFixture("record 2 \"abc\"\n") {}
};

TEST_F(ChangeSpecialCharTest, OtherCodesCreateNothing)
{
    for (uint32_t code : {0u, 2u, 11u, 0x120u, 311u, 314u, 0xFFFFFFFFu})
        change(24, code);
    EXPECT_TRUE(cursor->isEmpty());
}

TEST_F(ChangeSpecialCharTest, AnIndexEntryOutsideAnIndexBookmarkLeavesTheTextInPlace)
{
    change(7, 0, 3);
    change(24, 312);
    EXPECT_EQ(kindsOf(cursor), std::vector<EContentInterfaceID>{kWordTextStrandNode});
}

} // namespace
