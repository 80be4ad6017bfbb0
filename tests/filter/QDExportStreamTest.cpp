#include "filter/QDExportStream.h"
#include "filter/RecordingHostFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

unsigned writeBytes(CQDExportStream& stream, std::size_t size, char fill = 'x')
{
    const std::string data(size, fill);
    unsigned count = 12345;
    stream.write(static_cast<unsigned>(size), data.data(), &count);
    return count;
}

TEST(QDExportStream, HoldsUpToAFullBufferThenFlushesBeforeTheNextByte)
{
    RecordingHostFile file;
    {
        CQDExportStream stream(file.handle());
        EXPECT_EQ(writeBytes(stream, 512), 512u);
        EXPECT_TRUE(file.writeSizes.empty());
        EXPECT_EQ(writeBytes(stream, 1), 1u);
        EXPECT_EQ(file.writeSizes, (std::vector<uint32_t>{512}));
    }
    // The destructor flushes the byte left in the buffer.
    EXPECT_EQ(file.writeSizes, (std::vector<uint32_t>{512, 1}));
    EXPECT_EQ(file.contents.size(), 513u);
    EXPECT_EQ(file.closes, 0);
}

TEST(QDExportStream, LongWriteGoesStraightToTheFileAfterTheBufferedBytes)
{
    RecordingHostFile file;
    {
        CQDExportStream stream(file.handle());
        writeBytes(stream, 10, 'a');
        writeBytes(stream, 600, 'b');
        EXPECT_EQ(file.writeSizes, (std::vector<uint32_t>{10, 600}));
        writeBytes(stream, 513, 'c');
        EXPECT_EQ(file.writeSizes, (std::vector<uint32_t>{10, 600, 513}));
    }
    EXPECT_EQ(file.contents, std::string(10, 'a') + std::string(600, 'b') + std::string(513, 'c'));
}

TEST(QDExportStream, ShortHostWriteReportsACountOfZero)
{
    RecordingHostFile file;
    CQDExportStream stream(file.handle());
    writeBytes(stream, 100);
    file.shortWrites = true;
    // Flushing the 100 bytes falls short: the count of the write that
    // caused the flush is 0, but its own bytes are buffered all the same.
    EXPECT_EQ(writeBytes(stream, 500), 0u);
    EXPECT_EQ(writeBytes(stream, 700), 0u);
    file.shortWrites = false;
    EXPECT_EQ(writeBytes(stream, 1), 1u);
}

TEST(QDExportStream, PositionCallsFlushFirst)
{
    RecordingHostFile file;
    CQDExportStream stream(file.handle());
    writeBytes(stream, 40);
    EXPECT_EQ(stream.getCurrentPosition(), 40u);
    stream.setCurrentPosition(5, kStreamFromStart);
    EXPECT_EQ(stream.getCurrentPosition(), 5u);
    stream.setCurrentPosition(0, kStreamFromEnd);
    EXPECT_EQ(stream.getCurrentPosition(), 40u);
    // An unknown origin counts as the current position.
    stream.setCurrentPosition(static_cast<unsigned long>(-10), static_cast<EbrStreamOffset>(7));
    EXPECT_EQ(stream.getCurrentPosition(), 30u);
}

TEST(QDExportStream, ReadDoesNotFlushPendingBytes)
{
    RecordingHostFile file;
    file.contents = "abc";
    CQDExportStream stream(file.handle());
    writeBytes(stream, 4);
    char buffer[8] = {};
    unsigned count = 0;
    EXPECT_EQ(stream.read(8, buffer, &count), 0u);
    EXPECT_EQ(count, 3u);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_TRUE(file.writeSizes.empty());
}

TEST(QDExportStream, WithoutAFileEveryFlushFallsShort)
{
    CQDExportStream stream;
    EXPECT_EQ(writeBytes(stream, 512), 512u);
    EXPECT_EQ(writeBytes(stream, 1), 0u);
    EXPECT_EQ(stream.getCurrentPosition(), 0u);
}

} // namespace
