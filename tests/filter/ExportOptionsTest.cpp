// The host's export options reach the conversion and the writer in a fixed
// order, so that later options override earlier ones.
#include "filter/ExportOptions.h"
#include "core/Stream.h"
#include "filter/Conversion.h"
#include "trxhost/Document.h"
#include "trxhost/Export.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Writer options that record every call as one line of text.
class RecordingWriterOptions : public IbrICFWriterOptions {
public:
    std::vector<std::string> calls;
    IbrStream* fileList = nullptr;

    void setDefaultCodePage(short codePage) override { add("codePage", codePage); }
    short getDefaultCodePage() override { return 0; }
    void enableGraphics() override { add("enableGraphics"); }
    void disableGraphics(EbrGfxRects rects) override { add("disableGraphics", rects); }
    bool areGraphicsEnabled() override { return false; }
    void setGraphicsTempFilesDeletion(EbrGfxTempFileDeletion value) override { add("tempFiles", value); }
    bool areGraphicTempFilesToBeDeleted() override { return false; }
    void setEmbeddedGraphicsAction(EbrGfxAction action, EbrGfxConversion conversion, bool flag) override
    {
        add("embedded", action, conversion, flag);
    }
    void getEmbeddedGraphicsAction(EbrGfxAction*, EbrGfxConversion*, bool*) override {}
    void setReferencedGraphicsAction(EbrGfxAction action, EbrGfxConversion conversion, bool flag) override
    {
        add("referenced", action, conversion, flag);
    }
    void getReferencedGraphicsAction(EbrGfxAction*, EbrGfxConversion*, bool*) override {}
    void setGraphicsToNeverConvertToMSG(const long* list, long count) override
    {
        std::ostringstream line;
        line << "neverConvert";
        for (long i = 0; i < count; ++i)
            line << ' ' << list[i];
        calls.push_back(line.str());
    }
    void generateReferencedFileList(IbrStream* stream) override
    {
        fileList = stream;
        add("fileList");
    }
    bool isReferencedFileListToBeGenerated(IbrStream**) override { return false; }
    const std::list<long>& getGraphicsToNeverConvertToMSGList() override { return m_none; }
    bool areGraphicRectsVisible() override { return false; }

private:
    template <class... Values>
    void add(const char* name, Values... values)
    {
        std::ostringstream line;
        line << name;
        ((line << ' ' << static_cast<long>(values)), ...);
        calls.push_back(line.str());
    }
    std::list<long> m_none;
};

// A conversion whose writer options are the recorder.
class RecordingConversion : public CConversion {
public:
    IbrWriterOptions* getWriterOptions() override { return &options; }
    RecordingWriterOptions options;
};

std::vector<uint8_t> bytesOf(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end() + 1);
}

class ExportOptions : public ::testing::Test {
protected:
    ExportOptions() : hostExport(document) {}

    void set(uint32_t id, uint32_t value = 0) { hostExport.setNumericOption(id, value); }

    std::vector<std::string> apply()
    {
        applyExportOptions(*conversion, hostExport.handle());
        return conversion->options.calls;
    }

    trxhost::Document document;
    trxhost::Export hostExport;
    std::unique_ptr<RecordingConversion> conversion = std::make_unique<RecordingConversion>();
};

TEST_F(ExportOptions, NoneSetStillResetsTheReportingLevel)
{
    conversion->setReportingLevel(5);
    EXPECT_TRUE(apply().empty());
    EXPECT_EQ(conversion->getReportingLevel(), 0);
}

TEST_F(ExportOptions, AppliedInTableOrderWithTheirFixedArguments)
{
    for (uint32_t id : {32u, 36u, 38u, 39u, 40u, 41u, 42u, 44u, 45u, 46u, 47u})
        set(id, id == 36 ? 0x10000 + 1250 : id == 32 ? 0x20003 : 0);
    EXPECT_EQ(apply(), (std::vector<std::string>{"codePage 1250", "enableGraphics", "disableGraphics 1", "tempFiles 1",
                                                 "embedded 1 0 0", "referenced 0 0 0", "referenced 1 0 0",
                                                 "embedded 1 1 0", "referenced 1 1 0", "embedded 1 1 1",
                                                 "referenced 1 1 1", "disableGraphics 1"}));
    EXPECT_EQ(conversion->getReportingLevel(), 3) << "the low 16 bits";
}

TEST_F(ExportOptions, NeverConvertListIsReadAsThirtyTwoBitEntries)
{
    std::vector<uint8_t> bytes(14);
    const int32_t entries[3] = {5, 0, -7};
    std::memcpy(bytes.data(), entries, sizeof entries);
    hostExport.setOption(43, bytes);
    EXPECT_EQ(apply(), (std::vector<std::string>{"neverConvert 5 0 -7"})) << "a trailing partial entry is dropped";
}

TEST_F(ExportOptions, ReferencedFileListGetsAFileAndAStream)
{
    const std::string path = "/tmp/export-options-" + std::to_string(getpid()) + ".txt";
    hostExport.setOption(54, bytesOf(path));
    EXPECT_EQ(apply(), (std::vector<std::string>{"fileList"}));
    ASSERT_NE(conversion->options.fileList, nullptr);
    EXPECT_NE(conversion->getReferenceListFileHandle(), CConversion::kNoReferenceListFile);
    unsigned count = 0;
    conversion->options.fileList->write(5, "a.png", &count);
    EXPECT_EQ(count, 5u);
    conversion.reset();
    std::ifstream written(path);
    std::string contents;
    std::getline(written, contents);
    EXPECT_EQ(contents, "a.png") << "the stream is flushed before its file is closed";
    std::remove(path.c_str());
}

TEST_F(ExportOptions, UncreatableReferencedFileListIsSkipped)
{
    hostExport.setOption(54, bytesOf("/nonexistent-dir/list.txt"));
    EXPECT_TRUE(apply().empty());
    EXPECT_EQ(conversion->getReferenceListFileHandle(), CConversion::kNoReferenceListFile);
}

} // namespace
