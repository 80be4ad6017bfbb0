#include "ModelNodes.h"
#include "TestNodes.h"

#include "model/DateTimeFormats.h"
#include "model/Locators.h"
#include "model/StrandProperties.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Log = std::vector<std::string>;

const CCharacterString kURL("http://example.org/page", 0);
const CCharacterString kBookmark("chapter2", 0);
const CCharacterString kFile("report.doc", 0);

class MarksModel : public ::testing::Test, protected NodeWatcher {
protected:
    MarksModel() { registerModelNodes(factory); }
    ~MarksModel() override { properties->releaseRef(); }

    long count(const std::string& event) const { return std::count(log.begin(), log.end(), event); }

    CNodeFactory factory;
    CStrandProperties* properties = new CStrandProperties;
};

std::string textOf(const CCharacterString& text)
{
    return text.getString();
}

TEST_F(MarksModel, ReplacingAReferenceTargetReleasesTheOldOneOnceAndClonesShareIt)
{
    auto* reference = create<CReferenceBeginCSNode>(factory);
    auto* url = new CURLLocator(kURL);
    reference->setTarget(url);
    reference->setTarget(url);
    EXPECT_EQ(url->getReferenceCount(), 2u) << "the test's reference and the node's";

    INode* copy = reference->clone(INode::kCloneNodeOnly);
    EXPECT_EQ(nodeAs<CReferenceBeginCSNode>(copy).getTarget(), url);
    EXPECT_EQ(url->getReferenceCount(), 3u);

    reference->setTarget(new CBookmarkLocator(kBookmark));
    reference->getTarget()->releaseRef(); // the creator's reference
    EXPECT_EQ(url->getReferenceCount(), 2u);
    copy->release();
    EXPECT_EQ(url->getReferenceCount(), 1u);
    url->releaseRef();
    reference->release();
}

TEST_F(MarksModel, TargetStringIsTheURLOrFileNameOfACombinedLocator)
{
    auto* reference = create<CReferenceBeginCSNode>(factory);
    CCharacterString text("stale", 0);
    EXPECT_EQ(textOf(reference->getTargetString(text)), "") << "no target";

    const auto expectTarget = [&](CLocator* locator, const std::string& expected) {
        reference->setTarget(locator);
        locator->releaseRef();
        EXPECT_EQ(textOf(reference->getTargetString(text)), expected);
    };
    expectTarget(new CURL_BookmarkLocator(kURL, kBookmark), "http://example.org/page");
    expectTarget(new CFile_BookmarkLocator(kFile, kBookmark), "report.doc");
    expectTarget(new CBookmarkLocator(kBookmark), "chapter2");
    expectTarget(new COLE_RangeLocator(kFile, 10, 20), "");
    reference->release();
}

TEST_F(MarksModel, IndexEntriesBelongToTheBookmarkWithoutBeingChildren)
{
    auto* bookmark = create<CIndexBookmarkCSNode>(factory);
    auto* entry = create<CIndexEntryNode>(factory);
    entry->attachNode(factory.createNode(kTextStrandNode));
    bookmark->addEntry(entry);
    EXPECT_EQ(entry->getParentNode(), bookmark);
    EXPECT_TRUE(bookmark->isEmpty());

    watch(bookmark, "bookmark");
    bookmark->detachNode(entry);
    EXPECT_EQ(bookmark->getEntryList(), IndexEntryList{entry});
    EXPECT_TRUE(log.empty());

    auto& copy = nodeAs<CIndexBookmarkCSNode>(bookmark->clone(INode::kCloneNodeOnly));
    ASSERT_EQ(copy.getEntryList().size(), 1u);
    INode* entryCopy = copy.getEntryList().front()->getINode();
    EXPECT_NE(entryCopy, entry);
    EXPECT_EQ(entryCopy->getParentNode(), &copy);
    EXPECT_EQ(childrenOf(entryCopy).size(), 1u) << "entries are copied with their text";

    watch(entry, "entry");
    bookmark->release();
    EXPECT_EQ(count("entry:onDestroy"), 1);
    EXPECT_EQ(count("bookmark:onDetachChild"), 0);
    copy.release();
}

TEST_F(MarksModel, MarkClonesKeepTheirKindAndShareTheStrandState)
{
    auto* begin = create<CBookmarkBeginCSNode>(factory);
    begin->setName(kBookmark);
    begin->setProperties(properties);
    auto* end = create<CReferenceEndCSNode>(factory);
    end->setName(kBookmark);
    end->setProperties(properties);

    INode* beginCopy = begin->clone(INode::kCloneNodeOnly);
    INode* endCopy = end->clone(INode::kCloneNodeOnly);
    CCharacterString name;
    EXPECT_EQ(textOf(nodeAs<CBookmarkBeginCSNode>(beginCopy).getName(name)), "chapter2");
    EXPECT_EQ(endCopy->getContentInterfaceID(), kReferenceEndCSNode);
    EXPECT_EQ(textOf(nodeAs<CReferenceEndCSNode>(endCopy).getName(name)), "chapter2");
    EXPECT_EQ(properties->getReferenceCount(), 5u) << "two marks and two copies share the properties";

    for (INode* node : {static_cast<INode*>(begin), beginCopy, static_cast<INode*>(end), endCopy})
        node->release();
    EXPECT_EQ(properties->getReferenceCount(), 1u);
}

TEST_F(MarksModel, NoteCloneHasItsOwnMarkerStrandsAndText)
{
    auto* note = create<CNoteCSNode>(factory);
    note->setNoteType(kEndnote);
    auto* marker = create<CTextStrandNode>(factory);
    marker->setText(CCharacterString("*", 0));
    note->addReferenceMarkerStrand(marker);
    note->attachNode(factory.createNode(kParagraphNode));

    auto& copy = nodeAs<CNoteCSNode>(note->clone(INode::kCloneWithChildren));
    EXPECT_EQ(copy.getNoteType(), kEndnote);
    ASSERT_EQ(copy.getReferenceMarkerStrands().size(), 1u);
    IStrandContent* markerCopy = *copy.getReferenceMarkerStrands().begin();
    EXPECT_NE(markerCopy, marker);
    CCharacterString text;
    EXPECT_EQ(textOf(dynamic_cast<ITextStrandContent&>(*markerCopy).getText(text)), "*");
    EXPECT_EQ(childrenOf(&copy).size(), 1u);

    note->release();
    copy.release();
}

TEST_F(MarksModel, DateTimeFieldSharesItsFormatItems)
{
    auto* field = create<CDateTimeCSNode>(factory);
    auto* code = new CDateTimeFormatCode;
    code->setCode(EDateTimeFormatCode{5});
    auto* separator = new CDateTimeFormatCharacters;
    separator->setString(CCharacterString("/", 0));
    field->addDateTimeFormat(code);
    field->addDateTimeFormat(nullptr);
    field->addDateTimeFormat(separator);
    EXPECT_EQ(field->getDateTimeFormatList(), (DateTimeFormatList{code, separator}));

    INode* copy = field->clone(INode::kCloneNodeOnly);
    EXPECT_EQ(nodeAs<CDateTimeCSNode>(copy).getDateTimeFormatList(), field->getDateTimeFormatList());
    EXPECT_EQ(code->getReferenceCount(), 3u);
    field->releaseFormatList();
    EXPECT_TRUE(field->getDateTimeFormatList().empty());
    EXPECT_EQ(code->getReferenceCount(), 2u);

    code->releaseRef();
    separator->releaseRef();
    copy->release();
    field->release();
}

} // namespace
