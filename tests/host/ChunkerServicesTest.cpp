#include "HostDocumentSupport.h"
#include "trx/platform.h"
#include "trxhost/Export.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using trxhost::Export;

class ChunkerServices : public ::testing::Test {
protected:
    void SetUp() override
    {
        document_ = listing(R"(
            font 1 charset 0x14E40100 "Arial"
            text "Hi"
            bold on
            record 10 1 0x0A0B0C0D
            record 16 5 6 7
            record 3 hex 00010203
        )");
        export_ = std::make_unique<Export>(*document_);
        ASSERT_EQ(DAGetHChunker(export_->handle(), &chunker_), TRXERR_OK);
    }

    std::unique_ptr<trxhost::Document> document_;
    std::unique_ptr<Export> export_;
    HCHUNKER chunker_ = 0;
};

TEST_F(ChunkerServices, ItemIdsRunFromZeroUpToTheEndPosition)
{
    for (const trxhost::ListLayout& layout : trxhost::listLayouts()) {
        const uint32_t length = document_->list(layout.type)->length();
        uint32_t id = 99;
        for (uint32_t index = 0; index <= length; ++index) {
            ASSERT_EQ(CHGetItemId(chunker_, layout.type, index, &id), TRXERR_OK) << layout.name;
            EXPECT_EQ(id, index);
        }
        EXPECT_EQ(CHGetItemId(chunker_, layout.type, length + 1, &id), TRXERR_BADPARAM) << layout.name;
    }
}

TEST_F(ChunkerServices, ItemsAreCopiedAndAdvanceUntilNoItem)
{
    std::vector<Change> read;
    Change change{};
    uint32_t id = 0;
    TRXERR code;
    while ((code = CHGetItem(chunker_, CHLIST_CHANGES, id, change.data(), &id)) == TRXERR_OK)
        read.push_back(change);
    EXPECT_EQ(code, TRXERR_NOITEM);
    EXPECT_EQ(id, 2u);
    EXPECT_EQ(read, (std::vector<Change>{{7, 0, 2, 0}, {8, 2, 1, 0}}));
    EXPECT_EQ(CHGetItem(chunker_, CHLIST_CHANGES, 3, change.data(), &id), TRXERR_BADPARAM);

    uint32_t next = 0;
    EXPECT_EQ(CHNextItemId(chunker_, CHLIST_CHANGES, 1, &next), TRXERR_OK);
    EXPECT_EQ(next, 2u);
    EXPECT_EQ(CHNextItemId(chunker_, CHLIST_CHANGES, 2, &next), TRXERR_NOITEM);
    EXPECT_EQ(CHNextItemId(chunker_, CHLIST_CHANGES, 3, &next), TRXERR_BADPARAM);
    EXPECT_EQ(CHNextItemId(chunker_, CHLIST_TEXT, 0, &next), TRXERR_OK);
    EXPECT_EQ(next, 1u);
}

TEST_F(ChunkerServices, RecordsHaveTheirListsSizeAndByteOrder)
{
    uint8_t buffer[256];
    uint32_t next = 0;
    std::memset(buffer, 0xAA, sizeof buffer);
    ASSERT_EQ(CHGetItem(chunker_, CHLIST_ROW_FORMATS, 0, buffer, &next), TRXERR_OK);
    const uint8_t rowStart[] = {0, 0, 0, 1, 0x0A, 0x0B, 0x0C, 0x0D, 0, 0};
    EXPECT_EQ(std::memcmp(buffer, rowStart, sizeof rowStart), 0);
    EXPECT_EQ(buffer[CHRECORD_SIZE_ROW_FORMAT - 1], 0);
    EXPECT_EQ(buffer[CHRECORD_SIZE_ROW_FORMAT], 0xAA);

    uint32_t track[3];
    ASSERT_EQ(CHGetItem(chunker_, CHLIST_TAG_TRACKS, 0, track, &next), TRXERR_OK);
    EXPECT_EQ((std::vector<uint32_t>(track, track + 3)), (std::vector<uint32_t>{5, 6, 7}));
    EXPECT_EQ(CHGetItem(chunker_, CHLIST_TAG_TRACKS, 1, track, &next), TRXERR_NOITEM);
}

TEST_F(ChunkerServices, UnitsAreReadByRange)
{
    uint16_t units[4] = {0xAAAA, 0xAAAA, 0xAAAA, 0xAAAA};
    ASSERT_EQ(CHGetItems(chunker_, CHLIST_TEXT, 0, 2, units), TRXERR_OK);
    EXPECT_EQ(units[0], 'H');
    EXPECT_EQ(units[1], 'i');
    EXPECT_EQ(units[2], 0xAAAA);
    EXPECT_EQ(CHGetItems(chunker_, CHLIST_TEXT, 2, 0, units), TRXERR_OK);
    EXPECT_EQ(CHGetItems(chunker_, CHLIST_TEXT, 1, 2, units), TRXERR_BADPARAM);
    EXPECT_EQ(CHGetItems(chunker_, CHLIST_TEXT, 3, 0, units), TRXERR_BADPARAM);
    EXPECT_EQ(CHGetItems(chunker_, CHLIST_TEXT, 1, UINT32_MAX, units), TRXERR_BADPARAM);
    EXPECT_EQ(CHGetItems(chunker_, CHLIST_CHANGES, 0, 1, units), TRXERR_BADPARAM);

    ASSERT_EQ(CHGetItems(chunker_, CHLIST_PROPERTY_TEXT, 1, 2, units), TRXERR_OK);
    EXPECT_EQ(units[0], 'r');

    // Data records keep their big-endian bytes in memory order.
    uint8_t data[4];
    ASSERT_EQ(CHGetItems(chunker_, CHLIST_DATA, 0, 2, reinterpret_cast<uint16_t*>(data)), TRXERR_OK);
    EXPECT_EQ((std::vector<uint8_t>(data, data + 4)), (std::vector<uint8_t>{0, 1, 2, 3}));
}

TEST_F(ChunkerServices, UnknownHandlesListsAndNullPointersAreRefused)
{
    uint32_t id = 0;
    uint8_t record[CHRECORD_SIZE_CELL_FORMAT];
    uint16_t units[2];
    for (const uint32_t list : {1u, 4u, 17u, 255u, UINT32_MAX})
        EXPECT_EQ(CHGetItemId(chunker_, list, 0, &id), TRXERR_BADPARAM) << list;
    EXPECT_EQ(CHGetItemId(chunker_ + 1, CHLIST_CHANGES, 0, &id), TRXERR_BADPARAM);
    EXPECT_EQ(CHGetItemId(0, CHLIST_CHANGES, 0, &id), TRXERR_BADPARAM);
    EXPECT_EQ(CHGetItemId(chunker_, CHLIST_CHANGES, 0, nullptr), TRXERR_BADPARAM);
    EXPECT_EQ(CHNextItemId(chunker_, CHLIST_CHANGES, 0, nullptr), TRXERR_BADPARAM);
    EXPECT_EQ(CHGetItem(chunker_, CHLIST_CHANGES, 0, nullptr, &id), TRXERR_BADPARAM);
    EXPECT_EQ(CHGetItem(chunker_, CHLIST_CHANGES, 0, record, nullptr), TRXERR_BADPARAM);
    EXPECT_EQ(CHGetItems(chunker_, CHLIST_TEXT, 0, 1, nullptr), TRXERR_BADPARAM);
    EXPECT_EQ(DAGetHChunker(export_->handle() + 1, &chunker_), TRXERR_BADPARAM);
    EXPECT_EQ(DAGetHChunker(export_->handle(), nullptr), TRXERR_BADPARAM);

    // A later export takes over; the earlier handles no longer answer.
    const HEXPORT first = export_->handle();
    const HCHUNKER firstChunker = chunker_;
    {
        Export second(*document_);
        EXPECT_EQ(Export::active(), &second);
        EXPECT_EQ(CHGetItemId(firstChunker, CHLIST_CHANGES, 0, &id), TRXERR_BADPARAM);
        EXPECT_EQ(DAGetHChunker(first, &chunker_), TRXERR_BADPARAM);
    }
    EXPECT_EQ(Export::active(), nullptr);
    EXPECT_EQ(CHGetItems(firstChunker, CHLIST_TEXT, 0, 1, units), TRXERR_BADPARAM);
}

} // namespace
