// Graphic changes: what the embedded object record and the property changes
// give the node, which embedded data the picture names, and objects that
// are missing or whose properties never end.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "core/Exceptions.h"
#include "model/FieldNodes.h"
#include "model/GraphicCSNode.h"
#include "trx/changes.h"

#include <utility>

namespace {

using namespace readertest;

// Objects 0 to 2 of list 13: a picture with a file name, an included
// document without properties, a picture whose properties run into the end
// of the change list.
constexpr uint32_t kPicture = 0;
constexpr uint32_t kDocument = 1;
constexpr uint32_t kNeverEnding = 2;
constexpr uint32_t kAtTheEnd = 3;
constexpr uint32_t kBeyondTheEnd = 4;
// Where the change list stands after the graphic change was read.
constexpr uint32_t kAfterTheChange = 8;
constexpr uint32_t kFileProperties = 2;

// The two numbers that name the last picture's embedded data.
std::pair<uint32_t, uint32_t> g_named;

class CNamedGraphicData : public CGraphicData {
public:
    void setGraphicData(uint32_t changePosition, uint32_t objectValue, uintptr_t) override
    {
        g_named = {changePosition, objectValue};
    }
};

class ChangeGraphicTest : public ChangeHandlerFixture {
protected:
    ChangeGraphicTest()
        : ChangeHandlerFixture("@none end properties\n"
                               "@name property text \"a.png\"\n"
                               "@file property file name @name\n"
                               "end properties\n"
                               "@open property url @name\n"
                               "record embedded object source width 1440 source height 720 height 360 crop top -1 \\\n"
                               "    crop left 2 crop bottom 3 crop right 4 keep aspect ratio properties @file\n"
                               "record embedded object included document document properties @none\n"
                               "record embedded object properties @open\n")
    {
        factory.getINodeRegistrar()->registerGraphicDataCreator(new TGraphicDataCreator<CNamedGraphicData>);
        changes.moveToElementById(kAfterTheChange);
    }
};

TEST_F(ChangeGraphicTest, ObjectsStandInTheParagraphWithTheirRecordAndProperties)
{
    change(CHCHANGE_EMBEDDED_OBJECT, kPicture);
    change(CHCHANGE_EMBEDDED_OBJECT, kDocument);
    ASSERT_EQ(kindsOf(cursor), (std::vector<EContentInterfaceID>{kGraphicCSNode, kIncludedDocumentCSNode}));

    auto& graphic = dynamic_cast<CGraphicCSNode&>(*childrenOf(cursor)[0]);
    EXPECT_TRUE(graphic.isAspectRatioMaintained());
    EXPECT_EQ(graphic.getOriginalWidth(), 1440u);
    EXPECT_EQ(graphic.getOriginalHeight(), 720u);
    CDimension length;
    EXPECT_EQ(graphic.getDestinationWidth(length), CDimension(kDimensionAuto, 0));
    EXPECT_EQ(graphic.getDestinationHeight(length), CDimension(kDimensionExact, 360));
    CRectangle crop;
    EXPECT_EQ(graphic.getCropRegion(crop), CRectangle(-1, 2, 3, 4));
    EXPECT_EQ(graphic.getType(), kGraphicDataReferencedFile);
    CCharacterString name;
    EXPECT_EQ(graphic.getReferencedFileName(name).getString(), "a.png");
    // The graphic change's own index in the change list, then the record's
    // property position.
    EXPECT_EQ(g_named, std::make_pair(kAfterTheChange - 1, kFileProperties));

    auto& document = dynamic_cast<IIncludedDocumentCSContent&>(*childrenOf(cursor)[1]->getIContent());
    EXPECT_EQ(document.getDocumentLocation(name).getLength(), 0u);
}

TEST_F(ChangeGraphicTest, MissingObjectsAndEndlessPropertiesFailAndPlaceNothing)
{
    EXPECT_EQ(
        messageOf<ExMisformedChunkerDataError>([&] { ReaderTreeFixture::change(CHCHANGE_EMBEDDED_OBJECT, kAtTheEnd); }),
        "REQUIRE_1: locErr == TRXERR_OK\n\tFile: ChCGraph");
    const auto beyond =
        failureOf<ExChunkerFailed>([&] { ReaderTreeFixture::change(CHCHANGE_EMBEDDED_OBJECT, kBeyondTheEnd); });
    ASSERT_TRUE(beyond);
    EXPECT_EQ(beyond->getTrxErrNumber(), uint32_t{TRXERR_BADPARAM});
    EXPECT_EQ(messageOf<ExMisformedChunkerDataError>(
                  [&] { ReaderTreeFixture::change(CHCHANGE_EMBEDDED_OBJECT, kNeverEnding); }),
              "REQUIRE: changeType == CHCHANGE_END_PROPERTIES\n\tFile: ChCGraph");
    EXPECT_TRUE(childrenOf(cursor).empty());
}

} // namespace
