// Whole export sessions driven through the entry points against the host
// stand-in: what each failing host call turns into, and what the per-export
// record holds between the calls.
#include "SmallStack.h"

#include "icf/filter.h"
#include "trxhost/Document.h"
#include "trxhost/Export.h"
#include "trxhost/Listing.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>

extern "C" {
TRXERR VwExportOpen(uint32_t specType, const void* spec, uintptr_t kept, HEXPORT hExport, uintptr_t, uintptr_t,
                    SExportProc* record);
TRXERR VwExportWrite(uintptr_t, SExportProc* record);
TRXERR VwExportClose(uintptr_t, SExportProc* record);
}

namespace {

constexpr uintptr_t kJunk = 0x5A5A5A5A;

class ExportSession : public ::testing::Test {
protected:
    ExportSession() : output("/tmp/export-session-" + std::to_string(getpid()) + ".icf")
    {
        for (uintptr_t& word : record.words)
            word = kJunk;
    }
    ~ExportSession() override { std::remove(output.c_str()); }

    TRXERR open(const std::string& text)
    {
        document = trxhost::parseListing(text, "session.lst");
        hostExport = std::make_unique<trxhost::Export>(*document);
        return VwExportOpen(IOTYPE_PATH, output.c_str(), 77, hostExport->handle(), 0, 0, &record);
    }

    bool outputExists() const { return std::ifstream(output).good(); }

    std::string output;
    SExportProc record;
    std::unique_ptr<trxhost::Document> document;
    std::unique_ptr<trxhost::Export> hostExport;
};

TEST_F(ExportSession, OpenFillsTheRecordAndCloseClearsIt)
{
    ASSERT_EQ(open("paragraph end\n"), TRXERR_OK);
    EXPECT_NE(record.words[VWPROC_OUTPUT_FILE], 0u);
    EXPECT_EQ(record.words[1], 0u);
    EXPECT_EQ(record.words[VWPROC_EXPORT], hostExport->handle());
    EXPECT_EQ(record.words[VWPROC_CHUNKER], hostExport->chunkerHandle());
    EXPECT_EQ(record.words[VWPROC_KEPT], 77u);
    EXPECT_NE(record.words[VWPROC_CONVERSION], 0u);
    EXPECT_EQ(record.words[VWPROC_USER1], kJunk) << "user values survive open";
    EXPECT_EQ(record.words[VWPROC_USER2], kJunk);

    EXPECT_EQ(VwExportWrite(0, &record), TRXERR_OK);
    EXPECT_EQ(VwExportClose(0, &record), TRXERR_OK);
    EXPECT_EQ(record.words[VWPROC_OUTPUT_FILE], 0u);
    EXPECT_EQ(record.words[VWPROC_CONVERSION], 0u);
    EXPECT_TRUE(outputExists());
    EXPECT_EQ(VwExportClose(0, &record), TRXERR_OK) << "a closed record closes again quietly";
}

TEST_F(ExportSession, FailingOutputCreationReturnsTheHostCode)
{
    EXPECT_EQ(open("fail IOCreate code -5\n"), -5);
    EXPECT_EQ(record.words[VWPROC_OUTPUT_FILE], 0u);
    EXPECT_EQ(record.words[VWPROC_CONVERSION], 0u);
    EXPECT_EQ(record.words[VWPROC_CHUNKER], 0u) << "no chunker is asked for after a failure";
    EXPECT_EQ(record.words[VWPROC_EXPORT], hostExport->handle());
    EXPECT_FALSE(outputExists());
}

TEST_F(ExportSession, FailingChunkerHandleReturnsTheHostCode)
{
    EXPECT_EQ(open("fail DAGetHChunker code 7\n"), 7);
    EXPECT_EQ(record.words[VWPROC_OUTPUT_FILE], 0u) << "the output file is closed again";
    EXPECT_EQ(record.words[VWPROC_CONVERSION], 0u);
}

TEST_F(ExportSession, FailingChunkerProbeReturnsTheHostCode)
{
    EXPECT_EQ(open("fail CHGetItemId list 0 item 0 code 99\nparagraph end\n"), 99);
    EXPECT_EQ(record.words[VWPROC_OUTPUT_FILE], 0u);
    EXPECT_EQ(record.words[VWPROC_CONVERSION], 0u);
}

TEST_F(ExportSession, ProbeFailureOnAnotherListDoesNotMatter)
{
    EXPECT_EQ(open("fail CHGetItemId list 12 code 99\n"), TRXERR_OK);
    EXPECT_EQ(VwExportClose(0, &record), TRXERR_OK);
}

TEST_F(ExportSession, HostFailureWhileReadingReturnsItsCodeFromWrite)
{
    ASSERT_EQ(open("change 2\nchange 2\nfail CHGetItem list 0 item 1 code 77\n"), TRXERR_OK);
    EXPECT_EQ(VwExportWrite(0, &record), 77);
    EXPECT_EQ(VwExportClose(0, &record), TRXERR_OK);
}

TEST_F(ExportSession, SecondExportIsRefusedWhileOneIsOpen)
{
    ASSERT_EQ(open("paragraph end\n"), TRXERR_OK);
    const std::string secondOutput = output + ".second";
    SExportProc second;
    auto openSecond = [&] {
        return VwExportOpen(IOTYPE_PATH, secondOutput.c_str(), 0, hostExport->handle(), 0, 0, &second);
    };
    TRXERR refused = TRXERR_OK;
    std::thread([&] { refused = openSecond(); }).join();
    EXPECT_EQ(refused, 18);
    EXPECT_EQ(second.words[VWPROC_CONVERSION], 0u);
    EXPECT_EQ(second.words[VWPROC_OUTPUT_FILE], 0u);
    EXPECT_EQ(VwExportWrite(0, &record), TRXERR_OK) << "the open export runs on";
    EXPECT_EQ(VwExportClose(0, &record), TRXERR_OK);

    EXPECT_EQ(openSecond(), TRXERR_OK) << "the next export is accepted once the first has closed";
    EXPECT_EQ(VwExportClose(0, &second), TRXERR_OK);
    std::remove(secondOutput.c_str());
}

TEST_F(ExportSession, MissingChunkerWhileReadingReturns45)
{
    // The first chunker request (at open) succeeds; the reader asks again.
    ASSERT_EQ(open("change 2\n"), TRXERR_OK);
    document->addFailure({"DAGetHChunker", std::nullopt, std::nullopt, 9});
    EXPECT_EQ(VwExportWrite(0, &record), 45);
    EXPECT_EQ(VwExportClose(0, &record), TRXERR_OK);
}

TEST_F(ExportSession, DeeplyNestedColumnGroupsConvertOnASmallStack)
{
    constexpr int kLevels = 100000;
    std::string listing = "@columns record 3 0 0 1 0 0\ndocument properties done\n";
    for (int level = 0; level < kLevels; ++level)
        listing += "begin columns @columns\ncolumns done\n";
    listing += "text \"deep\"\nparagraph end\n";
    for (int level = 0; level < kLevels; ++level)
        listing += "end columns\n";
    listing += "text \"shallow\"\nparagraph end\ndocument end\n";
    TRXERR opened = -1, written = -1, closed = -1;
    runOnStackOf(kSmallStack, [&] {
        opened = open(listing);
        written = VwExportWrite(0, &record);
        closed = VwExportClose(0, &record);
    });
    EXPECT_EQ(opened, TRXERR_OK);
    EXPECT_EQ(written, TRXERR_OK);
    EXPECT_EQ(closed, TRXERR_OK);
    EXPECT_TRUE(outputExists());
}

} // namespace
