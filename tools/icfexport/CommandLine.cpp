#include "CommandLine.h"

#include "InputList.h"
#include "PendingOutput.h"
#include "trx/platform.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>
#include <tuple>

namespace icfexport {

namespace {

namespace fs = std::filesystem;

// A list option is delivered in one buffer of DAOPT_LIST_SIZE bytes: the
// never-convert ids are 32-bit values, the referenced-file list path ends
// with a zero byte.
constexpr size_t kMaxNeverConvertIds = DAOPT_LIST_SIZE / sizeof(uint32_t);
constexpr size_t kMaxListPathLength = DAOPT_LIST_SIZE - 1;
// The filter keeps a converter path of at most 253 characters and ignores a
// longer one.
constexpr size_t kMaxConverterPathLength = 253;

// The options carry 4-byte values, but the filter reads the code page as an
// unsigned and the reporting level as a signed 16-bit number.
constexpr uint64_t kMaxCodePage = UINT16_MAX;
constexpr int64_t kMinReportingLevel = INT16_MIN;
constexpr int64_t kMaxReportingLevel = INT16_MAX;

// The most workers and the longest timeout a run takes: far beyond any use,
// and small enough for the counts and clocks that hold them.
constexpr uint64_t kMaxWorkers = 4096;
constexpr uint64_t kMaxTimeoutSeconds = 7 * 24 * 3600;
constexpr uint64_t kMaxShards = 1000000;

struct ParseState {
    CommandLine result;
    InputSources sources;
    std::string output;
    std::string outputDirectory;
    std::string listingOutput;
};

using FlagHandler = void (*)(ParseState& state, const std::string& flag, const std::string& value);

struct Flag {
    const char* name;
    const char* shortName; // or null
    const char* valueName; // null when the flag takes no value
    const char* help;      // lines after the first start with '\n'
    FlagHandler apply;
};

// Decimal, or hexadecimal after "0x".
uint64_t parseUnsigned(const std::string& flag, const std::string& text, uint64_t max)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value, hex ? 16 : 10);
    if (first == last || error != std::errc() || end != last || value > max)
        throw UsageError(flag + ": '" + text + "' is not a number from 0 to " + std::to_string(max));
    return value;
}

int64_t parseSigned(const std::string& flag, const std::string& text, int64_t min, int64_t max)
{
    const char* first = text.data();
    const char* last = first + text.size();
    int64_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last || value < min || value > max)
        throw UsageError(flag + ": '" + text + "' is not a number from " + std::to_string(min) + " to " +
                         std::to_string(max));
    return value;
}

std::vector<std::string> splitAtCommas(const std::string& text)
{
    std::vector<std::string> items;
    std::istringstream stream(text);
    for (std::string item; std::getline(stream, item, ',');)
        items.push_back(item);
    if (text.empty() || text.back() == ',')
        items.emplace_back();
    return items;
}

// The index of `value` among `choices`; anything else is a usage error.
size_t choose(const std::string& flag, const std::string& value, const std::vector<const char*>& choices)
{
    for (size_t i = 0; i < choices.size(); ++i)
        if (value == choices[i])
            return i;
    std::string expected;
    for (const char* choice : choices)
        expected += (expected.empty() ? "" : " or ") + std::string(choice);
    throw UsageError(flag + ": expected " + expected + ", not '" + value + "'");
}

// Sets `id` and clears the option it contradicts, so that the last flag wins.
void setExclusive(ParseState& state, uint32_t id, uint32_t contradicted)
{
    state.result.numericOptions[id] = 1;
    state.result.numericOptions.erase(contradicted);
}

void setOutput(ParseState& state, const std::string& flag, const std::string& value)
{
    if (value.empty())
        throw UsageError(flag + ": empty file name");
    state.output = value;
}

void setOutputDirectory(ParseState& state, const std::string& flag, const std::string& value)
{
    if (value.empty())
        throw UsageError(flag + ": empty directory name");
    state.outputDirectory = value;
}

void setListingOutput(ParseState& state, const std::string& flag, const std::string& value)
{
    if (value.empty())
        throw UsageError(flag + ": empty file name");
    state.listingOutput = value;
}

void setFilter(ParseState& state, const std::string& flag, const std::string& value)
{
    if (value.empty())
        throw UsageError(flag + ": empty path");
    state.result.filterPath = value;
}

void setUser(ParseState& state, const std::string& flag, const std::string& value)
{
    const std::vector<std::string> values = splitAtCommas(value);
    if (values.size() != 2)
        throw UsageError(flag + ": expected two values V1,V2, not '" + value + "'");
    state.result.user1 = parseUnsigned(flag, values[0], UINTPTR_MAX);
    state.result.user2 = parseUnsigned(flag, values[1], UINTPTR_MAX);
}

void setCodePage(ParseState& state, const std::string& flag, const std::string& value)
{
    state.result.numericOptions[DAOPT_DEFAULT_CODE_PAGE] =
        static_cast<uint32_t>(parseUnsigned(flag, value, kMaxCodePage));
}

void setReportingLevel(ParseState& state, const std::string& flag, const std::string& value)
{
    const auto level = static_cast<int32_t>(parseSigned(flag, value, kMinReportingLevel, kMaxReportingLevel));
    state.result.numericOptions[DAOPT_REPORTING_LEVEL] = static_cast<uint32_t>(level);
}

void setGraphics(ParseState& state, const std::string& flag, const std::string& value)
{
    if (choose(flag, value, {"on", "off"}) == 0)
        setExclusive(state, DAOPT_ENABLE_GRAPHICS, DAOPT_DISABLE_GRAPHICS);
    else
        setExclusive(state, DAOPT_DISABLE_GRAPHICS, DAOPT_ENABLE_GRAPHICS);
}

void setGraphicsRects(ParseState& state, const std::string& flag, const std::string& value)
{
    choose(flag, value, {"off"});
    state.result.numericOptions[DAOPT_DISABLE_GRAPHICS_RECTS] = 1;
}

void setKeepGraphicTempFiles(ParseState& state, const std::string&, const std::string&)
{
    state.result.numericOptions[DAOPT_KEEP_GRAPHIC_TEMP_FILES] = 1;
}

void setEmbeddedGraphics(ParseState& state, const std::string& flag, const std::string& value)
{
    choose(flag, value, {"convert"});
    state.result.numericOptions[DAOPT_EMBEDDED_GRAPHICS_CONVERT] = 1;
}

void setReferencedGraphics(ParseState& state, const std::string& flag, const std::string& value)
{
    if (choose(flag, value, {"keep", "convert"}) == 0)
        setExclusive(state, DAOPT_REFERENCED_GRAPHICS_KEEP, DAOPT_REFERENCED_GRAPHICS_CONVERT);
    else
        setExclusive(state, DAOPT_REFERENCED_GRAPHICS_CONVERT, DAOPT_REFERENCED_GRAPHICS_KEEP);
}

void setConvertAllGraphics(ParseState& state, const std::string&, const std::string&)
{
    state.result.numericOptions[DAOPT_CONVERT_ALL_GRAPHICS] = 1;
}

void setConvertAllGraphicsChecked(ParseState& state, const std::string&, const std::string&)
{
    state.result.numericOptions[DAOPT_CONVERT_ALL_GRAPHICS_CHECKED] = 1;
}

void setNeverConvert(ParseState& state, const std::string& flag, const std::string& value)
{
    const std::vector<std::string> ids = splitAtCommas(value);
    if (ids.size() > kMaxNeverConvertIds)
        throw UsageError(flag + ": more than " + std::to_string(kMaxNeverConvertIds) + " ids");
    std::vector<uint8_t> bytes(ids.size() * sizeof(uint32_t));
    for (size_t i = 0; i < ids.size(); ++i) {
        const auto id = static_cast<uint32_t>(parseUnsigned(flag, ids[i], UINT32_MAX));
        std::memcpy(bytes.data() + i * sizeof id, &id, sizeof id);
    }
    state.result.listOptions[DAOPT_NEVER_CONVERT_LIST] = std::move(bytes);
}

// A path option as the filter reads it: absolute, since each export runs in
// its output's folder, and ending in a zero byte.
void setPathOption(ParseState& state, const std::string& flag, const std::string& value, uint32_t id, size_t maxLength)
{
    if (value.empty())
        throw UsageError(flag + ": empty path");
    const std::string path = fs::absolute(value).lexically_normal().string();
    if (path.size() > maxLength)
        throw UsageError(flag + ": path longer than " + std::to_string(maxLength) + " bytes: " + path);
    std::vector<uint8_t> bytes(path.begin(), path.end());
    bytes.push_back(0);
    state.result.listOptions[id] = std::move(bytes);
}

void setReferencedFileList(ParseState& state, const std::string& flag, const std::string& value)
{
    setPathOption(state, flag, value, DAOPT_REFERENCED_FILE_LIST, kMaxListPathLength);
}

void setConverterPath(ParseState& state, const std::string& flag, const std::string& value)
{
    setPathOption(state, flag, value, DAOPT_EXECUTION_PATH, kMaxConverterPathLength);
}

void setWorkerCount(ParseState& state, const std::string& flag, const std::string& value)
{
    state.result.workerCount = static_cast<unsigned>(parseUnsigned(flag, value, kMaxWorkers));
    if (state.result.workerCount == 0)
        throw UsageError(flag + ": at least one worker is needed");
}

void setTimeout(ParseState& state, const std::string& flag, const std::string& value)
{
    state.result.timeoutSeconds = static_cast<unsigned>(parseUnsigned(flag, value, kMaxTimeoutSeconds));
}

void setReport(ParseState& state, const std::string& flag, const std::string& value)
{
    if (value.empty())
        throw UsageError(flag + ": empty file name");
    state.result.reportPath = value;
}

void setRecursive(ParseState& state, const std::string&, const std::string&)
{
    state.sources.recursive = true;
}

void addExtension(ParseState& state, const std::string& flag, const std::string& value)
{
    const std::string extension = value.rfind('.', 0) == 0 ? value.substr(1) : value;
    if (extension.empty() || extension.find('/') != std::string::npos)
        throw UsageError(flag + ": '" + value + "' is not an extension");
    state.sources.extensions.push_back(extension);
}

void setManifest(ParseState& state, const std::string& flag, const std::string& value)
{
    if (value.empty())
        throw UsageError(flag + ": empty file name");
    state.sources.manifest = value;
}

void setSkipExisting(ParseState& state, const std::string&, const std::string&)
{
    state.result.skipExisting = true;
}

void setShard(ParseState& state, const std::string& flag, const std::string& value)
{
    const size_t slash = value.find('/');
    if (slash == std::string::npos)
        throw UsageError(flag + ": expected I/N, not '" + value + "'");
    Shard& shard = state.sources.shard;
    shard.count = parseUnsigned(flag, value.substr(slash + 1), kMaxShards);
    shard.index = parseUnsigned(flag, value.substr(0, slash), kMaxShards);
    if (shard.index == 0 || shard.index > shard.count)
        throw UsageError(flag + ": '" + value + "' is not a shard from 1/N to N/N");
}

void setQuiet(ParseState& state, const std::string&, const std::string&)
{
    state.result.quiet = true;
}

void setStrict(ParseState& state, const std::string&, const std::string&)
{
    state.result.strict = true;
}

void askForHelp(ParseState& state, const std::string&, const std::string&)
{
    state.result.action = CommandLine::Action::Help;
}

void askForVersion(ParseState& state, const std::string&, const std::string&)
{
    state.result.action = CommandLine::Action::Version;
}

const std::vector<Flag>& flags()
{
    static const std::vector<Flag> table = {
        {"--output", "-o", "FILE", "write the ICF to FILE (one input only;\n- for standard output)", setOutput},
        {"--output-dir", "-d", "DIR", "write each INPUT's ICF into DIR", setOutputDirectory},
        {"--to-listing", nullptr, "FILE",
         "write the document read from the one INPUT\nas a listing to FILE (- for standard\noutput), instead of its "
         "ICF",
         setListingOutput},
        {"--filter", nullptr, "PATH",
         "load the filter from PATH (default:\n../lib/libicffilter.so.1 beside the program)", setFilter},
        {"--user", nullptr, "V1,V2", "values handed to the filter with VwSetUser\n(default 0,0)", setUser},
        {"--code-page", nullptr, "N", "default code page, 0 to 65535 (option 36)", setCodePage},
        {"--graphics", nullptr, "on|off", "enable (option 38) or disable (option 46)\ngraphics", setGraphics},
        {"--graphics-rects", nullptr, "off", "hide the rectangles of graphics (option 47)", setGraphicsRects},
        {"--keep-graphic-temp-files", nullptr, nullptr, "keep temporary graphic files (option 39)",
         setKeepGraphicTempFiles},
        {"--embedded-graphics", nullptr, "convert", "convert embedded graphics (option 40)", setEmbeddedGraphics},
        {"--referenced-graphics", nullptr, "keep|convert",
         "keep (option 41) or convert (option 42)\nreferenced graphics", setReferencedGraphics},
        {"--convert-all-graphics", nullptr, nullptr, "convert all graphics (option 44)", setConvertAllGraphics},
        {"--convert-all-graphics-checked", nullptr, nullptr,
         "convert all graphics, checking each\n(option 45; overrides the other graphics\nactions)",
         setConvertAllGraphicsChecked},
        {"--never-convert", nullptr, "ID[,ID...]",
         "graphics ids never to convert: at most 256\n32-bit numbers, decimal or 0x-hex\n(option 43)", setNeverConvert},
        {"--referenced-file-list", nullptr, "PATH", "list referenced files into PATH (option 54)",
         setReferencedFileList},
        {"--converter-path", nullptr, "DIR",
         "look for graphic converters in DIR\n(option 37; at most 253 bytes once made\nabsolute)", setConverterPath},
        {"--reporting-level", nullptr, "N", "reporting level, -32768 to 32767 (option 32)", setReportingLevel},
        {"--strict", nullptr, nullptr,
         "fail an input whose document has changes\nof a type that no handler reads (status 6)", setStrict},
        {"--jobs", "-j", "N", "convert N documents at once, each in a\nworker process (default: the number of\ncores)",
         setWorkerCount},
        {"--timeout", nullptr, "SECONDS", "kill a document's worker after SECONDS\n(default 0: no limit)", setTimeout},
        {"--report", nullptr, "FILE", "write a JSON line per document to FILE", setReport},
        {"--recursive", "-r", nullptr, "take the files of folders below a folder\nINPUT too", setRecursive},
        {"--extension", nullptr, "EXT",
         "take only a folder's files ending in .EXT\n(repeatable; default: all but .icf)", addExtension},
        {"--manifest", nullptr, "FILE", "take the inputs listed in FILE, one a line\n(- for standard input)",
         setManifest},
        {"--skip-existing", nullptr, nullptr, "leave an output not older than its input", setSkipExisting},
        {"--shard", nullptr, "I/N", "convert only the I-th of N slices of the\ninputs sorted by path", setShard},
        {"--quiet", "-q", nullptr, "no progress line and no summary", setQuiet},
        {"--help", "-h", nullptr, "print this help and exit", askForHelp},
        {"--version", nullptr, nullptr, "print the version and exit", askForVersion},
    };
    return table;
}

const Flag& findFlag(const std::string& name)
{
    for (const Flag& flag : flags())
        if (name == flag.name || (flag.shortName && name == flag.shortName))
            return flag;
    throw UsageError("unknown flag '" + name + "'");
}

// Reads the flag at arguments[index] (with its value) and returns the index
// of the last argument it used.
size_t applyFlag(ParseState& state, const std::vector<std::string>& arguments, size_t index)
{
    const std::string& argument = arguments[index];
    const size_t equals = argument.rfind("--", 0) == 0 ? argument.find('=') : std::string::npos;
    const std::string name = argument.substr(0, equals);
    const Flag& flag = findFlag(name);
    if (!flag.valueName) {
        if (equals != std::string::npos)
            throw UsageError(name + " takes no value");
        flag.apply(state, name, {});
        return index;
    }
    if (equals != std::string::npos) {
        flag.apply(state, name, argument.substr(equals + 1));
        return index;
    }
    if (index + 1 >= arguments.size())
        throw UsageError(name + " needs a value " + flag.valueName);
    flag.apply(state, name, arguments[index + 1]);
    return index + 1;
}

// What a path names, whatever its spelling: a file that exists by its
// device and inode, one still to be made by its folder's device and inode
// and its name, and a path that cannot be looked at by its spelling.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    std::string name;

    bool operator<(const FileIdentity& other) const
    {
        return std::tie(device, inode, name) < std::tie(other.device, other.inode, other.name);
    }
};

FileIdentity identify(const std::string& path)
{
    struct stat status {};
    if (stat(path.c_str(), &status) == 0)
        return {status.st_dev, status.st_ino, {}};
    const bool missing = errno == ENOENT;
    const fs::path spelling = fs::path(path).lexically_normal();
    const fs::path folder = spelling.has_parent_path() ? spelling.parent_path() : fs::path(".");
    if (missing && stat(folder.c_str(), &status) == 0)
        return {status.st_dev, status.st_ino, spelling.filename().string()};
    return {0, 0, spelling.string()};
}

// Refuses outputs that would overwrite an input or each other, under any
// spelling or through a symlink. Standard input and output are apart.
void checkOutputsDistinct(const std::vector<Job>& jobs)
{
    std::set<FileIdentity> inputs;
    for (const Job& job : jobs)
        if (job.input != kStandardStream)
            inputs.insert(identify(job.input));
    std::map<FileIdentity, std::string> writers;
    for (const Job& job : jobs) {
        if (job.output == kStandardStream)
            continue;
        const FileIdentity output = identify(job.output);
        if (inputs.count(output))
            throw UsageError("output " + job.output + " would overwrite an input");
        const auto [writer, fresh] = writers.emplace(output, job.input);
        if (!fresh)
            throw UsageError(writer->second + " and " + job.input + " would both be written to " + job.output);
    }
}

// Beside the input, or under -d: a file named directly by its name, a file
// found in a folder by its path below that folder.
std::string outputFor(const ParseState& state, const InputFile& input)
{
    if (!state.output.empty())
        return state.output;
    if (input.path == kStandardStream)
        throw UsageError("standard input (-) needs an output named with -o");
    if (state.outputDirectory.empty())
        return fs::path(input.path).replace_extension(".icf").string();
    const fs::path name = input.pathInFolder.empty() ? fs::path(input.path).filename() : fs::path(input.pathInFolder);
    return (fs::path(state.outputDirectory) / name).replace_extension(".icf").string();
}

// --to-listing writes one input's listing, in place of any ICF output.
std::vector<Job> planListingJob(const ParseState& state)
{
    if (state.sources.paths.size() != 1 || !state.sources.manifest.empty() ||
        fs::is_directory(state.sources.paths.front()))
        throw UsageError("--to-listing takes exactly one input file");
    if (!state.output.empty() || !state.outputDirectory.empty())
        throw UsageError("--to-listing cannot be used with -o or -d");
    std::vector<Job> jobs{{state.sources.paths.front(), state.listingOutput}};
    checkOutputsDistinct(jobs);
    return jobs;
}

std::vector<Job> planJobs(const ParseState& state)
{
    if (state.sources.paths.empty() && state.sources.manifest.empty())
        throw UsageError("no input given");
    if (state.sources.manifest == kStandardStream &&
        std::count(state.sources.paths.begin(), state.sources.paths.end(), kStandardStream))
        throw UsageError("standard input cannot be both the manifest and an input");
    if (!state.listingOutput.empty())
        return planListingJob(state);
    if (!state.output.empty() && !state.outputDirectory.empty())
        throw UsageError("-o and -d cannot be used together");
    const std::vector<InputFile> inputs = collectInputs(state.sources);
    if (!state.output.empty() && inputs.size() > 1)
        throw UsageError("-o names one output file; use -d DIR to convert several inputs");
    std::vector<Job> jobs;
    jobs.reserve(inputs.size());
    for (const InputFile& input : inputs)
        jobs.push_back(
            {input.path, outputFor(state, input), !input.pathInFolder.empty() && !state.outputDirectory.empty()});
    checkOutputsDistinct(jobs);
    return jobs;
}

// One flag in --help: its usage, then its description from a fixed column;
// the description's '\n' start indented lines.
void writeHelpEntry(std::ostream& text, const std::string& usage, const char* description)
{
    constexpr size_t kDescriptionColumn = 36;
    const std::string indent(kDescriptionColumn, ' ');
    const std::string left = "  " + usage;
    text << left << (left.size() + 2 <= kDescriptionColumn ? indent.substr(left.size()) : "\n" + indent);
    for (const char* c = description; *c; ++c)
        text << (*c == '\n' ? "\n" + indent : std::string(1, *c));
    text << '\n';
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    ParseState state;
    bool flagsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (flagsEnded || argument.size() < 2 || argument[0] != '-')
            state.sources.paths.push_back(argument);
        else if (argument == "--")
            flagsEnded = true;
        else
            i = applyFlag(state, arguments, i);
        if (state.result.action != CommandLine::Action::Convert)
            return state.result;
    }
    state.result.jobs = planJobs(state);
    state.result.toListing = !state.listingOutput.empty();
    if (state.result.workerCount == 0)
        state.result.workerCount = std::max(1U, std::thread::hardware_concurrency());
    return state.result;
}

std::string helpText()
{
    std::ostringstream text;
    text << "Usage: icfexport [FLAGS] INPUT...\n"
            "\n"
            "Converts document listings and word-processing files to ICF with the\n"
            "export filter, each document in a worker process of its own, --jobs at\n"
            "once. Each INPUT becomes INPUT with the extension .icf, beside it, unless -o\n"
            "or -d says otherwise; the INPUT - is standard input and needs -o. An INPUT\n"
            "that is a folder gives its files (with --recursive those below it too),\n"
            "whose outputs keep their paths below the folder under -d. Flags override\n"
            "the export options of the listings.\n"
            "An INPUT is read as a listing when it is one; otherwise the importers are\n"
            "asked, in this order, whether its content is theirs: AbiWord, WordPerfect,\n"
            "Works, classic Mac word processors. A file that none takes is reported with\n"
            "its listing error; one that an importer takes but cannot read, with the\n"
            "importer's reason.\n"
            "A document that cannot be read, fails, crashes its worker or runs past\n"
            "--timeout is reported alone; the others are still converted. With more than\n"
            "one input a summary line ends the run; on a terminal a progress line shows\n"
            "how far it is.\n"
            "An output is written under a fresh temporary name and renamed into place\n"
            "only when its export succeeds; a failed, killed or interrupted export leaves\n"
            "no output. An output that is a device or a pipe is written\n"
            "straight; standard output gets the ICF once its export succeeded. An output\n"
            "that is an input, under any name, is refused.\n"
            "Each export runs in its output's folder (one written straight or to standard\n"
            "output, in the current folder); relative paths in a listing's options count\n"
            "from there.\n"
            "Pictures that the ICF refers to by name are left there as QTnnnnnn.TMP,\n"
            "and with --keep-graphic-temp-files converted pictures too.\n"
            "A failure is reported with the filter's code and reason; changes of types\n"
            "that no handler reads, with a one-line warning (a failure with --strict).\n"
            "\n"
            "Flags (a value follows the flag or, for long flags, an '='):\n";
    for (const Flag& flag : flags()) {
        std::string usage = flag.shortName ? std::string(flag.shortName) + ", " : "    ";
        usage += flag.name;
        if (flag.valueName)
            usage += std::string(" ") + flag.valueName;
        writeHelpEntry(text, usage, flag.help);
    }
    writeHelpEntry(text, "--", "end of flags: the rest are inputs");
    text << "\n"
            "Exit status:\n"
            "  0  every input was converted (or skipped by --skip-existing)\n"
            "  1  the command line is wrong\n"
            "  2  an input could not be read, parsed or imported\n"
            "  3  the filter could not be loaded or started (nothing is converted)\n"
            "  4  the filter returned a host error code for an input\n"
            "  5  an output file or standard output could not be written or renamed into\n"
            "     place, or its folder could not be entered\n"
            "  6  --strict: a document has changes of a type that no handler reads\n"
            "  7  a document's worker crashed, was killed, or ran past --timeout; or no\n"
            "     worker could be started (the run stops there)\n"
            "When several inputs fail, the status is that of the first of them in the\n"
            "order of the inputs.\n";
    return text.str();
}

} // namespace icfexport
