// The generated document: its computed lists hold exactly what the same
// document written as a listing holds, and the services serve them.
#include "trxhost/SyntheticDocument.h"
#include "HostDocumentSupport.h"
#include "trxhost/Export.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

const char kOpening[] = R"(
    font 1 charset 0x14E40100 "Times New Roman"
    font 2 charset 0x14E40100 "Arial"
    document properties done
    page size 12240 15840
    portrait
    left right margins 1440 1440
    top bottom margins 1440 1440
    character set 0x14B00000
    select font 1
    font size 24
)";

const char kParagraph[] = R"(
    text "A generated paragraph with "
    bold on
    text "bold"
    bold off
    text " and "
    italic on
    text "italic"
    italic off
    text " words, written again and again to make a document as long as asked for."
    paragraph end
)";

std::vector<uint8_t> itemsOf(const trxhost::ItemList& list)
{
    std::vector<uint8_t> bytes(size_t{list.length()} * list.layout().recordSize);
    EXPECT_TRUE(list.copy(0, list.length(), bytes.data()));
    return bytes;
}

TEST(SyntheticDocumentTest, HoldsWhatTheSameListingHolds)
{
    const auto generated = trxhost::makeSyntheticDocument(3);
    const auto written = listing(kOpening + std::string(kParagraph) + kParagraph + kParagraph + "document end\n");
    for (const trxhost::ListLayout& layout : trxhost::listLayouts())
        EXPECT_EQ(itemsOf(*generated->list(layout.type)), itemsOf(*written->list(layout.type))) << layout.name;

    // The services read the computed lists up to their end.
    trxhost::Export hostExport(*generated);
    HCHUNKER chunker = 0;
    ASSERT_EQ(DAGetHChunker(hostExport.handle(), &chunker), TRXERR_OK);
    const uint32_t last = generated->list(CHLIST_CHANGES)->length() - 1;
    Change change{};
    uint32_t next = 0;
    EXPECT_EQ(CHGetItem(chunker, CHLIST_CHANGES, last, change.data(), &next), TRXERR_OK);
    EXPECT_EQ(change, (Change{0, 2, 0, 0}));
    EXPECT_EQ(CHGetItem(chunker, CHLIST_CHANGES, next, change.data(), &next), TRXERR_NOITEM);
    uint16_t units[3] = {};
    EXPECT_EQ(CHGetItems(chunker, CHLIST_TEXT, generated->list(CHLIST_TEXT)->length() - 2, 2, units), TRXERR_OK);
    EXPECT_EQ(units[1], u'.');
}

// Its change and text lists store no items: the writer copies them out.
TEST(SyntheticDocumentTest, IsWrittenAsAListingOfTheSameItems)
{
    using trxhost::SyntheticWorkload;
    for (const SyntheticWorkload workload :
         {SyntheticWorkload::Paragraphs, SyntheticWorkload::Table, SyntheticWorkload::List}) {
        const auto generated = trxhost::makeSyntheticDocument(4, workload);
        const auto written = listing(trxhost::formatListing(*generated));
        for (const trxhost::ListLayout& layout : trxhost::listLayouts())
            EXPECT_EQ(itemsOf(*generated->list(layout.type)), itemsOf(*written->list(layout.type))) << layout.name;
    }
}

TEST(SyntheticDocumentTest, IsRefusedWhenItsListsWouldOverflow)
{
    EXPECT_NO_THROW(trxhost::makeSyntheticDocument(10'000'000));
    EXPECT_THROW(trxhost::makeSyntheticDocument(100'000'000), std::length_error);
    EXPECT_THROW(trxhost::makeSyntheticDocument(1)->list(CHLIST_CHANGES)->append(std::vector<uint8_t>(16)),
                 std::logic_error);
}

} // namespace
