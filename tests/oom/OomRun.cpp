// oom_run [--every K | --at N [--show]] [--converter-path DIR] LISTING...
//
// Converts each listing through the filter as a host does (loaded with
// dlopen, driven through its entry points), first to count the filter's
// allocations and keep the files it writes, then once for every K-th
// allocation n (every one by default) with allocation n failing. Each run
// must succeed with the same files or fail with code 30 and the reason in the
// diagnostics file, leave no file of its own in the folder it ran in, and,
// in a build with LeakSanitizer, leak nothing: a leak stays leaked, so the
// first one ends the program. A crash names the listing and n on standard
// error; --at N runs allocation N failing only, and --show prints the stack
// of the failing allocation. Prints one line of figures per listing; exits 1
// when any run went wrong.
#include "oom/FailingAllocation.h"

#include "driver/FilterLibrary.h"
#include "driver/FilterSession.h"
#include "trxhost/Document.h"
#include "trxhost/Export.h"
#include "trxhost/Listing.h"

#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#ifdef OOM_SANITIZED
#include <sanitizer/lsan_interface.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr TRXERR kOutOfMemory = 30;
constexpr char kOutputName[] = "out.icf";

// What a crash report names: the listing and the failing allocation.
char g_crashNote[512] = "";

void reportCrash(int signal)
{
    const ssize_t ignored = write(STDERR_FILENO, g_crashNote, std::strlen(g_crashNote));
    static_cast<void>(ignored);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::string readFile(const fs::path& path)
{
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

std::vector<uint8_t> pathOption(const fs::path& path)
{
    const std::string text = path.string();
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

struct RunResult {
    TRXERR code;
    bool injected;
    bool diagnosed; // the diagnostics file was created
    std::string diagnostics;
    // By name, every file in the folder the export ran in: the output, the
    // files the listing's options ask for, and whatever else the filter left.
    std::map<std::string, std::string> files;
};

class Harness {
public:
    Harness(icfdriver::FilterSession& session, const fs::path& scratch, const fs::path& converterPath)
        : session_(session), folder_(scratch / "run"), diagnostics_(scratch / "diagnostics"),
          converterPath_(converterPath)
    {
    }

    // One export of `document` in a fresh folder, with allocation `failAt`
    // of the filter failing (none when 0).
    RunResult run(const trxhost::Document& document, uint64_t failAt, uint64_t* counted = nullptr)
    {
        fs::remove_all(folder_);
        fs::create_directory(folder_);
        fs::remove(diagnostics_);
        const fs::path previous = fs::current_path();
        fs::current_path(folder_);
        RunResult result{};
        {
            trxhost::Export hostExport(document);
            hostExport.setOption(DAOPT_DIAGNOSTICS_FILE, pathOption(diagnostics_));
            if (!converterPath_.empty())
                hostExport.setOption(DAOPT_EXECUTION_PATH, pathOption(converterPath_));
            const std::string output = (folder_ / kOutputName).string();
            oom::arm(failAt);
            result.code = session_.exportDocument(hostExport.handle(), output);
            const uint64_t count = oom::disarm();
            result.injected = oom::failed();
            if (counted)
                *counted = count;
        }
        fs::current_path(previous);
        result.diagnosed = fs::exists(diagnostics_);
        result.diagnostics = readFile(diagnostics_);
        for (const auto& entry : fs::directory_iterator(folder_))
            result.files[entry.path().filename().string()] = readFile(entry.path());
        return result;
    }

private:
    icfdriver::FilterSession& session_;
    fs::path folder_;
    fs::path diagnostics_;
    fs::path converterPath_;
};

// What is wrong with a run that failed an allocation, or "". A failed export
// may leave the files a successful one makes, partly written: the code tells
// the host to discard them, as icfexport does with its output. Any other
// file is the filter's own, which it must remove.
std::string faultOf(const RunResult& result, const RunResult& unfailed)
{
    if (result.code == TRXERR_OK)
        return result.files == unfailed.files ? "" : "succeeded with files different from the unfailed run's";
    for (const auto& [name, bytes] : result.files)
        if (!unfailed.files.count(name))
            return "left " + name + " in the folder it ran in";
    if (result.code != kOutOfMemory)
        return "failed with code " + std::to_string(result.code) + " instead of 30";
    if (!result.injected)
        return "failed with code 30 though no allocation failed";
    // A failure before the filter created the file cannot be in it.
    if (result.diagnosed && result.diagnostics.find("failure 30 ") == std::string::npos)
        return "the diagnostics file does not give the failure: " + result.diagnostics;
    return "";
}

bool leaked()
{
#ifdef OOM_SANITIZED
    return __lsan_do_recoverable_leak_check() != 0;
#else
    return false;
#endif
}

// Which allocations fail, one run each.
struct Plan {
    uint64_t every = 1;
    uint64_t only = 0; // when not 0, this allocation alone
};

enum class Outcome { kGood, kFaulty, kLeaked };

// Runs the planned failures over one listing.
Outcome sweep(Harness& harness, const std::string& listing, const Plan& plan)
{
    const auto start = std::chrono::steady_clock::now();
    const std::string name = fs::path(listing).stem().string();
    const std::unique_ptr<trxhost::Document> document = trxhost::loadListing(listing);
    // The first export fills what the filter makes once per process, so that
    // the counted run and the failing ones meet the same allocations.
    const RunResult first = harness.run(*document, 0);
    uint64_t points = 0;
    const RunResult counted = harness.run(*document, 0, &points);
    if (first.code != TRXERR_OK || counted.code != TRXERR_OK || counted.files != first.files) {
        std::cerr << name << ": the export without failures does not succeed alike twice (codes " << first.code << ", "
                  << counted.code << ")\n";
        return Outcome::kFaulty;
    }
    uint64_t runs = 0;
    uint64_t faults = 0;
    bool leaks = false;
    const uint64_t last = plan.only ? std::min(plan.only, points) : points;
    for (uint64_t n = plan.only ? plan.only : 1; n <= last; n += plan.every) {
        std::snprintf(g_crashNote, sizeof g_crashNote, "%s: crashed with allocation %llu failing\n", name.c_str(),
                      static_cast<unsigned long long>(n));
        const RunResult result = harness.run(*document, n);
        ++runs;
        const std::string fault = faultOf(result, counted);
        if (!fault.empty()) {
            ++faults;
            std::cerr << name << ": allocation " << n << " failing: " << fault << '\n';
        }
        if (leaked()) {
            std::cerr << name << ": allocation " << n << " failing leaks (report above)\n";
            ++faults;
            leaks = true;
            break;
        }
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::cout << name << ": " << points << " allocations, " << runs << " runs, " << faults << " faulty, "
              << seconds.count() << " s" << std::endl;
    g_crashNote[0] = 0;
    return leaks ? Outcome::kLeaked : faults ? Outcome::kFaulty : Outcome::kGood;
}

} // namespace

int main(int argc, char** argv)
{
    Plan plan;
    fs::path converterPath;
    std::vector<std::string> listings;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--every" && i + 1 < argc)
            plan.every = std::max(1ULL, std::strtoull(argv[++i], nullptr, 10));
        else if (argument == "--show")
            oom::showFailingAllocation(true);
        else if (argument == "--at" && i + 1 < argc)
            plan.only = std::strtoull(argv[++i], nullptr, 10);
        else if (argument == "--converter-path" && i + 1 < argc)
            converterPath = fs::absolute(argv[++i]);
        else
            listings.push_back(argument);
    }
    if (listings.empty()) {
        std::cerr << "usage: oom_run [--every K | --at N [--show]] [--converter-path DIR] LISTING...\n";
        return 2;
    }
    for (const int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, reportCrash);

    std::string scratch = (fs::temp_directory_path() / "icf-oom-XXXXXX").string();
    if (!mkdtemp(scratch.data())) {
        std::perror("mkdtemp");
        return 2;
    }
    bool allGood = true;
    try {
        icfdriver::FilterLibrary filter(icfdriver::defaultFilterPath());
        oom::recordFilterCode(reinterpret_cast<const void*>(filter.routines().exportWrite));
        icfdriver::FilterSession session(filter.routines(), 0, 0);
        Harness harness(session, scratch, converterPath);
        for (const std::string& listing : listings) {
            const Outcome outcome = sweep(harness, listing, plan);
            allGood = allGood && outcome == Outcome::kGood;
            if (outcome == Outcome::kLeaked)
                break;
        }
    } catch (const std::exception& error) {
        std::cerr << "oom_run: " << error.what() << '\n';
        allGood = false;
    }
    fs::remove_all(scratch);
    return allGood ? 0 : 1;
}
