#include "ModelNodes.h"
#include "TestNodes.h"

#include "model/DateTimeFormats.h"
#include "model/Locators.h"
#include "model/StrandProperties.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using Log = std::vector<std::string>;

const CCharacterString kURL("http://example.org/page", 0);
const CCharacterString kBookmark("chapter2", 0);
const CCharacterString kFile("report.doc", 0);

class MarksModel : public ::testing::Test {
protected:
    MarksModel() { registerModelNodes(factory); }
    ~MarksModel() override { properties->releaseRef(); }

    void watch(INode* node, const std::string& name)
    {
        notifies.push_back(std::make_unique<RecordingNotify>(log, name));
        node->setNodeNotify(notifies.back().get());
    }

    long count(const std::string& event) const { return std::count(log.begin(), log.end(), event); }

    CNodeFactory factory;
    Log log;
    std::vector<std::unique_ptr<RecordingNotify>> notifies;
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

TEST_F(MarksModel, CombinedLocatorsHaveTheirOwnKindAndOneCount)
{
    auto* urlBookmark = new CURL_BookmarkLocator(kURL, kBookmark);
    auto* fileBookmark = new CFile_BookmarkLocator(kFile, kBookmark);
    auto* oleRange = new COLE_RangeLocator(kFile, 4, 8);
    auto* compressed = new COLE_Range_CompressionLocator(kFile, 4, 8, ECompressionType{3});
    EXPECT_EQ(urlBookmark->getLocatorType(), 9u);
    EXPECT_EQ(fileBookmark->getLocatorType(), 10u);
    EXPECT_EQ(oleRange->getLocatorType(), 20u);
    EXPECT_EQ(compressed->getLocatorType(), 148u);
    EXPECT_EQ(compressed->getLength(), 8u);
    EXPECT_EQ(compressed->getCompressionType(), ECompressionType{3});
    CCharacterString bookmark;
    EXPECT_EQ(textOf(urlBookmark->getBookmarkName(bookmark)), "chapter2");
    EXPECT_LT(*urlBookmark, *fileBookmark) << "ordered by kind";
    EXPECT_GE(*compressed, *oleRange);

    // A single locator's kind is none of the combined ones.
    auto* section = new CSectionLocator(3);
    for (uint32_t combined : {9u, 10u, 20u, 148u})
        EXPECT_NE(section->getLocatorType(), combined);

    CLocator* all[] = {urlBookmark, fileBookmark, oleRange, compressed, section};
    for (CLocator* locator : all)
        locator->releaseRef();
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

TEST_F(MarksModel, MarkClonesCarryTheirFieldsAndShareTheStrandState)
{
    auto* begin = create<CBookmarkBeginCSNode>(factory);
    EXPECT_TRUE(begin->isVisible());
    EXPECT_FALSE(begin->isApplicationGenerated());
    begin->setName(kBookmark);
    begin->setVisible(false);
    begin->setApplicationGenerated(true);
    begin->setProperties(properties);

    auto& beginCopy = nodeAs<CBookmarkBeginCSNode>(begin->clone(INode::kCloneNodeOnly));
    CCharacterString name;
    EXPECT_EQ(textOf(beginCopy.getName(name)), "chapter2");
    EXPECT_FALSE(beginCopy.isVisible());
    EXPECT_TRUE(beginCopy.isApplicationGenerated());
    EXPECT_EQ(beginCopy.getProperties(), properties);

    auto* tocBegin = create<CTOCBookmarkBeginCSNode>(factory);
    tocBegin->setLevel(2);
    tocBegin->setName(kBookmark);
    auto& tocCopy = nodeAs<CTOCBookmarkBeginCSNode>(tocBegin->clone(INode::kCloneNodeOnly));
    EXPECT_EQ(tocCopy.getLevel(), 2u);
    EXPECT_EQ(textOf(tocCopy.getName(name)), "chapter2");

    auto* end = create<CReferenceEndCSNode>(factory);
    end->setName(kBookmark);
    end->setProperties(properties);
    INode* endCopy = end->clone(INode::kCloneNodeOnly);
    EXPECT_EQ(endCopy->getContentInterfaceID(), kReferenceEndCSNode);
    EXPECT_EQ(textOf(nodeAs<CReferenceEndCSNode>(endCopy).getName(name)), "chapter2");
    EXPECT_EQ(properties->getReferenceCount(), 5u) << "two marks and two copies share the properties";

    for (INode* node : std::initializer_list<INode*>{begin, &beginCopy, tocBegin, &tocCopy, end, endCopy})
        node->release();
    EXPECT_EQ(properties->getReferenceCount(), 1u);
}

TEST_F(MarksModel, NoteCloneHasItsOwnMarkerStrandsAndText)
{
    auto* note = create<CNoteCSNode>(factory);
    EXPECT_TRUE(note->isAutonumbered());
    note->setAutonumbering(false);
    note->setNoteType(kEndnote);
    auto* marker = create<CTextStrandNode>(factory);
    marker->setText(CCharacterString("*", 0));
    note->addReferenceMarkerStrand(marker);
    note->attachNode(factory.createNode(kParagraphNode));

    auto& copy = nodeAs<CNoteCSNode>(note->clone(INode::kCloneWithChildren));
    EXPECT_FALSE(copy.isAutonumbered());
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
    EXPECT_EQ(code->getType(), kDateTimeFormatCode);
    EXPECT_EQ(separator->getType(), kDateTimeFormatCharacters);

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

TEST_F(MarksModel, BranchStrandsCopyTheirTextAndStrandState)
{
    auto* included = create<CIncludedDocumentCSNode>(factory);
    included->setDocumentLocation(kFile);
    included->setProperties(properties);
    auto* comment = create<CCommentCSNode>(factory);
    comment->attachNode(factory.createNode(kParagraphNode));
    comment->setProperties(properties);

    auto& includedCopy = nodeAs<CIncludedDocumentCSNode>(included->clone(INode::kCloneNodeOnly));
    CCharacterString location;
    EXPECT_EQ(textOf(includedCopy.getDocumentLocation(location)), "report.doc");
    EXPECT_EQ(includedCopy.getProperties(), properties);
    INode* commentCopy = comment->clone(INode::kCloneWithChildren);
    EXPECT_EQ(childrenOf(commentCopy).size(), 1u);
    EXPECT_EQ(dynamic_cast<IStrandContent&>(*commentCopy->getIContent()).getProperties(), properties);

    for (INode* node : std::initializer_list<INode*>{included, &includedCopy, comment, commentCopy})
        node->release();
}

} // namespace
