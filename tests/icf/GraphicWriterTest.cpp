// The graphic writer's decisions that no golden case reaches: when a graphic
// is embedded and converted, what graphics leave when graphics are off, and
// a picture that cannot be cut out while rectangles are hidden.
#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "icf/ICFGraphicCSNodeWriter.h"
#include "icf/ICFNodeWriterCreator.h"
#include "model/CharacterSets.h"
#include "model/GraphicCSNode.h"

#include <memory>

namespace {

// Picture data that no host holds: it answers a fixed converter and counts
// what the writer asks of it.
struct SAsked {
    int converter = 0;
    int cutOut = 0;
};

class CCountingGraphicData : public CGraphicData {
public:
    CCountingGraphicData(uint32_t converter, SAsked& asked) : m_converter(converter), m_asked(asked) {}
    uint32_t getWFWConverterID() override
    {
        ++m_asked.converter;
        return m_converter;
    }
    bool writeGraphicDataToDisk(std::string&) override
    {
        ++m_asked.cutOut;
        return false;
    }

private:
    uint32_t m_converter;
    SAsked& m_asked;
};

class GraphicWriterTest : public ICFOutputFixture {
protected:
    GraphicWriterTest()
    {
        makeNodes<CGraphicCSNode>();
        registrar()->registerNodeWriterCreator(new TNodeWriterCreator<CICFGraphicCSNodeWriter>);
        graphic.reset(dynamic_cast<CGraphicCSNode*>(factory.createNode(kGraphicCSNode)));
        graphic->setGraphicDataObject(std::make_unique<CCountingGraphicData>(321, asked));
        graphic->setType(kGraphicDataEmbedded);
        graphic->setOriginalWidth(1440);
        graphic->setOriginalHeight(720);
    }

    void writeGraphic() { dynamic_cast<CICFGraphicCSNodeWriter&>(*graphic->getNodeWriter()).writeContent(); }

    void refer(const char* fileName)
    {
        graphic->setType(kGraphicDataReferencedFile);
        graphic->setReferencedFileName(CCharacterString(fileName, kCharSetCp1252));
    }

    struct SRelease {
        void operator()(CGraphicCSNode* node) const { node->release(); }
    };
    SAsked asked;
    std::unique_ptr<CGraphicCSNode, SRelease> graphic;
};

TEST_F(GraphicWriterTest, ConvertsOnlyEmbeddedGraphicsOfConvertersNotExcluded)
{
    struct SCase {
        EbrGfxAction action;
        EbrGfxConversion conversion;
        std::list<long> neverConvert;
        bool embed;
        bool convert;
        int converterAsked;
    };
    const SCase cases[] = {
        {kGfxActionKeep, kGfxConversionAll, {}, false, false, 0},
        {kGfxActionConvert, kGfxConversionSelected, {}, true, false, 0},
        {kGfxActionConvert, kGfxConversionAll, {5, 7}, true, true, 1},
        {kGfxActionConvert, kGfxConversionAll, {5, 321}, true, false, 1},
    };
    for (const SCase& c : cases) {
        asked = {};
        bool embed = !c.embed;
        bool convert = !c.convert;
        CICFGraphicCSNodeWriter::checkConversionOptions(c.action, c.conversion, c.neverConvert, *graphic, embed,
                                                        convert);
        EXPECT_EQ(embed, c.embed) << c.action << " " << c.conversion;
        EXPECT_EQ(convert, c.convert) << c.action << " " << c.conversion;
        EXPECT_EQ(asked.converter, c.converterAsked) << c.action << " " << c.conversion;
    }
}

// Nothing is cut out with graphics off; a referenced file is still listed.
TEST_F(GraphicWriterTest, GraphicsOffListReferencedFilesAndLeaveAFrameOnlyWhenRectanglesShow)
{
    CRecordingStream list;
    writer.generateReferencedFileList(&list);
    writer.disableGraphics(kGfxRectsHidden);
    writeGraphic();
    refer("plans/a.png");
    writeGraphic();
    EXPECT_EQ(output(), "");
    EXPECT_EQ(list.bytes, "plans/a.png\r\n");
    EXPECT_EQ(asked.cutOut, 0);
    EXPECT_EQ(asked.converter, 0);

    writer.disableGraphics(kGfxRectsShown);
    writeGraphic();
    EXPECT_EQ(output(), CI "PDS" "0" PE "0" PE "0" PE "1440" PE "720" PE "0" PE "0" PE "0" PE "0" PE CE
                            CI "PCT" PE CE);
    EXPECT_EQ(list.bytes, "plans/a.png\r\nplans/a.png\r\n");
}

// Embedded data whose copy fails is not referenced: nothing stands for it
// while rectangles are hidden.
TEST_F(GraphicWriterTest, EmbeddedDataThatCannotBeCutOutWritesNothingWithoutRectangles)
{
    writeGraphic();
    EXPECT_EQ(asked.cutOut, 1);
    EXPECT_EQ(output(), "");
}

} // namespace
