// Page layout, columns, note areas, headers and footers written by the
// section writer, and footnotes and endnotes written by the note writer.
#include "icf/ICFHeaderFooterNodeWriter.h"
#include "icf/ICFNodeWriterCreator.h"
#include "icf/ICFSectionNodeWriter.h"
#include "icf/ICFStrandNodeWriter.h"
#include "icf/ICFWriter.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "model/CharacterSets.h"
#include "model/ColumnProperties.h"
#include "model/DocumentNode.h"
#include "model/HeaderFooterNode.h"
#include "model/NodeFactory.h"
#include "model/NoteAreaProperties.h"
#include "model/NoteNodes.h"
#include "model/NumberingStyle.h"
#include "model/PageProperties.h"
#include "model/SectionNode.h"
#include "model/TextStrandNode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Writes its text strand's text as it is, without formatting.
class CPlainTextWriter : public CICFStrandNodeWriter {
public:
    void writeContent() override
    {
        CCharacterString text;
        dynamic_cast<ITextStrandContent&>(*getNode()->getIContent()).getText(text);
        const std::string bytes = text.getString();
        getICFWriter()->writeByteArray(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data()));
    }
};

const CDimension kInch(kDimensionExact, 1440);

// "PBC" of a page without borders.
const std::string kNoPageBorders = CI "PBC" "0000" PE "1" PE "00" PE "00" PE "00" PE "00" PE CE;
// A letter page with one-inch margins, as "SFL" ... "POR", page borders.
const std::string kLetterPage = CI "SFL" "66" PE "66" PE "66" PE "66" PE "15840" PE "15840" PE CE //
    CI "PGW" "85" PE "12240" PE CE CI "STP" "0" PE "6" PE "1440" PE CE CI "SBP" "6" PE "1440" PE CE    //
    CI "RSM" "0" PE "0" PE "6" PE "45" PE "1440" PE "10800" PE CE CI "POR" "0" PE CE + kNoPageBorders;

class SectionAndNoteWritersTest : public ICFOutputFixture {
protected:
    SectionAndNoteWritersTest()
    {
        makeNodes<CDocumentNode, CSectionNode, CHeaderFooterNode, CNoteCSNode, CTextStrandNode>();
        writer.initialize(&stream, registrar());
        registrar()->registerNodeWriterCreator(new TNodeWriterCreator<CPlainTextWriter, kTextStrandNode>);
        document = factory.createNode(kDocumentNode);
        document->propertiesDone();
        stream.bytes.clear();
    }

    ~SectionAndNoteWritersTest() override { document->release(); }

    // A section of the document with a letter page and one-inch margins.
    INode* addSection(ESectionStart start = kSectionStartNewPage)
    {
        INode* section = factory.createNode(kSectionNode);
        auto* properties = new CSectionProperties;
        properties->setSectionStartOn(start);
        auto* page = new CPageProperties;
        page->setWidth(12240);
        page->setHeight(15840);
        page->setTopMargin(kInch);
        page->setBottomMargin(kInch);
        page->setLeftMargin(kInch);
        page->setRightMargin(kInch);
        properties->setPageProperties(page);
        page->releaseRef();
        dynamic_cast<ISectionContent&>(*section->getIContent()).setProperties(properties);
        properties->releaseRef();
        document->attachNode(section);
        return section;
    }

    static ISectionProperties& propertiesOf(INode* section)
    {
        return *dynamic_cast<ISectionContent&>(*section->getIContent()).getProperties();
    }

    IStrandContent* textStrand(const char* text)
    {
        auto* strand = dynamic_cast<CTextStrandNode*>(factory.createNode(kTextStrandNode));
        strand->setText(CCharacterString(text, kCharSetCp1252));
        return strand;
    }

    // A done text strand attached to `parent`.
    void addText(INode* parent, const char* text)
    {
        INode* strand = textStrand(text)->getINode();
        parent->attachNode(strand);
        strand->done();
    }

    INode* document = nullptr;
};

TEST_F(SectionAndNoteWritersTest, PageNumberStartBindingAndOrientation)
{
    INode* section = addSection();
    CPageProperties& page = *propertiesOf(section).getPageProperties();
    page.setPageNumberStart(0x10102); // only the low 16 bits count
    page.setPageOrientation(kLandscape);
    CBinding binding;
    binding.setType(kBindingGutter);
    binding.setWidth(CDimension(kDimensionExact, 360));
    page.setBinding(binding);
    section->propertiesDone();

    EXPECT_NE(stream.bytes.find(CI "SPO" "360" PE CE CI "SPN" "0" PE "0" PE "1" PE "2" PE "0" PE CE CI "POR" "1" PE CE),
              std::string::npos)
        << stream.bytes;
}

TEST_F(SectionAndNoteWritersTest, BalancedColumnsAreMeasuredFromThePageEdge)
{
    INode* section = addSection();
    auto* columns = new CColumnProperties;
    columns->setBalanced(true);
    columns->setLeftOffset(COffset(kOffsetFromLeftMargin, 1440));
    const CColumnDefinition column(CDimension(kDimensionExact, 4320), CDimension(kDimensionExact, 720));
    columns->addColumnDefinition(column);
    columns->addColumnDefinition(column);
    propertiesOf(section).setColumnProperties(columns);
    columns->releaseRef();

    auto& attributes = dynamic_cast<CICFSectionNodeWriter&>(*section->getNodeWriter());
    EXPECT_EQ(attributes.getLeftMargin(), 0u) << "column edges are taken from the page edge";
    EXPECT_EQ(attributes.getRightMargin(), 0u);
    EXPECT_EQ(attributes.getTopMargin(), 1440u);
    EXPECT_EQ(attributes.getContainerWidth(), 4320u);
}

TEST_F(SectionAndNoteWritersTest, NoteAreasGiveTheirNumberingWithPrefixAndSuffix)
{
    INode* section = addSection();
    auto* footnotes = new CNoteAreaProperties;
    auto* numbers = new CNumberingStyle;
    numbers->setNumberingType(kNumberingLowerRoman);
    numbers->addPrefixStrandContent(textStrand("("));
    numbers->addSuffixStrandContent(textStrand(")"));
    footnotes->setNumberStyle(numbers);
    numbers->releaseRef();
    auto* endnotes = new CNoteAreaProperties;
    propertiesOf(section).setFootnoteProperties(footnotes);
    propertiesOf(section).setEndnoteProperties(endnotes);
    footnotes->releaseRef();
    endnotes->releaseRef();

    section->propertiesDone();
    EXPECT_EQ(stream.bytes, kLetterPage + CI "FNI" "00" PE "4" PE "(" PE ")" PE "0" PE PE PE CE CI "FNI" "02" PE CE);
}

TEST_F(SectionAndNoteWritersTest, HeadersAndFootersAreWrittenWholeWithTheSectionStart)
{
    INode* section = addSection();
    auto* header = dynamic_cast<IHeaderFooterContent*>(factory.createNode(kHeaderFooterNode));
    header->setPageAppearance(kOddPages);
    auto* footer = dynamic_cast<IHeaderFooterContent*>(factory.createNode(kHeaderFooterNode));
    footer->setPageAppearance(kPagesNotGiven);
    dynamic_cast<CICFHeaderFooterNodeWriter&>(*footer->getINode()->getNodeWriter()).setOccurance(1);
    for (IHeaderFooterContent* entry : {header, footer}) {
        section->attachNode(entry->getINode());
        addText(entry->getINode(), entry == header ? "Head" : "Foot");
        entry->getINode()->done();
    }
    propertiesOf(section).addFooter(footer);
    propertiesOf(section).addHeader(header);
    EXPECT_EQ(stream.bytes, "") << "header text waits for the section";

    section->done();
    const std::string frame = "0" PE "10" PE "10" PE "0" PE "0" PE "1440" PE "1440" PE CE;
    EXPECT_EQ(stream.bytes, kLetterPage + CI "HF2" "00" PE + frame + "Head" CI "HFX" "0" PE "11" PE "0" PE "3" PE CE //
                                + CI "HF1" "00" PE + frame + "Foot" CI "HFX" "0" PE "06" PE "0" PE "1" PE CE)
        << "headers first; each written once";
}

TEST_F(SectionAndNoteWritersTest, NotesWrapTheirTextAfterTheirNumberOrMark)
{
    INode* section = addSection(kSectionStartContinuous);
    section->propertiesDone();
    stream.bytes.clear();
    auto addNote = [&](ENoteType type, bool autonumbered, const char* mark, const char* text) {
        auto* note = dynamic_cast<INoteCSContent*>(factory.createNode(kNoteCSNode));
        note->setNoteType(type);
        note->setAutonumbering(autonumbered);
        if (mark)
            note->addReferenceMarkerStrand(textStrand(mark));
        section->attachNode(note->getINode());
        addText(note->getINode(), text);
        note->getINode()->done();
    };
    const std::string fixed = "00" PE "00" PE "00" PE "00" PE "01" PE "ff" PE "0" PE "0" PE "8d" PE CE;

    addNote(kFootnote, true, "1", "Footnote");
    EXPECT_EQ(stream.bytes, CI "FNT" "00" PE "00" PE "01" PE + fixed + CI "FNA" CE "Footnote" CI "EFN" CE);

    stream.bytes.clear();
    addNote(kEndnote, false, "*+", "Endnote");
    const std::string mark = CI "SPS" CE "+" CI "EPS" CE;
    EXPECT_EQ(stream.bytes, CI "FNT" "03" PE "01" PE "2a" PE + fixed + mark + "Endnote" CI "EFN" CE + mark)
        << "the first character is the custom mark; the rest of the mark stands before and after the text";

    stream.bytes.clear();
    addNote(kFootnote, false, "*", "Footnote");
    EXPECT_EQ(stream.bytes, CI "FNT" "01" PE "01" PE "2a" PE + fixed + "Footnote" CI "EFN" CE)
        << "a one-character mark is used up by the custom mark";

    stream.bytes.clear();
    addNote(kFootnote, true, nullptr, "Unmarked");
    EXPECT_EQ(stream.bytes, "") << "a note without a mark is not written";
}

} // namespace
