// Tag changes where no golden case reaches: an end tag without an open tag,
// the names generated from tag ids, bookmark and TOC bookmark records that
// point outside the host's lists, an index bookmark end without its
// paragraph, reference properties and date formats that never end, and
// the code of every date part.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "chunker/ChangeTags.h"
#include "core/Exceptions.h"
#include "model/DateTimeFormats.h"
#include "model/FieldNodes.h"
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
    // A TOC bookmark's 8-byte record that runs past the data list's end, or
    // starts past it.
    for (uint32_t record : {14u, 400u}) {
        const auto failure =
            failureOf<ExChunkerFailed>([&] { change(CHCHANGE_BEGIN_TAG, CHTAG_TOC_BOOKMARK_A, 2, record); });
        ASSERT_TRUE(failure);
        EXPECT_NE(failure->getTrxErrNumber(), 0u);
    }
    EXPECT_TRUE(cursor->isEmpty());
    EXPECT_TRUE(CChangeTags::tagList().empty());
}

TEST_F(ChangeTagsTest, AnIndexBookmarkEndOutsideTheBookmarksParagraphIsAParsingError)
{
    const char message[] = "REQUIRE: pNodeParent->getParentNode() is an index bookmark in a paragraph\n\tFile: ChCTag";
    change(CHCHANGE_BEGIN_TAG, 0x12345678, 1);
    EXPECT_EQ(messageOf<ExNodeParsingError>([&] { change(CHCHANGE_END_TAG, CHTAG_INDEX_BOOKMARK, 1); }), message);
    // Inside a nested paragraph of the bookmark's paragraph (both begins
    // move the cursor).
    ReaderTreeFixture::change(CHCHANGE_BEGIN_TAG, CHTAG_INDEX_BOOKMARK, 2);
    ReaderTreeFixture::change(CHCHANGE_BEGIN_TAG, CHTAG_NESTED_PARAGRAPH, 3);
    EXPECT_THROW(change(CHCHANGE_END_TAG, CHTAG_INDEX_BOOKMARK, 3), ExNodeParsingError);
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

// Data record 0 is a date field's, record 8 another field's. Change 0 opens
// the format; changes 1 to 22 are the special characters 0x11F to 0x134,
// change 23 the text "-", change 24 ends the format. Change 25 is a break,
// then a second format that never ends.
class DateFieldTest : public ChangeHandlerFixture {
protected:
    DateFieldTest() : ChangeHandlerFixture(listing())
    {
        CChangeTags::tagStack().clear();
        CChangeTags::tagList().clear();
    }

    static std::string listing()
    {
        std::string text = "record 3 0 0 1 0\nrecord 3 0 0 2 0\nbegin nested paragraph 6 0\n";
        for (uint32_t code = 0x11F; code <= 0x134; ++code)
            text += "special " + std::to_string(code) + "\n";
        return text + "text \"-\"\nend nested paragraph 6\nparagraph end\nbegin nested paragraph 7 0\ntext \"x\"\n";
    }

    // Begins a date field as if the change before `next` dispatched it.
    void beginDate(uint32_t next, uint32_t record = 0)
    {
        changes.moveToElementById(next);
        ReaderTreeFixture::change(CHCHANGE_BEGIN_TAG, CHTAG_DATE_FIELD, 5, record);
    }
};

TEST_F(DateFieldTest, EachDatePartGivesItsCodeAndTextStaysLiteral)
{
    INode* outer = cursor;
    beginDate(0);
    ASSERT_EQ(kindsOf(outer), std::vector<EContentInterfaceID>{kDateTimeCSNode});
    INode* fieldNode = *outer->getFirstChild();
    EXPECT_EQ(cursor->getParentNode(), fieldNode) << "the field's content paragraph is the cursor";
    EXPECT_NE(propertiesOf(fieldNode), nullptr);

    std::vector<uint32_t> codes;
    std::string literal;
    for (const CDateTimeFormat* item :
         dynamic_cast<IDateTimeCSContent&>(*fieldNode->getIContent()).getDateTimeFormatList()) {
        if (item->getType() == kDateTimeFormatCode) {
            codes.push_back(static_cast<const CDateTimeFormatCode*>(item)->getCode());
        } else {
            CCharacterString text;
            literal += static_cast<const CDateTimeFormatCharacters*>(item)->getString(text).getString();
        }
    }
    // 0x11F and 0x134 lie outside the date parts, 0x130 and 0x131 stand for
    // none: code 0.
    EXPECT_EQ(codes, (std::vector<uint32_t>{0, 6, 5, 5, 3, 3, 4, 4, 1, 2, 8, 8, 9, 9, 10, 10, 11, 0, 0, 7, 6, 0}));
    EXPECT_EQ(literal, "-");

    ReaderTreeFixture::change(CHCHANGE_END_TAG, CHTAG_DATE_FIELD, 5);
    EXPECT_EQ(cursor, outer);
    EXPECT_TRUE(CChangeTags::tagStack().empty());
    EXPECT_EQ(log.back(), "D " + std::to_string(kDateTimeCSNode));
}

TEST_F(DateFieldTest, TheFormatIsLookedForUpToABreakAndMustEndBeforeTheList)
{
    INode* outer = cursor;
    // The break comes before the next format: a field without format.
    beginDate(25);
    ASSERT_EQ(kindsOf(outer), std::vector<EContentInterfaceID>{kDateTimeCSNode});
    EXPECT_TRUE(
        dynamic_cast<IDateTimeCSContent&>(*(*outer->getFirstChild())->getIContent()).getDateTimeFormatList().empty());
    ReaderTreeFixture::change(CHCHANGE_END_TAG, CHTAG_DATE_FIELD, 5);
    ASSERT_EQ(cursor, outer);

    // A format whose end tag never comes: misformed data, and no field.
    (*outer->getFirstChild())->release();
    EXPECT_EQ(messageOf<ExMisformedChunkerDataError>([&] { beginDate(26); }),
              "REQUIRE: changeType == CHCHANGE_END_TAG\n\tFile: ChCTag");
    EXPECT_EQ(cursor, outer);
    EXPECT_TRUE(outer->isEmpty());
}

TEST_F(DateFieldTest, AnotherFieldKeepsOnlyAParagraphThatGoesAtItsEnd)
{
    INode* outer = cursor;
    beginDate(0, 8);
    ASSERT_EQ(kindsOf(outer), std::vector<EContentInterfaceID>{kParagraphNode});
    EXPECT_EQ(cursor->getParentNode(), outer);
    ReaderTreeFixture::change(CHCHANGE_END_TAG, CHTAG_DATE_FIELD, 5);
    EXPECT_EQ(cursor, outer);
    EXPECT_TRUE(outer->isEmpty());
}

} // namespace
