#include "CommandLine.h"

#include <charconv>

namespace icfbench {

namespace {

uint32_t parseSize(const std::string& flag, const std::string& text)
{
    uint32_t value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || error != std::errc() || end != last || value == 0)
        throw UsageError(flag + ": '" + text + "' is not a number from 1 to " + std::to_string(UINT32_MAX));
    return value;
}

// "10000,100000": the sizes in the order given; "none": no size.
std::vector<uint32_t> parseSizes(const std::string& flag, const std::string& list)
{
    std::vector<uint32_t> sizes;
    if (list == "none")
        return sizes;
    size_t start = 0;
    for (;;) {
        const size_t comma = list.find(',', start);
        sizes.push_back(parseSize(flag, list.substr(start, comma - start)));
        if (comma == std::string::npos)
            return sizes;
        start = comma + 1;
    }
}

trxhost::SyntheticWorkload parseWorkload(const std::string& name)
{
    if (name == "paragraphs")
        return trxhost::SyntheticWorkload::Paragraphs;
    if (name == "table")
        return trxhost::SyntheticWorkload::Table;
    if (name == "list")
        return trxhost::SyntheticWorkload::List;
    if (name == "runs")
        return trxhost::SyntheticWorkload::Runs;
    throw UsageError("--write-listing: '" + name + "' is not paragraphs, table, list or runs");
}

// The value of a flag that takes one: the next argument.
const std::string& flagValue(const std::vector<std::string>& arguments, size_t& index)
{
    if (index + 1 == arguments.size())
        throw UsageError(arguments[index] + " needs a value");
    return arguments[++index];
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine commandLine;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& flag = arguments[i];
        if (flag == "-h" || flag == "--help")
            commandLine.action = CommandLine::Action::Help;
        else if (flag == "--version")
            commandLine.action = CommandLine::Action::Version;
        else if (flag == "--sizes")
            commandLine.sizes = parseSizes(flag, flagValue(arguments, i));
        else if (flag == "--table-rows")
            commandLine.tableRows = parseSizes(flag, flagValue(arguments, i));
        else if (flag == "--list-paragraphs")
            commandLine.listParagraphs = parseSizes(flag, flagValue(arguments, i));
        else if (flag == "--runs-per-paragraph")
            commandLine.paragraphRuns = parseSizes(flag, flagValue(arguments, i));
        else if (flag == "--output-dir")
            commandLine.outputDirectory = flagValue(arguments, i);
        else if (flag == "--filter")
            commandLine.filterPath = flagValue(arguments, i);
        else if (flag == "--write-listing") {
            commandLine.action = CommandLine::Action::WriteListing;
            commandLine.listingWorkload = parseWorkload(flagValue(arguments, i));
            commandLine.listingCount = parseSize(flag, flagValue(arguments, i));
            commandLine.listingPath = flagValue(arguments, i);
        } else
            throw UsageError("unknown argument '" + flag + "'");
        if (commandLine.action == CommandLine::Action::Help || commandLine.action == CommandLine::Action::Version)
            return commandLine;
    }
    return commandLine;
}

std::string helpText()
{
    return "Usage: icfbench [FLAGS]\n"
           "\n"
           "Measures the export filter on generated documents, one document per size:\n"
           "a section setup, then paragraphs of five text runs with bold and italic\n"
           "words, or one table of rows of four cells, each cell a short text run with\n"
           "its cell format, or paragraphs numbered in a list style of three levels,\n"
           "or a single paragraph of text runs, bold and not in turn.\n"
           "The documents are computed while the filter reads them, so the host side\n"
           "holds almost nothing. Each size runs in a child process of its own, which\n"
           "loads the filter as a host does and exports the document to a file. For\n"
           "each size it reports the change records read per second, the ICF written\n"
           "in megabytes (10^6 bytes) per second and the peak resident memory of the\n"
           "child.\n"
           "\n"
           "Flags:\n"
           "  --sizes N[,N...]    paragraphs per document (default 10000,100000,1000000;\n"
           "                      'none' for no paragraph documents)\n"
           "  --table-rows N[,N...]\n"
           "                      rows per table document (default 100000,1000000;\n"
           "                      'none' for no table documents)\n"
           "  --list-paragraphs N[,N...]\n"
           "                      numbered paragraphs per list document (default\n"
           "                      100000,1000000; 'none' for no list documents)\n"
           "  --runs-per-paragraph N[,N...]\n"
           "                      text runs of the one-paragraph document (default\n"
           "                      10000,100000,1000000; 'none' for no such documents)\n"
           "  --output-dir DIR    write the ICF files into DIR and keep them (default: a\n"
           "                      temporary directory, removed at the end)\n"
           "  --filter PATH       the filter to load (default: ../lib/libicffilter.so.1\n"
           "                      beside the program)\n"
           "  --write-listing WORKLOAD N FILE\n"
           "                      measure nothing: write the document of N paragraphs,\n"
           "                      rows, items or runs of WORKLOAD (paragraphs, table,\n"
           "                      list or runs) as a listing into FILE\n"
           "  -h, --help          print this help and exit\n"
           "  --version           print the version and exit\n"
           "\n"
           "Exit status:\n"
           "  0  every size was measured\n"
           "  1  the command line is wrong\n"
           "  2  a size could not be measured (the filter did not load or the export\n"
           "     failed); the sizes after it are not measured; or standard output could\n"
           "     not be written; or the listing could not be written\n";
}

} // namespace icfbench
