#include "CommandLine.h"

#include <algorithm>

namespace icfdump {

namespace {

// Applies a flag; false when there is no such flag.
bool applyFlag(CommandLine& commandLine, const std::string& flag)
{
    if (flag == "-d" || flag == "--decode")
        commandLine.listing.decodeText = true;
    else if (flag == "-o" || flag == "--offsets")
        commandLine.listing.showOffsets = true;
    else if (flag == "-a" || flag == "--assemble")
        commandLine.assemble = true;
    else if (flag == "-h" || flag == "--help")
        commandLine.action = CommandLine::Action::Help;
    else if (flag == "--version")
        commandLine.action = CommandLine::Action::Version;
    else
        return false;
    return true;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine commandLine;
    std::vector<std::string> inputs;
    bool flagsEnded = false;
    // With --html, "-o" names the page's file rather than asking for offsets.
    const auto flagsEnd = std::find(arguments.begin(), arguments.end(), "--");
    commandLine.html = std::find(arguments.begin(), flagsEnd, "--html") != flagsEnd;
    for (auto argument = arguments.begin(); argument != arguments.end(); ++argument) {
        if (!flagsEnded && commandLine.html && (*argument == "-o" || *argument == "--output")) {
            if (++argument == arguments.end() || argument->empty())
                throw UsageError("-o needs the name of the page's file");
            commandLine.output = *argument;
        } else if (flagsEnded || argument->size() < 2 || (*argument)[0] != '-')
            inputs.push_back(*argument);
        else if (*argument == "--")
            flagsEnded = true;
        else if (*argument != "--html" && !applyFlag(commandLine, *argument))
            throw UsageError("unknown flag '" + *argument + "'");
        if (commandLine.action != CommandLine::Action::Dump)
            return commandLine;
    }
    if (inputs.size() != 1)
        throw UsageError(inputs.empty() ? "no input file given" : "more than one input file given");
    if (inputs[0].empty())
        throw UsageError("empty file name");
    if (commandLine.assemble && (commandLine.listing.decodeText || commandLine.listing.showOffsets))
        throw UsageError("--assemble reads the listing made without --decode and --offsets; it takes neither");
    if (commandLine.html && (commandLine.assemble || commandLine.listing.decodeText || commandLine.listing.showOffsets))
        throw UsageError("--html writes a page, not a listing: it takes no other flag but -o");
    commandLine.input = inputs[0];
    return commandLine;
}

std::string helpText()
{
    return "Usage: icfdump [FLAGS] FILE\n"
           "       icfdump --html FILE [-o PAGE.html]\n"
           "\n"
           "Lists the ICF stream in FILE (- for standard input): one command per line with\n"
           "its name and parameters, the text between commands as quoted runs, and what a\n"
           "command holds indented under it. The syntax is checked on the way; the listing\n"
           "stops at the first fault, which is reported with its byte offset.\n"
           "\n"
           "Flags:\n"
           "  -d, --decode    show text as characters (UTF-8): \"HEX\" and \"XCS\" escapes\n"
           "                  and \"MBC\" runs are turned back into what they stand for\n"
           "  -o, --offsets   start each line with the byte offset of what it shows\n"
           "  -a, --assemble  the reverse: FILE is a listing as icfdump prints it (without\n"
           "                  --decode and --offsets); write the ICF bytes it shows to\n"
           "                  standard output\n"
           "      --html      write a self-contained HTML page that shows the document as\n"
           "                  the stream describes it, with the commands it does not\n"
           "                  render listed beside it, to standard output or, with\n"
           "                  -o PAGE (--output PAGE), to the file PAGE\n"
           "  -h, --help      print this help and exit\n"
           "      --version   print the version and exit\n"
           "  --              end of flags: the next argument is the file\n"
           "\n"
           "Exit status:\n"
           "  0  the input is well-formed ICF\n"
           "  1  the command line is wrong\n"
           "  2  the input cannot be read (or is too large to hold in memory)\n"
           "  3  the input has a syntax fault: the listing goes up to it, and the fault and\n"
           "     its offset are reported on standard error (with --assemble: the listing\n"
           "     is malformed, reported with its line; nothing is written)\n"
           "  4  standard output could not be written (a full disk, a closed pipe)\n";
}

} // namespace icfdump
