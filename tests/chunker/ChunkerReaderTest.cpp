// The reader against documents served by the host stand-in: the fixed top of
// the tree, the end of reading, and host failures turned into their codes.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "chunker/ChunkerReader.h"
#include "chunker/ChunkerShade.h"
#include "core/Exceptions.h"
#include "model/Shading.h"

namespace {

using Log = std::vector<std::string>;

// A writer that logs when its node is created and destroyed.
struct LoggingWriter : CNodeWriter {
    LoggingWriter(Log& log, int id) : log(log), id(id) {}
    void onCreate() override { log.push_back("create " + std::to_string(id)); }
    void onDestroy() override { log.push_back("destroy " + std::to_string(id)); }
    Log& log;
    int id;
};

// One export of a listing, read by a reader of its own.
class ReaderRun {
public:
    explicit ReaderRun(const std::string& text)
        : document(trxhost::parseListing(text, "reader.lst")), hostExport(*document)
    {
        reader.setHExport(hostExport.handle());
    }

    // Reads with writers that log the top of the tree.
    void read(Log* log = nullptr)
    {
        reader.initialize(nullptr, factory.getINodeRegistrar(), &factory);
        if (log) {
            for (EContentInterfaceID id : {kDocumentNode, kSectionNode, kParagraphNode})
                factory.getINodeRegistrar()->registerNodeWriterCreator(
                    new readertest::WriterCreator(id, [log, id] { return new LoggingWriter(*log, id); }));
        }
        reader.read(kConvertAll);
    }

    std::unique_ptr<trxhost::Document> document;
    trxhost::Export hostExport;
    CNodeFactory factory;
    CChunkerReader reader;
};

uint32_t codeOfFailure(ReaderRun& run)
{
    const auto failure = failureOf<ExChunkerFailed>([&] { run.read(); });
    return failure ? failure->getTrxErrNumber() : 0;
}

TEST(ChunkerReader, EmptyChangeListBuildsTheTopAndReleasesItAtTheEnd)
{
    ReaderRun run("");
    Log log;
    run.read(&log);
    EXPECT_EQ(log, (Log{"create 8", "create 30", "create 27", "destroy 8", "destroy 30", "destroy 27"}));
}

TEST(ChunkerReader, UnregisteredAndOutOfTableChangesAreIgnored)
{
    ReaderRun run("change 2 1 2 3\nchange 300 1\nchange 254\nchange 0xFFFFFFFF\n");
    EXPECT_NO_THROW(run.read());
}

TEST(ChunkerReader, HostCodeOnAChangeItemEndsTheExportWithThatCode)
{
    ReaderRun run("change 2\nchange 2\nchange 2\nfail CHGetItem list 0 item 2 code 99\n");
    const auto failure = failureOf<ExChunkerFailed>([&] { run.read(); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->getTrxErrNumber(), 99u);
    EXPECT_STREQ(failure->getErrorString(),
                 "REQUIRE_1: locErr == TRXERR_OK || locErr == TRXERR_NOITEM\n\tFile: ChChList  ln(70)");
}

TEST(ChunkerReader, AnItemReadThatDoesNotAdvanceIsMisformedData)
{
    // The host answers success for the item and leaves its id in place.
    for (const char* stall : {"fail CHGetItem list 0 item 2 code 0\n", "fail CHGetItem list 12 item 0 code 0\n"}) {
        ReaderRun run(std::string("font 1 charset 0x14E40100 \"Arial\"\nchange 2\nchange 2\nchange 2\n") + stall);
        EXPECT_TRUE(failureOf<ExMisformedChunkerDataError>([&] { run.read(); })) << stall;
    }
}

TEST(ChunkerReader, FontListAnsweringBadParamJustEndsTheFonts)
{
    ReaderRun run("font 1 charset 0x14E40100 \"Arial\"\nfail CHGetItem list 12 code 15\n");
    EXPECT_NO_THROW(run.read());
    ReaderRun broken("font 1 charset 0x14E40100 \"Arial\"\nfail CHGetItem list 12 code 16\n");
    EXPECT_EQ(codeOfFailure(broken), 16u);
}

TEST(ChunkerReader, MissingHandlesCarryCode45)
{
    ReaderRun noExport("");
    CChunkerList::setHExport(0);
    EXPECT_EQ(codeOfFailure(noExport), 45u);

    ReaderRun noChunker("fail DAGetHChunker code 7\n");
    const auto failure = failureOf<ExChunkerFailed>([&] { noChunker.read(); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->getTrxErrNumber(), 45u);
    EXPECT_STREQ(failure->getErrorString(), "REQUIRE_1: hChunker\n\tFile: ChIList  ln(116)");
}

TEST(ChunkerReader, EachExportReadsItsOwnDocument)
{
    ReaderRun first("font 1 charset 0x14E40100 \"Arial\"\n");
    first.read();
    ReaderRun second("fail CHGetItemId list 0 code 5\n");
    EXPECT_EQ(codeOfFailure(second), 5u) << "the second export asks its own chunker";
}

TEST(ChangeSection, ANonZeroValueFailsTheExportWithCode50)
{
    ReaderRun run("section change 0\nsection change 1\n");
    EXPECT_EQ(codeOfFailure(run), 50u);
}

TEST(ChangeDispatch, EachTypeHasItsOwnHandlerHoldingItsOwnValues)
{
    CChangeListProcess process;
    CChangeFactory& table = process.getChangeFactory();
    CChange& bold = table.getChangeHandler(8);
    CChange& italic = table.getChangeHandler(9);
    EXPECT_NE(&bold, &italic);
    EXPECT_EQ(&table.getChangeHandler(2), &table.getChangeHandler(300)) << "both go to the default handler";
    EXPECT_NE(&table.getChangeHandler(2), &bold);
    INode* current = nullptr;
    process.setChange(8, 1, 2, 3);
    EXPECT_EQ(process.processNextElement(current), 0u);
    process.setChange(9, 4, 5, 6);
    process.processNextElement(current);
    EXPECT_EQ(bold.getValue1(), 1u);
    EXPECT_EQ(italic.getValue3(), 6u);
}

std::vector<unsigned char> bigEndianWords(std::initializer_list<uint32_t> words)
{
    std::vector<unsigned char> bytes;
    for (uint32_t word : words) {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<unsigned char>(word >> shift));
    }
    return bytes;
}

TEST(ShadingRecord, APatternIndexPastTheTableLeavesTheType)
{
    CShading shading;
    CChunkerShade shade;
    shade.transfer(bigEndianWords({13, 0, 0, 0}).data(), shading);
    EXPECT_EQ(shading.getType(), kShadingSolid);
    shade.transfer(bigEndianWords({14, 0, 0, 0}).data(), shading);
    EXPECT_EQ(shading.getType(), kShadingSolid) << "index 14 leaves the type as it was";
}

} // namespace
