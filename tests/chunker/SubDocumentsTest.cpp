// Headers, footers, notes and separators where no golden case reaches: how
// the end of the enclosing tag ends them, what the note areas name, and the
// bad input that ends an export.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "chunker/ChangeTags.h"
#include "chunker/ChunkerExportState.h"
#include "core/Exceptions.h"
#include "model/HeaderFooterNode.h"
#include "model/NoteAreaProperties.h"
#include "model/NoteSeparatorNode.h"
#include "trx/changes.h"

namespace {

using namespace readertest;

constexpr uint32_t kOuterTag = 0xA0020000;
constexpr uint32_t kInnerTag = 0x12345678;

// Data record 0 is a sub-document format with a header distance of 720.
class SubDocumentsTest : public ReaderTreeFixture {
protected:
    SubDocumentsTest() : ReaderTreeFixture("record subdocument format header distance 720\n")
    {
        build([this](EContentInterfaceID) { return new KeepingWriter(log, nullptr); });
        SChunkerExportState& state = SChunkerExportState::current();
        state.tagStack.clear();
        state.openSubDocuments.clear();
    }

    void expectMisformed(uint32_t type, uint32_t value1 = 0, uint32_t value2 = 0, uint32_t value3 = 0)
    {
        EXPECT_THROW(change(type, value1, value2, value3), ExMisformedChunkerDataError);
    }
};

TEST_F(SubDocumentsTest, AHeaderOpenedInATagEndsWithThatTagAndTheReadingGoesBack)
{
    INode* body = cursor;
    change(CHCHANGE_SUBDOCUMENT_SLOT, 0, CHSLOT_ODD_PAGES | CHSLOT_HEADER, 5);
    change(CHCHANGE_BEGIN_TAG, kOuterTag, 1);
    change(CHCHANGE_HEADER_FOOTER, 0, 0, 5);
    INode* header = cursor->getParentNode();
    ASSERT_EQ(header->getContentInterfaceID(), kHeaderFooterNode);
    addText("Odd pages");
    change(CHCHANGE_BREAK, CHBREAK_PARAGRAPH_END);
    // Tags inside the header end without ending it.
    change(CHCHANGE_BEGIN_TAG, kInnerTag, 2);
    change(CHCHANGE_END_TAG, kInnerTag, 2);
    EXPECT_EQ(cursor->getParentNode(), header);
    change(CHCHANGE_END_TAG, kOuterTag, 1);

    EXPECT_EQ(cursor, body);
    EXPECT_TRUE(header->isDone());
    EXPECT_EQ(childrenOf(header).size(), 1u) << "the empty paragraph after the break goes";
    const auto& content = dynamic_cast<IHeaderFooterContent&>(*header->getIContent());
    EXPECT_EQ(content.getPageAppearance(), kOddPages);
    CDimension distance;
    EXPECT_EQ(content.getOutsideSpace(distance).getValue(), 720);
    EXPECT_EQ(sectionProperties().getHeaderList(), HeaderFooterList{&dynamic_cast<IHeaderFooterContent&>(*header)});
}

TEST_F(SubDocumentsTest, ANoteInsideAHeaderEndsWithItWhenBothOpenedInTheSameTag)
{
    INode* body = cursor;
    change(CHCHANGE_BEGIN_TAG, kOuterTag, 1);
    change(CHCHANGE_HEADER_FOOTER, 0, 0, 5);
    INode* header = cursor->getParentNode();
    change(CHCHANGE_NOTE, CHNOTE_FOOTNOTE);
    INode* note = cursor->getParentNode();
    addText("note");
    change(CHCHANGE_END_TAG, kOuterTag, 1);
    EXPECT_EQ(cursor, body);
    EXPECT_TRUE(note->isDone());
    EXPECT_TRUE(header->isDone());
    EXPECT_TRUE(SChunkerExportState::current().openSubDocuments.empty());
}

TEST_F(SubDocumentsTest, NoteSeparatorsAreNamedByTheirAreaWhileTheyExist)
{
    INode* body = cursor;
    change(CHCHANGE_BEGIN_TAG, CHTAG_NOTE_SEPARATOR, CHSEPARATOR_FIRST_ID + CHSEPARATOR_ID_COUNT);
    EXPECT_EQ(cursor, body) << "not a separator's id";
    change(CHCHANGE_END_TAG, CHTAG_NOTE_SEPARATOR, CHSEPARATOR_FIRST_ID + CHSEPARATOR_ID_COUNT);

    change(CHCHANGE_BEGIN_TAG, CHTAG_NOTE_SEPARATOR, CHSEPARATOR_FIRST_ID + 4);
    INode* separator = cursor->getParentNode();
    ASSERT_EQ(separator->getParentNode(), section);
    addText("continued");
    change(CHCHANGE_END_TAG, CHTAG_NOTE_SEPARATOR, CHSEPARATOR_FIRST_ID + 4);
    EXPECT_EQ(cursor, body);
    EXPECT_TRUE(separator->isDone());
    const auto& content = dynamic_cast<INoteSeparatorContent&>(*separator->getIContent());
    EXPECT_EQ(content.getNoteType(), kEndnote);
    EXPECT_EQ(content.getSeparatorType(), kNoteContinuationSeparator);
    CNoteAreaProperties& endnotes = *sectionProperties().getEndnoteProperties();
    EXPECT_EQ(endnotes.getNoteContinuationSeparator(), &content);
    EXPECT_EQ(sectionProperties().getFootnoteProperties()->getNoteContinuationSeparator(), nullptr);

    separator->release();
    EXPECT_EQ(endnotes.getNoteContinuationSeparator(), nullptr) << "no area names a separator that is gone";
}

TEST_F(SubDocumentsTest, SubDocumentsThatDoNotNestFail)
{
    // A header needs a section.
    INode* body = cursor;
    cursor = own(factory.createNode(kParagraphNode));
    EXPECT_EQ(messageOf<ExNodeParsingError>([this] { change(CHCHANGE_HEADER_FOOTER, 0, 0, 5); }),
              "REQUIRE: pNodeParent != NULL\n\tFile: ChCHead  ln(48)");
    EXPECT_TRUE(cursor->isEmpty());
    cursor = body;

    // A note holds no note, a comment no comment; a comment in a note is
    // text of the note.
    change(CHCHANGE_NOTE, CHNOTE_FOOTNOTE);
    expectMisformed(CHCHANGE_NOTE, CHNOTE_ENDNOTE);
    change(CHCHANGE_NOTE, CHNOTE_COMMENT);
    expectMisformed(CHCHANGE_NOTE, CHNOTE_COMMENT);
    expectMisformed(CHCHANGE_NOTE, CHNOTE_FOOTNOTE);

    // The end of a note mark outside one.
    change(CHCHANGE_BEGIN_TAG, kInnerTag, 1);
    expectMisformed(CHCHANGE_END_TAG, CHTAG_NOTE_MARK_A, 1);
}

TEST_F(SubDocumentsTest, ATagThatEndsAfterABreakClosedItsHeaderIsMisformed)
{
    change(CHCHANGE_BEGIN_TAG, kOuterTag, 1);
    change(CHCHANGE_HEADER_FOOTER, 0, 0, 5);
    addText("header");
    change(CHCHANGE_BREAK, CHBREAK_SECTION);
    EXPECT_EQ(messageOf<ExMisformedChunkerDataError>([this] { change(CHCHANGE_END_TAG, kOuterTag, 1); }),
              "REQUIRE: pNodeParent->getContentInterfaceID() == subDocument.kind\n\tFile: ChCTag");
}

} // namespace
