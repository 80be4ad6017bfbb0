// Tag changes where no golden case reaches: an end tag without an open tag,
// the names generated from tag ids, bookmark records that point outside the
// host's lists, and reference properties that never end.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "chunker/ChangeTags.h"
#include "core/Exceptions.h"
#include "trx/changes.h"

namespace {

using namespace readertest;

// Change 0 is the text "Mark1"; data record 0 names it, record 4 names
// change 2, the end of the change list, record 8 change 1, which claims more
// units than the property text list holds, and record 12 change 9, past the
// end.
class ChangeTagsTest : public ChangeHandlerFixture {
protected:
    ChangeTagsTest()
        : ChangeHandlerFixture("property text \"Mark1\"\n"
                               "change 192 0 0 50\n"
                               "record 3 0 0\n"
                               "record 3 0 2\n"
                               "record 3 0 1\n"
                               "record 3 0 9\n")
    {
        CChangeTags::tagStack().clear();
        CChangeTags::tagList().clear();
    }
};

std::u16string digitsOf(uint32_t n)
{
    uint16_t buffer[12] = {};
    const uint32_t count = CChangeBeginTag::itow7(buffer, n);
    return std::u16string(buffer, buffer + count);
}

TEST(Itow7, WritesEveryDigitAfterTheFirstAndNothingForZero)
{
    EXPECT_EQ(digitsOf(0), u"");
    EXPECT_EQ(digitsOf(7), u"7");
    EXPECT_EQ(digitsOf(100), u"100");
    EXPECT_EQ(digitsOf(4294967295u), u"4294967295");
    uint16_t buffer[2] = {0xFFFF, 0xFFFF};
    EXPECT_EQ(CChangeBeginTag::itow7(buffer, 7), 1u);
    EXPECT_EQ(buffer[1], 0xFFFF) << "no terminator";
}

TEST_F(ChangeTagsTest, AnEndTagWithoutAnOpenTagIsMisformedData)
{
    EXPECT_EQ(messageOf<ExMisformedChunkerDataError>([&] { change(CHCHANGE_END_TAG, CHTAG_BOOKMARK, 1); }),
              "REQUIRE: the_CTagStackPtr->empty() == FALSE\n\tFile: ChCTag  ln(1154)");
    // A tag of a type that makes nothing is still opened and closed.
    change(CHCHANGE_BEGIN_TAG, 0x12345678, 1);
    change(CHCHANGE_END_TAG, 0x12345678, 1);
    EXPECT_TRUE(CChangeTags::tagStack().empty());
    EXPECT_THROW(change(CHCHANGE_END_TAG, 0x12345678, 1), ExMisformedChunkerDataError);
    EXPECT_TRUE(cursor->isEmpty());
}

TEST_F(ChangeTagsTest, ABookmarkOutsideTheListsFailsWithoutMakingAnything)
{
    // The end of the change list: misformed data.
    EXPECT_THROW(change(CHCHANGE_BEGIN_TAG, CHTAG_BOOKMARK, 1, 4), ExMisformedChunkerDataError);
    // A name longer than the property text list, a change past the list's
    // end and a record past the data list: the host refuses, and its code is
    // passed on.
    for (uint32_t record : {8u, 12u, 400u}) {
        const auto failure = failureOf<ExChunkerFailed>([&] { change(CHCHANGE_BEGIN_TAG, CHTAG_BOOKMARK, 1, record); });
        ASSERT_TRUE(failure);
        EXPECT_NE(failure->getTrxErrNumber(), 0u);
    }
    EXPECT_TRUE(cursor->isEmpty());
    EXPECT_TRUE(CChangeTags::tagList().empty());
}

// Change 0 is a URL's text; changes 1 and 2 are a reference's properties,
// with no end-properties change before the list ends.
class UnendedPropertiesTest : public ChangeHandlerFixture {
protected:
    UnendedPropertiesTest()
        : ChangeHandlerFixture("property text \"http://example.com\"\n"
                               "record 3 2 0 0 0\n"
                               "property url 0\n"
                               "property bookmark 0\n")
    {
        CChangeTags::tagStack().clear();
        CChangeTags::tagList().clear();
    }
};

TEST_F(UnendedPropertiesTest, AReferenceWhosePropertiesNeverEndIsMisformedData)
{
    for (uint32_t type : {CHTAG_REFERENCE, CHTAG_HYPERLINK}) {
        // The changes after the begin tag: the properties.
        changes.moveToElementById(1);
        EXPECT_EQ(messageOf<ExMisformedChunkerDataError>([&] { change(CHCHANGE_BEGIN_TAG, type, 7, 0); }),
                  "REQUIRE: changeType == CHCHANGE_END_PROPERTIES\n\tFile: ChCTag");
    }
    EXPECT_TRUE(cursor->isEmpty());
    EXPECT_TRUE(CChangeTags::tagList().empty());
}

} // namespace
