// Page and section changes: the binding, note areas and sub-document slots
// of the section the text is in.
#include "ReaderTreeFixture.h"

#include "chunker/WordSectionNode.h"
#include "model/NoteAreaProperties.h"

namespace {

using namespace readertest;

std::string zeros(int count)
{
    std::string words;
    while (count-- > 0)
        words += " 0";
    return words;
}

// Data records, by unit id: padding at 0, a binding at 40, a note area at
// 48, a sub-document format at 66.
const std::string kRecords = "record 3" + zeros(20) +
                             "\n"
                             "record 3 360 0 0 0\n"
                             "record 3 100 2000 0 0 4 0 0 0 0\n"
                             "record 3 0xCAFE" +
                             zeros(20) + "\n";

class ChangePageTest : public LayoutChangeFixture {
protected:
    ChangePageTest() : LayoutChangeFixture(kRecords) {}

    CPageProperties& page() { return *sectionProperties().getPageProperties(); }
    CBinding binding()
    {
        CBinding binding;
        return page().getBinding(binding);
    }
};

TEST_F(ChangePageTest, BindingChangesEditOnlyTheirOwnPart)
{
    change(33, 40);
    change(36, 1);
    CDimension width;
    EXPECT_EQ(binding().getWidth(width), CDimension(kDimensionExact, 360));
    EXPECT_EQ(binding().getType(), kBindingGutter);
    EXPECT_TRUE(binding().isDoubleSided());

    change(41, 3);
    EXPECT_EQ(binding().getType(), kBindingGutter) << "code 3 is not a binding type";
    change(41, 4);
    EXPECT_EQ(binding().getType(), kBindingTopEdge);
    change(41, 1);
    EXPECT_EQ(binding().getType(), kBindingLeftEdge);
    EXPECT_TRUE(binding().isDoubleSided());
    EXPECT_EQ(binding().getWidth(width), CDimension(kDimensionExact, 360));
}

TEST_F(ChangePageTest, NoteAreasAndSlotsComeFromDataRecords)
{
    change(48, 48, 2);
    CNoteAreaProperties& endnotes = *sectionProperties().getEndnoteProperties();
    CDimension length;
    EXPECT_EQ(endnotes.getHeight(length), CDimension(kDimensionAtMost, 2000));
    EXPECT_EQ(endnotes.getVerticalHotZone(length), CDimension(kDimensionAtLeast, 100));
    EXPECT_EQ(endnotes.getPageLocation(), kNotesAtSectionEnd);
    EXPECT_EQ(sectionProperties().getFootnoteProperties()->getHeight(length), CDimension());

    change(47, 66, 5, 9);
    uint32_t value = 0;
    SSubDocumentFormat format{};
    ASSERT_TRUE(dynamic_cast<CWordSectionNode&>(*section).getSlotInformation(9, value, format));
    EXPECT_EQ(value, 5u);
    EXPECT_EQ(format[2], 0xCA);
    EXPECT_EQ(format[3], 0xFE);
}

} // namespace
