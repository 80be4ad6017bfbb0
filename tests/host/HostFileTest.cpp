#include "host/HostFile.h"
#include "trx/platform.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class HostFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/hostfile-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string path(const char* name) const { return dir_ + "/" + name; }

    static void writeFile(const std::string& file, const std::string& bytes)
    {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static bool exists(const std::string& file) { return access(file.c_str(), F_OK) == 0; }

    static TRXERR write(HIOFILE file, const std::string& bytes, uint32_t* written)
    {
        return file->rtns.write(file, bytes.data(), static_cast<uint32_t>(bytes.size()), written);
    }
    static std::string read(HIOFILE file, uint32_t size, TRXERR* code)
    {
        std::string bytes(size, '\0');
        uint32_t count = 0xDEAD;
        *code = file->rtns.read(file, bytes.data(), size, &count);
        bytes.resize(count);
        return bytes;
    }
    static uint32_t position(HIOFILE file)
    {
        uint32_t at = 0;
        EXPECT_EQ(file->rtns.tell(file, &at), TRXERR_OK);
        return at;
    }
    static uint32_t size(HIOFILE file)
    {
        uint32_t bytes = 0;
        EXPECT_EQ(file->rtns.getInfo(file, IOINFO_SIZE, &bytes), TRXERR_OK);
        return bytes;
    }

    std::string dir_;
};

TEST_F(HostFileTest, CreatedFileIsWrittenAndReadBackUpToEndOfFile)
{
    const std::string name = path("out.icf");
    HIOFILE file = nullptr;
    ASSERT_EQ(IOCreate(&file, IOTYPE_PATH, name.c_str(), IOACCESS_READWRITE), TRXERR_OK);
    uint32_t written = 0;
    EXPECT_EQ(write(file, "hello world", &written), TRXERR_OK);
    EXPECT_EQ(written, 11u);
    EXPECT_EQ(size(file), 11u);

    TRXERR code = 0;
    ASSERT_EQ(file->rtns.seek(file, IOSEEK_START, 0), TRXERR_OK);
    EXPECT_EQ(read(file, 5, &code), "hello");
    EXPECT_EQ(code, TRXERR_OK);
    EXPECT_EQ(read(file, 100, &code), " world"); // a partial read still succeeds
    EXPECT_EQ(code, TRXERR_OK);
    EXPECT_EQ(read(file, 100, &code), "");
    EXPECT_EQ(code, TRXERR_EOF);
    EXPECT_EQ(file->rtns.close(file), TRXERR_OK);

    ASSERT_EQ(IOOpen(&file, IOTYPE_PATH, name.c_str(), IOACCESS_READWRITE), TRXERR_OK);
    EXPECT_EQ(read(file, 100, &code), "hello world");
    EXPECT_EQ(file->rtns.close(file), TRXERR_OK);

    // Creating an existing file empties it.
    ASSERT_EQ(IOCreate(&file, IOTYPE_PATH, name.c_str(), IOACCESS_READWRITE), TRXERR_OK);
    EXPECT_EQ(size(file), 0u);
    EXPECT_EQ(file->rtns.close(file), TRXERR_OK);
}

TEST_F(HostFileTest, MissingFilesAndBadRequestsAreRefused)
{
    const std::string name = path("missing");
    for (uint32_t access : {IOACCESS_READWRITE, IOACCESS_WRITE, IOACCESS_CHECK, IOACCESS_DELETE}) {
        HIOFILE file = reinterpret_cast<HIOFILE>(1);
        EXPECT_EQ(IOOpen(&file, IOTYPE_PATH, name.c_str(), access), TRXERR_NOFILE) << access;
        EXPECT_EQ(file, nullptr);
    }
    HIOFILE file = nullptr;
    EXPECT_EQ(IOCreate(&file, IOTYPE_PATH, path("no/such/dir").c_str(), IOACCESS_READWRITE), TRXERR_NOFILE);

    // Bad requests are refused.
    writeFile(name, "x");
    EXPECT_EQ(IOOpen(&file, IOTYPE_EMBEDDED, name.c_str(), IOACCESS_READWRITE), TRXERR_BADPARAM);
    EXPECT_EQ(IOOpen(&file, IOTYPE_PATH, nullptr, IOACCESS_READWRITE), TRXERR_BADPARAM);
    EXPECT_EQ(IOOpen(&file, IOTYPE_PATH, name.c_str(), 99), TRXERR_BADPARAM);
    EXPECT_EQ(IOCreate(&file, IOTYPE_PATH, name.c_str(), IOACCESS_DELETE), TRXERR_BADPARAM);
    EXPECT_EQ(IOOpen(nullptr, IOTYPE_PATH, name.c_str(), IOACCESS_READWRITE), TRXERR_BADPARAM);
    EXPECT_NE(IOOpen(&file, IOTYPE_PATH, dir_.c_str(), IOACCESS_CHECK), TRXERR_OK);
    EXPECT_EQ(file, nullptr);
}

TEST_F(HostFileTest, SeekOriginsMoveThePosition)
{
    const std::string name = path("digits");
    writeFile(name, "0123456789");
    HIOFILE file = nullptr;
    ASSERT_EQ(IOOpen(&file, IOTYPE_PATH, name.c_str(), IOACCESS_CHECK), TRXERR_OK);
    EXPECT_EQ(file->rtns.seek(file, IOSEEK_START, 4), TRXERR_OK);
    EXPECT_EQ(position(file), 4u);
    EXPECT_EQ(file->rtns.seek(file, IOSEEK_CURRENT, -1), TRXERR_OK);
    EXPECT_EQ(position(file), 3u);
    EXPECT_EQ(file->rtns.seek(file, IOSEEK_END, -2), TRXERR_OK);
    TRXERR code = 0;
    EXPECT_EQ(read(file, 10, &code), "89");
    EXPECT_NE(file->rtns.seek(file, IOSEEK_START, -1), TRXERR_OK);
    EXPECT_EQ(file->rtns.seek(file, 3, 0), TRXERR_BADPARAM);
    EXPECT_EQ(position(file), 10u);
    EXPECT_EQ(file->rtns.getInfo(file, 12, &code), TRXERR_BADPARAM);
    EXPECT_EQ(file->rtns.close(file), TRXERR_OK);
}

TEST_F(HostFileTest, CheckAccessCannotWrite)
{
    const std::string name = path("readonly");
    writeFile(name, "abc");
    HIOFILE file = nullptr;
    ASSERT_EQ(IOOpen(&file, IOTYPE_PATH, name.c_str(), IOACCESS_CHECK), TRXERR_OK);
    uint32_t written = 7;
    EXPECT_NE(write(file, "z", &written), TRXERR_OK);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(file->rtns.close(file), TRXERR_OK);
}

TEST_F(HostFileTest, DeleteAccessRemovesTheFileWhenClosed)
{
    const std::string name = path("temporary");
    writeFile(name, "graphic");
    HIOFILE file = nullptr;
    ASSERT_EQ(IOOpen(&file, IOTYPE_PATH, name.c_str(), IOACCESS_DELETE), TRXERR_OK);
    TRXERR code = 0;
    EXPECT_EQ(read(file, 100, &code), "graphic");
    EXPECT_TRUE(exists(name));
    EXPECT_EQ(file->rtns.close(file), TRXERR_OK);
    EXPECT_FALSE(exists(name));
}

TEST_F(HostFileTest, ShortWriteIsReportedThroughTheCount)
{
    // A file size limit makes the system accept only part of a write.
    constexpr rlim_t kLimit = 10;
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = kLimit;
    const auto previous = signal(SIGXFSZ, SIG_IGN);
    HIOFILE file = nullptr;
    ASSERT_EQ(IOCreate(&file, IOTYPE_PATH, path("full").c_str(), IOACCESS_WRITE), TRXERR_OK);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    uint32_t written = 0;
    const TRXERR code = write(file, std::string(64, 'x'), &written);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);
    EXPECT_NE(code, TRXERR_OK);
    EXPECT_EQ(written, kLimit);
    EXPECT_EQ(file->rtns.close(file), TRXERR_OK);
}

TEST(MemoryFileTest, ServesItsBytesAndRefusesWrites)
{
    HIOFILE file = trxhost::openMemoryFile({'a', 'b', 'c', 'd'});
    uint32_t value = 0;
    EXPECT_EQ(file->rtns.getInfo(file, IOINFO_SIZE, &value), TRXERR_OK);
    EXPECT_EQ(value, 4u);
    char bytes[8] = {};
    EXPECT_EQ(file->rtns.seek(file, IOSEEK_END, -3), TRXERR_OK);
    EXPECT_EQ(file->rtns.read(file, bytes, sizeof bytes, &value), TRXERR_OK);
    EXPECT_EQ(std::string(bytes, value), "bcd");
    EXPECT_EQ(file->rtns.read(file, bytes, sizeof bytes, &value), TRXERR_EOF);
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(file->rtns.tell(file, &value), TRXERR_OK);
    EXPECT_EQ(value, 4u);
    EXPECT_NE(file->rtns.seek(file, IOSEEK_CURRENT, -5), TRXERR_OK);
    EXPECT_NE(file->rtns.write(file, "x", 1, &value), TRXERR_OK);
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(file->rtns.close(file), TRXERR_OK);
}

} // namespace
