#include "HostDocumentSupport.h"
#include "trx/platform.h"
#include "trxhost/Export.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using trxhost::Export;

std::string optionText(HEXPORT hExport, uint32_t id, uint32_t size, TRXERR* code)
{
    std::vector<char> buffer(size + 1, '\x7F');
    *code = DAGetOption(hExport, id, buffer.data(), &size);
    return *code == TRXERR_OK ? std::string(buffer.data(), size) : std::string();
}

TEST(DocumentOptions, AreDeliveredWithinTheBufferAndOverriddenByTheExport)
{
    const auto document = listing(R"(
        option 36 1252
        option 54 "refs.txt"
        option 43 1 2 3
    )");
    Export hostExport(*document);
    uint32_t value = 0;
    uint32_t size = DAOPT_NUMERIC_SIZE;
    ASSERT_EQ(DAGetOption(hostExport.handle(), DAOPT_DEFAULT_CODE_PAGE, &value, &size), TRXERR_OK);
    EXPECT_EQ(value, 1252u);
    EXPECT_EQ(size, 4u);

    TRXERR code;
    EXPECT_EQ(optionText(hostExport.handle(), DAOPT_REFERENCED_FILE_LIST, DAOPT_LIST_SIZE, &code),
              std::string("refs.txt\0", 9));
    EXPECT_EQ(optionText(hostExport.handle(), DAOPT_REFERENCED_FILE_LIST, 3, &code), "ref");
    EXPECT_EQ(optionText(hostExport.handle(), DAOPT_NEVER_CONVERT_LIST, DAOPT_LIST_SIZE, &code).size(), 12u);
    EXPECT_EQ(optionText(hostExport.handle(), DAOPT_REFERENCED_FILE_LIST, 0, &code), "");
    EXPECT_EQ(code, TRXERR_OK);

    size = DAOPT_NUMERIC_SIZE;
    EXPECT_EQ(DAGetOption(hostExport.handle(), DAOPT_ENABLE_GRAPHICS, &value, &size), TRXERR_NOITEM);
    EXPECT_EQ(size, 4u);

    hostExport.setNumericOption(DAOPT_DEFAULT_CODE_PAGE, 1250);
    hostExport.setOption(DAOPT_ENABLE_GRAPHICS, {1, 0, 0, 0});
    size = DAOPT_NUMERIC_SIZE;
    ASSERT_EQ(DAGetOption(hostExport.handle(), DAOPT_DEFAULT_CODE_PAGE, &value, &size), TRXERR_OK);
    EXPECT_EQ(value, 1250u);
    EXPECT_EQ(DAGetOption(hostExport.handle(), DAOPT_ENABLE_GRAPHICS, &value, &size), TRXERR_OK);
    EXPECT_EQ(document->option(DAOPT_DEFAULT_CODE_PAGE)->size(), 4u) << "the document keeps its own";

    EXPECT_EQ(DAGetOption(hostExport.handle() + 8, DAOPT_DEFAULT_CODE_PAGE, &value, &size), TRXERR_BADPARAM);
    EXPECT_EQ(DAGetOption(hostExport.handle(), DAOPT_DEFAULT_CODE_PAGE, nullptr, &size), TRXERR_BADPARAM);
    EXPECT_EQ(DAGetOption(hostExport.handle(), DAOPT_DEFAULT_CODE_PAGE, &value, nullptr), TRXERR_BADPARAM);
}

TEST(InjectedFailures, AnswerTheirCodeForTheCallTheyName)
{
    const auto document = listing(R"(
        text "abc"
        bold on
        fail CHGetItem list 0 item 1 code 99
        fail CHGetItems item 2 code 12
        fail DAGetOption item 36 code 8
        fail DAGetHChunker code 7
        fail IOCreate code -5
    )");
    Export hostExport(*document);
    HCHUNKER chunker = 12345;
    EXPECT_EQ(DAGetHChunker(hostExport.handle(), &chunker), 7);
    EXPECT_EQ(chunker, 12345u) << "a failing call writes nothing";
    chunker = hostExport.chunkerHandle();

    Change change{};
    uint32_t id = 0;
    EXPECT_EQ(CHGetItem(chunker, CHLIST_CHANGES, 0, change.data(), &id), TRXERR_OK);
    EXPECT_EQ(CHGetItem(chunker, CHLIST_CHANGES, 1, change.data(), &id), 99);
    EXPECT_EQ(id, 1u);
    EXPECT_EQ(change, (Change{7, 0, 3, 0}));
    EXPECT_EQ(CHGetItem(chunker, CHLIST_TEXT, 1, change.data(), &id), TRXERR_OK) << "another list";

    uint16_t units[1];
    EXPECT_EQ(CHGetItems(chunker, CHLIST_TEXT, 2, 1, units), 12) << "any list";
    EXPECT_EQ(CHGetItems(chunker, CHLIST_DATA, 2, 1, units), 12) << "any list, even at a bad position";

    uint32_t value = 0;
    uint32_t size = DAOPT_NUMERIC_SIZE;
    EXPECT_EQ(DAGetOption(hostExport.handle(), DAOPT_DEFAULT_CODE_PAGE, &value, &size), 8);
    EXPECT_EQ(DAGetOption(hostExport.handle(), DAOPT_ENABLE_GRAPHICS, &value, &size), TRXERR_NOITEM);

    // The host file services consult the same failures.
    HIOFILE file = nullptr;
    EXPECT_EQ(IOCreate(&file, IOTYPE_PATH, "/tmp/never-created", IOACCESS_READWRITE), -5);
    EXPECT_EQ(file, nullptr);
}

class EmbeddedObjects : public ::testing::Test {
protected:
    void SetUp() override
    {
        directory_ = std::filesystem::temp_directory_path() / ("host-objects-" + std::to_string(::getpid()));
        std::filesystem::create_directories(directory_);
        std::ofstream(directory_ / "pic.bin", std::ios::binary) << std::string("\x89PNG\0\x01", 6);
        document_ = listing("object 26 11 file \"pic.bin\"\n"
                            "object 0x1A 12 hex 00ff10\n"
                            "object 3 3 hex\n"
                            "fail DAGetHIOFile list 3 item 3 code 44\n",
                            (directory_ / "doc.lst").string());
        export_ = std::make_unique<Export>(*document_);
        ASSERT_EQ(DARetrieveDocHandle(export_->handle(), &docHandle_), TRXERR_OK);
    }

    void TearDown() override { std::filesystem::remove_all(directory_); }

    TRXERR open(uint32_t first, uint32_t second, HDOC* opened, uint32_t size = 24)
    {
        DAEMBEDDEDSPEC spec = {size, docHandle_, first, second, {0, 0}};
        *opened = docHandle_;
        return DAOpenDocument(opened, IOTYPE_EMBEDDED, &spec, 0);
    }

    // Opens the object as a host file and reads it whole.
    std::string readObject(uint32_t first, uint32_t second)
    {
        HDOC opened = 0;
        HIOFILE file = nullptr;
        EXPECT_EQ(open(first, second, &opened), TRXERR_OK);
        EXPECT_EQ(DAGetHIOFile(opened, &file), TRXERR_OK);
        if (!file)
            return "(no file)";
        std::string bytes;
        char buffer[4];
        uint32_t count = 0;
        while (file->rtns.read(file, buffer, sizeof buffer, &count) == TRXERR_OK && count > 0)
            bytes.append(buffer, count);
        file->rtns.close(file);
        return bytes;
    }

    std::filesystem::path directory_;
    std::unique_ptr<trxhost::Document> document_;
    std::unique_ptr<Export> export_;
    HDOC docHandle_ = 0;
};

TEST_F(EmbeddedObjects, ReadBackThroughHostFiles)
{
    EXPECT_EQ(readObject(26, 11), std::string("\x89PNG\0\x01", 6));
    EXPECT_EQ(readObject(26, 12), std::string("\x00\xff\x10", 3));
    EXPECT_EQ(readObject(26, 11).size(), 6u) << "an object opens again";
}

TEST_F(EmbeddedObjects, RefuseUnknownObjectsSpecificationsAndHandles)
{
    HDOC opened = 0;
    HIOFILE file = nullptr;
    EXPECT_EQ(open(26, 13, &opened), TRXERR_NOITEM);
    EXPECT_EQ(opened, docHandle_) << "a failing call writes nothing";
    EXPECT_EQ(open(26, 11, &opened, 32), TRXERR_BADPARAM);
    DAEMBEDDEDSPEC foreign = {24, docHandle_ + 1, 26, 11, {0, 0}};
    EXPECT_EQ(DAOpenDocument(&opened, IOTYPE_EMBEDDED, &foreign, 0), TRXERR_BADPARAM);
    EXPECT_EQ(DAOpenDocument(&opened, IOTYPE_PATH, &foreign, 0), TRXERR_BADPARAM);
    EXPECT_EQ(DAOpenDocument(&opened, IOTYPE_EMBEDDED, nullptr, 0), TRXERR_BADPARAM);
    EXPECT_EQ(DAGetHIOFile(docHandle_, &file), TRXERR_BADPARAM) << "the document itself is no object";
    EXPECT_EQ(DAGetHIOFile(12345, &file), TRXERR_BADPARAM);

    ASSERT_EQ(open(3, 3, &opened), TRXERR_OK);
    EXPECT_EQ(DAGetHIOFile(opened, &file), 44) << "injected";
    EXPECT_EQ(file, nullptr);
    EXPECT_EQ(DAGetHIOFile(opened, nullptr), TRXERR_BADPARAM);

    ASSERT_EQ(open(26, 11, &opened), TRXERR_OK);
    export_.reset();
    EXPECT_EQ(DAGetHIOFile(opened, &file), TRXERR_BADPARAM) << "the export is over";
    EXPECT_EQ(DARetrieveDocHandle(0, &opened), TRXERR_BADPARAM);
}

} // namespace
