// The file services at their edges: the execution path's length, embedded
// objects opened by name, the temporary names and the copy of an object.
#include "ServicesFixture.h"

#include <cstring>

namespace {

using FileServices = ServicesFixture;

const std::string kEmbeddedName = "c2i_546_SRC_0000001A0000000b";

TEST_F(FileServices, ExecutionPathTakesAtMost253Characters)
{
    char path[256];
    EXPECT_EQ(setExecutionPath(std::string(253, 'p').c_str()), 1);
    ASSERT_EQ(getExecutionPath(path), 1);
    EXPECT_EQ(std::string(path), std::string(253, 'p'));

    EXPECT_EQ(setExecutionPath(std::string(254, 'q').c_str()), 0);
    EXPECT_TRUE(isExecutionPathEmpty()) << "a refused path clears the previous one";
    EXPECT_EQ(g_setExecutionPath("/opt/converters"), 1);
    EXPECT_EQ(setExecutionPath(nullptr), 1);
    EXPECT_TRUE(isExecutionPathEmpty());
    EXPECT_EQ(getExecutionPath(nullptr), 0);
}

TEST_F(FileServices, EmbeddedNameOpensTheObjectOfItsTwoNumbers)
{
    useDocument("object 26 11 hex 54455354\nobject 26 12 hex 00\n"); // "TEST"
    const HIOFILE file = c2iGrafxIfsOpen(kEmbeddedName.c_str(), IFS_MODE_READ, 0);
    ASSERT_NE(file, C2I_INVALID_HANDLE);
    char bytes[8] = {};
    EXPECT_EQ(c2iGrafxIfsRead(file, bytes, sizeof bytes), 4);
    EXPECT_EQ(std::string(bytes), "TEST");
    EXPECT_EQ(c2iGrafxIfsLSeek(file, 1, IOSEEK_START), 1);
    EXPECT_EQ(c2iGrafxIfsLSeek(file, 2, 9), 3) << "an unknown origin counts from the current position";
    EXPECT_EQ(c2iGrafxIfsWrite(file, "x", 1), 0) << "an object cannot be written";
    EXPECT_EQ(c2iGrafxIfsClose(file), 0);

    EXPECT_EQ(c2iGrafxIfsGetSize(kEmbeddedName.c_str()), 4);
    EXPECT_EQ(c2iGrafxIfsCheckExist(kEmbeddedName.c_str()), 0);
    EXPECT_EQ(c2iGrafxIfsCheckExist("c2i_546_SRC_0000001A0000000d"), -1);
    EXPECT_EQ(c2iGrafxIfsCheckExist(nullptr), -1);
    EXPECT_EQ(asciiHexToLong("fG"), 240u) << "a character that is no digit still shifts";
}

TEST_F(FileServices, HostFileModesCreateAppendAndRemovePlainFiles)
{
    const HIOFILE created = c2iGrafxIfsOpen("a.bin", IFS_MODE_WRITE, 0);
    ASSERT_NE(created, C2I_INVALID_HANDLE);
    EXPECT_EQ(c2iGrafxIfsWrite(created, "abc", 3), 3);
    c2iGrafxIfsClose(created);

    const HIOFILE appended = c2iGrafxIfsOpen("a.bin", IFS_MODE_APPEND, 0);
    EXPECT_EQ(c2iGrafxIfsWrite(appended, "de", 2), 2);
    c2iGrafxIfsClose(appended);
    EXPECT_EQ(contents("a.bin"), "abcde");

    EXPECT_EQ(c2iGrafxIfsOpen("missing.bin", IFS_MODE_READ, 0), C2I_INVALID_HANDLE);
    const HIOFILE opened = c2iGrafxIfsOpen("missing.bin", 0, 0);
    EXPECT_NE(opened, C2I_INVALID_HANDLE) << "another mode creates a missing file";
    c2iGrafxIfsClose(opened);
    EXPECT_EQ(c2iGrafxIfsGetSize("a.bin"), 5);

    EXPECT_EQ(c2iGrafxIfsUnlink("a.bin"), 0);
    EXPECT_EQ(files(), std::set<std::string>{"missing.bin"});
}

TEST_F(FileServices, CounterGivesItsLastSixDigitsWithoutATerminatingZero)
{
    setTempFileCounter(1234567);
    char digits[8];
    std::memset(digits, '#', sizeof digits);
    getTempFileCounterString(digits);
    EXPECT_EQ(std::string(digits, sizeof digits), "234567##");
    setTempFileCounter(42);
    getTempFileCounterString(digits);
    EXPECT_EQ(std::string(digits, 6), "000042");
}

TEST_F(FileServices, TemporaryNameNeedsRoomForFifteenBytes)
{
    setTempFileCounter(1234567);
    char name[32];
    std::memset(name, '#', sizeof name);
    EXPECT_EQ(createTemporaryFile(14, name), C2I_FAILED);
    EXPECT_TRUE(files().empty()) << "the file made is removed again";
    EXPECT_EQ(name[0], '#');

    ASSERT_EQ(createTemporaryFile(15, name), C2I_OK);
    EXPECT_EQ(std::string(name), "./QT234567.TMP");
    EXPECT_EQ(ifsGetSize(name), 0);

    ASSERT_EQ(g_genTempFilename(15, name), C2I_OK);
    EXPECT_EQ(std::string(name), "./QT234568.TMP") << "a taken name counts on";
    EXPECT_EQ(files(), (std::set<std::string>{"QT234567.TMP", "QT234568.TMP"}));
    EXPECT_EQ(createTemporaryFile(255, nullptr), C2I_FAILED);
}

TEST_F(FileServices, FolderThatTakesNoFilesGivesNoTemporaryName)
{
    std::filesystem::remove(scratch_);
    char name[32] = {};
    EXPECT_EQ(createTemporaryFile(sizeof name, name), C2I_FAILED);
    EXPECT_EQ(name[0], '\0');
}

TEST_F(FileServices, CutToDiskCopiesTheWholeObject)
{
    const std::string bytes(600, 'z');
    std::string hex;
    for (size_t i = 0; i < bytes.size(); ++i)
        hex += "7a";
    useDocument("object 26 11 hex " + hex + "\nobject 3 3 hex\n");

    char copied[255] = {};
    ASSERT_EQ(cutGraphicToDisk(kEmbeddedName.c_str(), copied), 0);
    EXPECT_EQ(contents(copied), bytes) << "more than one block";

    char empty[255] = {};
    ASSERT_EQ(cutGraphicToDisk("c2i_546_SRC_0000000300000003", empty), 0);
    EXPECT_EQ(ifsGetSize(empty), 0);
    EXPECT_EQ(files().size(), 2u);

    char missing[255] = {};
    EXPECT_EQ(cutGraphicToDisk("c2i_546_SRC_0000000400000004", missing), 1);
    EXPECT_EQ(files().size(), 2u);
}

} // namespace
