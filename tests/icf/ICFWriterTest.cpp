#include "icf/ICFWriter.h"

#include "ICFOutputFixture.h"

#include "core/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <list>
#include <string>

namespace {

class ICFWriterTest : public ICFOutputFixture {
protected:
    std::string written(const std::function<void(CICFWriter&)>& write)
    {
        output().clear();
        write(writer);
        return output();
    }

    void writeBytes(const std::string& bytes)
    {
        writer.writeByteArray(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data()));
    }

    // The message of the ExICFWriter that `write` raises, or "" if none.
    std::string failure(const std::function<void(CICFWriter&)>& write)
    {
        try {
            write(writer);
        } catch (const ExICFWriter& error) {
            return error.getErrorString();
        }
        return "";
    }
};

TEST_F(ICFWriterTest, ByteArraysGoOutRawOrAsTwoDigitsPerByte)
{
    const unsigned char bytes[] = {0x00, 0x1b, 0xff};
    EXPECT_EQ(written([&](CICFWriter& w) { w.writeByteArray(3, bytes); }), std::string("\x00\x1b\xff", 3));
    EXPECT_EQ(written([&](CICFWriter& w) { w.writeAsciiHexByteArray(3, bytes); }), "001bff");

    stream.writes = 0;
    writer.writeByteArray(0, bytes);
    writer.writeByteArray(5, nullptr);
    writer.writeAsciiHexByteArray(5, nullptr);
    EXPECT_EQ(stream.writes, 0u);
}

TEST_F(ICFWriterTest, OutputStaysSuppressedUntilEveryDisableIsUndone)
{
    writer.disableOutput();
    writer.disableOutput();
    writer.enableOutput();
    stream.acceptedPerWrite = 0; // a failing stream is not even reached
    EXPECT_EQ(failure([](CICFWriter& w) {
                  w.writeByte('a');
                  w.writeAsciiDecimal(1);
              }),
              "");
    EXPECT_EQ(stream.writes, 0u);
    stream.acceptedPerWrite = 100;

    writer.enableOutput();
    writer.enableOutput(); // one too many: the count stays at 0
    writer.disableOutput();
    EXPECT_FALSE(writer.isOutputEnabled());
    writer.enableOutput();
    EXPECT_EQ(written([](CICFWriter& w) { w.writeByte('b'); }), "b");
}

TEST_F(ICFWriterTest, BytesReachTheStreamInRunsOfAtMostABuffer)
{
    const std::string held(CICFWriter::kBufferSize - 1, 'a');
    const std::string large(CICFWriter::kBufferSize + 1, 'c');
    stream.writes = 0;
    writeBytes(held);
    writer.writeByte('b');
    EXPECT_EQ(stream.writes, 0u) << "a full buffer is still held";
    writer.writeByte('b');
    EXPECT_EQ(stream.bytes, held + "b");
    writeBytes(large);
    EXPECT_EQ(stream.bytes, held + "bb" + large) << "the held byte first, then the large run directly";
    EXPECT_EQ(stream.writes, 3u);
}

TEST_F(ICFWriterTest, AShortWriteNamesTheRoutineWhoseBytesOverflowedTheBuffer)
{
    const std::string full(CICFWriter::kBufferSize, 'x');
    const auto fill = [&](CICFWriter&) { writeBytes(full); };
    stream.acceptedPerWrite = 0;
    EXPECT_EQ(failure(fill), "");
    EXPECT_EQ(failure([](CICFWriter& w) { w.writeByte('a'); }), "REQUIRE: bytesWritten == 1\n\tFile: WICF  ln(243)");
    EXPECT_EQ(failure([&](CICFWriter& w) {
                  fill(w);
                  w.writeAsciiDecimal(12345);
              }),
              "REQUIRE: bytesWritten == amountToWrite\n\tFile: WICF  ln(169)");
    EXPECT_EQ(failure([&](CICFWriter& w) {
                  fill(w);
                  w.writeAsciiHexByteArray(1, reinterpret_cast<const unsigned char*>("a"));
              }),
              "REQUIRE: bytesWritten == amountToWrite\n\tFile: WICF  ln(188)");
    EXPECT_EQ(failure(fill), "") << "the failed run is not held again";
    const std::string byteArrayFailed = "REQUIRE: bytesWritten == dwByteCount\n\tFile: WICF  ln(224)";
    EXPECT_EQ(failure([](CICFWriter& w) { w.flush(); }), byteArrayFailed);
    EXPECT_EQ(failure([&](CICFWriter&) { writeBytes(full + "x"); }), byteArrayFailed);
    EXPECT_EQ(stream.bytes, "");
}

TEST(ICFWriterOptions, NeverConvertListSkipsZeroEntriesAndAccumulates)
{
    CICFWriter writer;
    const long first[] = {5, 0, 7};
    writer.setGraphicsToNeverConvertToMSG(first, 3);
    const long second[] = {9, 11};
    writer.setGraphicsToNeverConvertToMSG(second, 1);
    writer.setGraphicsToNeverConvertToMSG(second, -4);
    writer.setGraphicsToNeverConvertToMSG(nullptr, 3);
    EXPECT_EQ(writer.getGraphicsToNeverConvertToMSGList(), (std::list<long>{5, 7, 9}));
}

} // namespace
