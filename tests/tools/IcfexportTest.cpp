// End-to-end runs of the icfexport program: its command line, its exit
// statuses and messages, and which files it leaves behind.
#include "IcfexportFixture.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;
using icfexport_test::IcfexportTest;
using icfexport_test::kGoodListing;

namespace {

// An absolute path one byte longer than the filter keeps as converter path.
const std::string kTooLongConverterPath = "/" + std::string(253, 'c');
// Paragraphs of a document whose export lasts long enough to be interrupted.
constexpr int kInterruptedParagraphs = 200000;

TEST_F(IcfexportTest, HelpAndVersionSucceed)
{
    const ProgramRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_NE(help.out.find("Exit status"), std::string::npos);

    const ProgramRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("icfexport ", 0), 0u) << version.out;
}

class UsageErrorTest : public IcfexportTest, public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(UsageErrorTest, ExitsWithOneAndWritesNothing)
{
    write("a.lst", kGoodListing);
    write("b.lst", kGoodListing);
    std::vector<std::string> arguments;
    for (const std::string& argument : GetParam())
        arguments.push_back(argument.find(".lst") != std::string::npos ? path(argument) : argument);

    const ProgramRun result = run(arguments);

    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err.rfind("icfexport: ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find("--help"), std::string::npos);
    EXPECT_EQ(files(), (std::set<std::string>{"a.lst", "b.lst"}));
}

INSTANTIATE_TEST_SUITE_P(CommandLines, UsageErrorTest,
                         ::testing::Values(std::vector<std::string>{}, std::vector<std::string>{"--bogus", "a.lst"},
                                           std::vector<std::string>{"a.lst", "--code-page"},
                                           std::vector<std::string>{"--code-page", "65536", "a.lst"},
                                           std::vector<std::string>{"--code-page=12x", "a.lst"},
                                           std::vector<std::string>{"--reporting-level", "-32769", "a.lst"},
                                           std::vector<std::string>{"--graphics", "maybe", "a.lst"},
                                           std::vector<std::string>{"--keep-graphic-temp-files=1", "a.lst"},
                                           std::vector<std::string>{"--never-convert", "1,,2", "a.lst"},
                                           std::vector<std::string>{"--never-convert", "0x100000000", "a.lst"},
                                           std::vector<std::string>{"--user", "1", "a.lst"},
                                           std::vector<std::string>{"--converter-path", kTooLongConverterPath, "a.lst"},
                                           std::vector<std::string>{"-o", "out.icf", "a.lst", "b.lst"},
                                           std::vector<std::string>{"-o", "out.icf", "-d", ".", "a.lst"},
                                           std::vector<std::string>{"a.lst", "-o", "a.lst"},
                                           std::vector<std::string>{"a.lst", "a.lst"}, std::vector<std::string>{"-"},
                                           std::vector<std::string>{"--jobs", "0", "a.lst"},
                                           std::vector<std::string>{"--shard", "0/3", "a.lst"},
                                           std::vector<std::string>{"--shard", "4/3", "a.lst"},
                                           std::vector<std::string>{"--shard", "1", "a.lst"},
                                           std::vector<std::string>{"--extension", ".", "a.lst"},
                                           std::vector<std::string>{"--manifest", "missing"},
                                           std::vector<std::string>{"--manifest", "-", "-", "-o", "out.icf"}));

TEST_F(IcfexportTest, NeverConvertListFitsOneOptionBuffer)
{
    write("a.lst", kGoodListing);
    std::string ids = "0";
    for (int i = 1; i < 256; ++i)
        ids += "," + std::to_string(i);
    EXPECT_EQ(run({"--never-convert", ids, path("a.lst")}).status, 0);
    EXPECT_EQ(run({"--never-convert", ids + ",256", path("a.lst")}).status, 1);
}

TEST_F(IcfexportTest, ConvertsTheSampleNextToItsInputWithEveryOptionFlag)
{
    fs::copy_file(fs::path(ICF_SOURCE_DIR) / "samples" / "sample.lst", path("sample.lst"));

    const ProgramRun result = run({"--code-page=1252",
                                   "--graphics",
                                   "off",
                                   "--graphics-rects",
                                   "off",
                                   "--keep-graphic-temp-files",
                                   "--embedded-graphics",
                                   "convert",
                                   "--referenced-graphics",
                                   "keep",
                                   "--convert-all-graphics",
                                   "--convert-all-graphics-checked",
                                   "--never-convert",
                                   "7,0xFFFFFFFF",
                                   "--reporting-level",
                                   "-3",
                                   "--user",
                                   "1,0x2",
                                   "--",
                                   path("sample.lst")});

    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(files(), (std::set<std::string>{"sample.lst", "sample.icf"}));
}

TEST_F(IcfexportTest, BadListingIsReportedWithItsPositionAndTheOthersConverted)
{
    write("good.lst", kGoodListing);
    write("bad.lst", "text \"Hello\"\nparagraph end\nbold maybe\n");
    fs::create_directories(path("out"));

    const ProgramRun result = run({"-d", path("out"), path("bad.lst"), path("good.lst")});

    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("bad.lst:3:6: "), std::string::npos) << result.err;
    EXPECT_EQ(files(), (std::set<std::string>{"good.lst", "bad.lst", "out/good.icf"}));
}

struct InjectedFailure {
    const char* failure; // statements put before the listing's own
    const char* message;
};

void PrintTo(const InjectedFailure& failure, std::ostream* out)
{
    *out << failure.failure;
}

class HostCodeTest : public IcfexportTest, public ::testing::WithParamInterface<InjectedFailure> {};

TEST_P(HostCodeTest, NamesTheCodeAndLeavesNoOutput)
{
    write("doc.lst", GetParam().failure + ("\n" + kGoodListing));

    const ProgramRun result = run({path("doc.lst"), "-o", path("doc.icf")});

    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(result.err, "icfexport: " + path("doc.lst") + ": " + GetParam().message + "\n");
    EXPECT_EQ(files(), (std::set<std::string>{"doc.lst"}));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, HostCodeTest,
    ::testing::Values(InjectedFailure{"fail CHGetItemId list 0 item 0 code 37", "code 37 (no such item)"},
                      InjectedFailure{"fail IOCreate code 15", "code 15 (bad parameter)"},
                      InjectedFailure{"fail DAGetHChunker code 45", "code 45 (export or chunker handle missing)"},
                      InjectedFailure{"fail CHGetItemId code -5", "code -5 (no such file)"},
                      InjectedFailure{"fail CHGetItemId code 99", "code 99 (unknown code)"},
                      InjectedFailure{"fail CHGetItem list 0 item 1 code 77",
                                      "code 77 (unknown code): REQUIRE_1: locErr == TRXERR_OK || "
                                      "locErr == TRXERR_NOITEM; File: ChChList  ln(70)"},
                      InjectedFailure{"section change 1", "code 50 (section change): REQUIRE_1: locErr == "
                                                          "TRXERR_NOITEM; File: ChReader  ln(237)"}));

// Below the filter's 512-byte buffer only the flush at close meets the full
// device; the sample's output is larger and fails while it is written.
TEST_F(IcfexportTest, OutputThatRefusesWritesFailsTheExport)
{
    if (!fs::is_character_file("/dev/full"))
        GTEST_SKIP() << "this machine has no /dev/full";
    write("small.lst", kGoodListing);
    fs::copy_file(fs::path(ICF_SOURCE_DIR) / "samples" / "sample.lst", path("large.lst"));
    const std::string failure = ": code 18 (filter failure): ";

    const ProgramRun small = run({path("small.lst"), "-o", "/dev/full"});
    EXPECT_EQ(small.status, 4);
    EXPECT_EQ(small.err,
              "icfexport: " + path("small.lst") + failure + "REQUIRE_1: output.flush(); File: ExportSession\n");

    const ProgramRun large = run({path("large.lst"), "-o", "/dev/full"});
    EXPECT_EQ(large.status, 4);
    EXPECT_NE(large.err.find(failure + "REQUIRE: bytesWritten"), std::string::npos) << large.err;
    EXPECT_TRUE(fs::is_character_file("/dev/full")) << "written in place, never replaced";
}

TEST_F(IcfexportTest, UnhandledChangeTypesWarnOrFailWithStrict)
{
    // 31 and 193 are read ahead by other handlers, so they are not reported.
    write("doc.lst", "change 2\nchange 300\nchange 2\nchange 31\nchange 193\n" + kGoodListing);

    const ProgramRun lenient = run({path("doc.lst")});
    EXPECT_EQ(lenient.status, 0);
    EXPECT_EQ(lenient.err, "icfexport: " + path("doc.lst") +
                               ": warning: change types that no handler reads: 2 (2 times), 300 (1 time)\n");

    fs::remove(path("doc.icf"));
    const ProgramRun strict = run({"--strict", path("doc.lst")});
    EXPECT_EQ(strict.status, 6);
    EXPECT_EQ(strict.err.find("warning"), std::string::npos) << strict.err;
    EXPECT_EQ(files(), (std::set<std::string>{"doc.lst"}));
}

TEST_F(IcfexportTest, FailedExportKeepsThePreviousOutput)
{
    write("doc.lst", kGoodListing + "fail CHGetItemId code 37\n");
    write("doc.icf", "finished earlier");

    EXPECT_EQ(run({path("doc.lst")}).status, 4);
    EXPECT_EQ(read("doc.icf"), "finished earlier");
    EXPECT_EQ(files(), (std::set<std::string>{"doc.lst", "doc.icf"}));
}

TEST_F(IcfexportTest, SeveralInputsConvertOneAfterAnotherPastAFailure)
{
    write("a.lst", kGoodListing);
    write("b.lst", kGoodListing + "fail IOCreate code 15\n");
    write("sub/c.lst", kGoodListing);

    const ProgramRun beside = run({path("a.lst"), path("b.lst"), path("sub/c.lst")});
    EXPECT_EQ(beside.status, 4);
    EXPECT_NE(beside.err.find("b.lst: code 15"), std::string::npos) << beside.err;
    EXPECT_EQ(files(), (std::set<std::string>{"a.lst", "b.lst", "sub/c.lst", "a.icf", "sub/c.icf"}));

    fs::create_directories(path("out"));
    const ProgramRun intoDirectory = run({"--output-dir=" + path("out"), path("a.lst"), path("sub/c.lst")});
    EXPECT_EQ(intoDirectory.status, 0) << intoDirectory.err;
    EXPECT_TRUE(fs::exists(path("out/a.icf")));
    EXPECT_TRUE(fs::exists(path("out/c.icf")));
}

TEST_F(IcfexportTest, EachExportRunsInTheFolderOfItsOutput)
{
    const std::string listing = kGoodListing + "option 54 \"refs.txt\"\n";
    write("a.lst", listing);
    write("sub/b.lst", listing);

    const ProgramRun result = run({"--converter-path", "converters", path("a.lst"), path("sub/b.lst")});

    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(files(), (std::set<std::string>{"a.lst", "a.icf", "refs.txt", "sub/b.lst", "sub/b.icf", "sub/refs.txt"}));
}

// Like the output, the referenced-file list of a failed export is not left
// behind half written.
TEST_F(IcfexportTest, FailedExportLeavesNoReferencedFileList)
{
    write("a.lst", kGoodListing + "option 54 \"refs.txt\"\nfail CHGetItem list 0 item 1 code 77\n");

    const ProgramRun result = run({path("a.lst")});

    EXPECT_EQ(result.status, 4) << result.err;
    EXPECT_EQ(files(), (std::set<std::string>{"a.lst"}));
}

// A picture that recognition knows but whose converter is missing is
// embedded as it is; a picture whose object the host cannot open is left
// out; a referenced file is listed. No temporary file stays behind.
TEST_F(IcfexportTest, FailedGraphicsLeaveNoTemporaryFiles)
{
    write("a.lst", "option 44 1\n"
                   "option 54 \"refs.txt\"\n"
                   "@none end properties\n"
                   "@name property text \"b.png\"\n"
                   "@file property file name @name\n"
                   "end properties\n"
                   "@pic graphic properties @none\n"
                   "graphic properties @none\n"
                   "graphic properties @file\n"
                   "paragraph end\n"
                   "document end\n"
                   "object @pic @none hex 5445535450494331 ff\n");
    fs::create_directories(path("no-converters"));

    const ProgramRun result = runProgram(ICFEXPORT_PATH, {"--converter-path", path("no-converters"), path("a.lst")},
                                         scratch_.string(), {"LD_LIBRARY_PATH=" + std::string(ICF_SIDECONVERTER_DIR)});

    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(files(), (std::set<std::string>{"a.lst", "a.icf", "refs.txt"}));
    EXPECT_NE(read("a.icf").find("PCT5445535450494331ff\x1f\x1e"), std::string::npos);
    EXPECT_EQ(read("a.icf").find("PCT", read("a.icf").find("PCT") + 1), std::string::npos);
    EXPECT_EQ(read("refs.txt"), "b.png\r\n");
}

TEST_F(IcfexportTest, OutputDirectoryMustExist)
{
    write("a.lst", kGoodListing);

    const ProgramRun result = run({"-o", path("missing/a.icf"), path("a.lst")});

    EXPECT_EQ(result.status, 5);
    EXPECT_NE(result.err.find("missing"), std::string::npos) << result.err;
}

TEST_F(IcfexportTest, FilterIsFoundBesideTheProgramOrGivenByPath)
{
    write("a.lst", kGoodListing);
    fs::create_directories(path("bin"));
    fs::create_directories(path("lib"));
    fs::copy_file(ICFEXPORT_PATH, path("bin/icfexport"));
    const std::string besideProgram = path("lib/libicffilter.so.1");

    const ProgramRun missing = run({path("a.lst")}, path("bin/icfexport"));
    EXPECT_EQ(missing.status, 3);
    EXPECT_NE(missing.err.find(besideProgram), std::string::npos) << missing.err;
    EXPECT_FALSE(fs::exists(path("a.icf")));

    fs::create_symlink(ICF_FILTER_PATH, besideProgram);
    EXPECT_EQ(run({path("a.lst")}, path("bin/icfexport")).status, 0);
    EXPECT_TRUE(fs::exists(path("a.icf")));

    const ProgramRun notAFilter = run({"--filter", ICF_BINARY_DIR "/lib/libtrx_da.so.1", path("a.lst")});
    EXPECT_EQ(notAFilter.status, 3);
    EXPECT_NE(notAFilter.err.find("VwGetRtns"), std::string::npos) << notAFilter.err;

    EXPECT_EQ(run({"--filter", path("nowhere/libicffilter.so.1"), path("a.lst")}).status, 3);
    EXPECT_EQ(run({"--filter", ICF_FILTER_PATH, path("a.lst")}).status, 0);
}

// The temporary output used to be OUTPUT.tmp.PID: symlinks planted under
// that name for the next process ids would have taken the output into the
// file they point to. A fresh name is created exclusively instead, with the
// permissions of any new file.
TEST_F(IcfexportTest, PlantedSymlinksNeverRedirectTheOutput)
{
    pid_t lastPid = 0;
    if (!(std::ifstream("/proc/sys/kernel/ns_last_pid") >> lastPid))
        GTEST_SKIP() << "the next process id cannot be told";
    write("doc.lst", kGoodListing);
    write("victim", "untouched");
    for (pid_t pid = lastPid + 1; pid <= lastPid + 100; ++pid)
        fs::create_symlink(path("victim"), path("doc.icf.tmp." + std::to_string(pid)));

    const ProgramRun result = run({path("doc.lst")});

    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(read("victim"), "untouched");
    EXPECT_FALSE(fs::is_symlink(path("doc.icf")));
    EXPECT_NE(read("doc.icf"), "");
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(static_cast<mode_t>(fs::status(path("doc.icf")).permissions()), 0666 & ~mask);
}

// Standard input and output and a pipe are read and written as they are:
// no temporary file beside them, nothing renamed over them.
TEST_F(IcfexportTest, StandardStreamsAndPipesAreWrittenStraight)
{
    write("doc.lst", kGoodListing);
    ASSERT_EQ(run({path("doc.lst")}).status, 0);
    const std::string expected = read("doc.icf");

    const ProgramRun piped = runProgram(ICFEXPORT_PATH, {"-", "-o", "-"}, scratch_.string(), {}, path("doc.lst"));
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, expected);

    // Here standard output is a file: the file is replaced, the link stays.
    const ProgramRun throughLink = run({path("doc.lst"), "-o", "/dev/stdout"});
    EXPECT_EQ(throughLink.status, 0) << throughLink.err;
    EXPECT_EQ(throughLink.out, expected);
    EXPECT_TRUE(fs::is_symlink("/dev/stdout"));

    // The reader is there first, and the ICF fits into the pipe's buffer.
    ASSERT_EQ(mkfifo(path("pipe.icf").c_str(), 0600), 0);
    const int reader = open(path("pipe.icf").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const ProgramRun intoPipe = run({path("doc.lst"), "-o", path("pipe.icf")});
    std::string fromPipe(65536, '\0');
    fromPipe.resize(static_cast<size_t>(std::max<ssize_t>(0, ::read(reader, fromPipe.data(), fromPipe.size()))));
    close(reader);
    EXPECT_EQ(intoPipe.status, 0) << intoPipe.err;
    EXPECT_EQ(fromPipe, expected);
    EXPECT_TRUE(fs::is_fifo(path("pipe.icf")));
    EXPECT_EQ(files(), (std::set<std::string>{"doc.lst", "doc.icf"}));
}

TEST_F(IcfexportTest, OutputThatIsAnInputUnderAnotherNameIsRefused)
{
    const std::string listing = write("doc.lst", kGoodListing);
    fs::create_symlink(listing, path("link.icf"));
    fs::create_hard_link(listing, path("hard.icf"));
    fs::create_directory_symlink(scratch_, path("here"));

    for (const std::string& output : {path("link.icf"), path("hard.icf"), path("here/doc.lst")}) {
        const ProgramRun result = run({listing, "-o", output});
        EXPECT_EQ(result.status, 1) << output;
        EXPECT_NE(result.err.find("would overwrite an input"), std::string::npos) << result.err;
    }
    EXPECT_EQ(read("doc.lst"), kGoodListing);
}

// icfbench shares the check through the tools' main().
TEST_F(IcfexportTest, EveryToolFailsWhenItsStandardOutputCannotBeWritten)
{
    if (!fs::is_character_file("/dev/full"))
        GTEST_SKIP() << "this machine has no /dev/full";
    write("doc.lst", kGoodListing);
    ASSERT_EQ(run({path("doc.lst")}).status, 0);
    struct ToolRun {
        const char* program;
        std::vector<std::string> arguments;
        int status;
    };
    for (const ToolRun& tool :
         {ToolRun{ICFDUMP_PATH, {path("doc.icf")}, 4}, ToolRun{ICFEXPORT_PATH, {"--help"}, 5},
          ToolRun{ICFEXPORT_PATH, {path("doc.lst"), "-o", "-"}, 5}, ToolRun{ICFBENCH_PATH, {"--version"}, 2}}) {
        const ProgramRun result =
            runProgram(tool.program, tool.arguments, scratch_.string(), {}, "/dev/null", "/dev/full");
        EXPECT_EQ(result.status, tool.status) << tool.program << ' ' << tool.arguments.front();
        EXPECT_NE(result.err.find("cannot write standard output"), std::string::npos) << result.err;
    }
}

// Large documents keep two workers busy long enough for the program to be
// stopped while a temporary output exists; the signal is passed on to both.
// The diagnostics files go into TMPDIR, here the scratch folder, so every
// temporary file is seen to go.
TEST_F(IcfexportTest, InterruptedExportLeavesNoTemporaryFiles)
{
    std::string listing = "character set 0x14B00000\n";
    for (int i = 0; i < kInterruptedParagraphs; ++i)
        listing += "text \"Hello\"\nparagraph end\n";
    write("big.lst", listing + "document end\n");
    write("big2.lst", listing + "document end\n");
    const auto temporaryOutputExists = [this] {
        for (const auto& entry : fs::directory_iterator(scratch_))
            if (entry.path().filename().string().find(".tmp.") != std::string::npos)
                return true;
        return false;
    };

    for (const int signal : {SIGINT, SIGTERM}) {
        const pid_t child = startProgram(ICFEXPORT_PATH, {"--jobs", "2", path("big.lst"), path("big2.lst")},
                                         scratch_.string(), {"TMPDIR=" + scratch_.string()});
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!temporaryOutputExists() && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        kill(child, signal);
        const ProgramRun result = finishProgram(child, scratch_.string());

        EXPECT_EQ(result.status, 128 + signal) << "the export ended before it was stopped: " << result.err;
        EXPECT_EQ(files(), (std::set<std::string>{"big.lst", "big2.lst"}));
    }
}

} // namespace
