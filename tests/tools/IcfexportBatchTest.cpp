// Batch runs of icfexport: documents converted in worker processes, each
// reported for itself in the --report file, whatever happens to the others.
#include "IcfexportFixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <map>
#include <regex>
#include <thread>

namespace {

using icfexport_test::IcfexportTest;
using icfexport_test::kGoodListing;
namespace fs = std::filesystem;

// Paragraphs of a document whose export lasts long enough to be killed.
constexpr int kLongParagraphs = 200000;

class IcfexportBatchTest : public IcfexportTest {
protected:
    // Input -> status word of each line of the report.
    std::multimap<std::string, std::string> reported(const std::string& name) const
    {
        static const std::regex line(R"re(\{"input":"([^"]*)","output":"[^"]*","status":"([^"]*)")re");
        std::multimap<std::string, std::string> statuses;
        std::istringstream lines(read(name));
        for (std::string text; std::getline(lines, text);) {
            std::smatch match;
            EXPECT_TRUE(std::regex_search(text, match, line)) << text;
            statuses.emplace(fs::path(match[1].str()).filename().string(), match[2]);
        }
        return statuses;
    }

    // "a.lst" ... the `count` good listings in `folder`.
    std::vector<std::string> writeGoodListings(const std::string& folder, int count) const
    {
        std::vector<std::string> paths;
        paths.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            paths.push_back(write(folder + "/" + std::string(1, static_cast<char>('a' + i)) + ".lst", kGoodListing));
        return paths;
    }
};

using Statuses = std::multimap<std::string, std::string>;

TEST_F(IcfexportBatchTest, FolderIsMirroredAndEveryDocumentReportedPastFailures)
{
    writeGoodListings("in", 2);
    writeGoodListings("in/sub", 2);
    write("in/bad.lst", "text \"Hello\"\nbold maybe\n");
    write("in/sub/fails.lst", "fail IOCreate code 15\n" + kGoodListing);
    write("in/notes.txt", "not taken: wrong extension");
    fs::create_directories(path("out"));

    const ProgramRun result = run({"--jobs", "2", "--recursive", "--extension", "lst", "-d", path("out"), "--report",
                                   path("report.jsonl"), path("in")});

    EXPECT_EQ(result.status, 2) << "the first failure in path order is the malformed listing";
    EXPECT_EQ(reported("report.jsonl"), (Statuses{{"a.lst", "converted"},
                                                  {"b.lst", "converted"},
                                                  {"bad.lst", "unreadable"},
                                                  {"a.lst", "converted"},
                                                  {"b.lst", "converted"},
                                                  {"fails.lst", "export-failed"}}));
    EXPECT_NE(read("report.jsonl").find(R"json("code":15,"reason":"code 15 (bad parameter)")json"), std::string::npos);
    EXPECT_NE(result.err.find("icfexport: 4 converted, 2 failed, "), std::string::npos) << result.err;
    for (const char* output : {"out/a.icf", "out/b.icf", "out/sub/a.icf", "out/sub/b.icf"})
        EXPECT_TRUE(fs::exists(path(output))) << output;
    EXPECT_FALSE(fs::exists(path("out/bad.icf")));
    EXPECT_FALSE(fs::exists(path("out/sub/fails.icf")));
}

// The worker of a long document is killed while its output is being
// written: the document is reported, no temporary file stays, and the
// next document is still converted.
TEST_F(IcfexportBatchTest, KilledWorkerIsReportedAndTheBatchFinishes)
{
    std::string listing = "character set 0x14B00000\n";
    for (int i = 0; i < kLongParagraphs; ++i)
        listing += "text \"Hello\"\nparagraph end\n";
    write("long.lst", listing + "document end\n");
    write("short.lst", kGoodListing);
    const pid_t batch =
        startProgram(ICFEXPORT_PATH, {"-j", "1", "--report", path("report.jsonl"), path("long.lst"), path("short.lst")},
                     scratch_.string(), {"TMPDIR=" + scratch_.string()});
    const auto writingLongOutput = [this] {
        for (const auto& entry : fs::directory_iterator(scratch_))
            if (entry.path().filename().string().rfind("long.icf.tmp.", 0) == 0)
                return true;
        return false;
    };
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!writingLongOutput() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::ifstream children("/proc/" + std::to_string(batch) + "/task/" + std::to_string(batch) + "/children");
    pid_t worker = 0;
    ASSERT_TRUE(children >> worker) << "no worker is running";
    kill(worker, SIGKILL);
    const ProgramRun result = finishProgram(batch, scratch_.string());

    EXPECT_EQ(result.status, 7) << result.err;
    EXPECT_NE(result.err.find("long.lst: the worker ended by signal 9"), std::string::npos) << result.err;
    EXPECT_EQ(reported("report.jsonl"), (Statuses{{"long.lst", "crashed"}, {"short.lst", "converted"}}));
    EXPECT_EQ(files(), (std::set<std::string>{"long.lst", "short.lst", "short.icf", "report.jsonl"}));
}

// A worker blocked for good (reading a pipe nobody writes) is killed.
TEST_F(IcfexportBatchTest, WorkerPastTheTimeoutIsKilled)
{
    ASSERT_EQ(mkfifo(path("blocked.lst").c_str(), 0600), 0);
    write("short.lst", kGoodListing);

    const ProgramRun result =
        run({"--timeout", "1", "--report", path("report.jsonl"), path("blocked.lst"), path("short.lst")});

    EXPECT_EQ(result.status, 7) << result.err;
    EXPECT_EQ(reported("report.jsonl"), (Statuses{{"blocked.lst", "timed-out"}, {"short.lst", "converted"}}));
}

// A file name is any bytes: the report stays one valid JSON line per
// document, with the size of the output written.
TEST_F(IcfexportBatchTest, ReportEscapesNamesAndGivesTheOutputSize)
{
    const std::string input = write("say \"hi\"\t\\.lst", kGoodListing);

    EXPECT_EQ(run({"--report", path("report"), input}).status, 0);

    const std::string line = read("report");
    EXPECT_NE(line.find(R"(say \"hi\"\u0009\\.icf")"), std::string::npos) << line;
    EXPECT_NE(line.find("\"bytes\":" + std::to_string(fs::file_size(path("say \"hi\"\t\\.icf"))) + ","),
              std::string::npos)
        << line;
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
}

TEST_F(IcfexportBatchTest, ShardsCoverEveryInputOnce)
{
    std::string manifest;
    for (const std::string& input : writeGoodListings("in", 7))
        manifest += input + "\n";
    write("manifest", manifest);

    // The second shard reads the manifest from standard input.
    Statuses all;
    for (const char* shard : {"1/3", "2/3", "3/3"}) {
        const bool fromStandardInput = shard[0] == '2';
        const ProgramRun result = runProgram(
            ICFEXPORT_PATH,
            {"--shard", shard, "--manifest", fromStandardInput ? "-" : path("manifest"), "--report", path("report")},
            scratch_.string(), {}, fromStandardInput ? path("manifest") : "/dev/null");
        EXPECT_EQ(result.status, 0) << result.err;
        const Statuses slice = reported("report");
        EXPECT_GE(slice.size(), 2U) << shard;
        all.insert(slice.begin(), slice.end());
    }
    EXPECT_EQ(all, (Statuses{{"a.lst", "converted"},
                             {"b.lst", "converted"},
                             {"c.lst", "converted"},
                             {"d.lst", "converted"},
                             {"e.lst", "converted"},
                             {"f.lst", "converted"},
                             {"g.lst", "converted"}}));
}

TEST_F(IcfexportBatchTest, SkipExistingConvertsNothingTheSecondTime)
{
    writeGoodListings("in", 3);
    EXPECT_EQ(run({path("in")}).status, 0);

    const ProgramRun again = run({"--skip-existing", "--report", path("report"), path("in")});

    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_NE(again.err.find("0 converted, 0 failed, 3 skipped"), std::string::npos) << again.err;
    EXPECT_EQ(reported("report"), (Statuses{{"a.lst", "skipped"}, {"b.lst", "skipped"}, {"c.lst", "skipped"}}));
}

} // namespace
