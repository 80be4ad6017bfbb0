// The main() every tool shares: parse the command line, answer --help and
// --version, otherwise do the tool's work, turn errors into exit statuses,
// and check that standard output was written.
#pragma once

#include "common/ErrorReport.h"
#include "common/UsageError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace tools {

// The name a tool reports itself by and its --version.
struct ToolIdentity {
    const char* name;
    const char* version;
};

// The statuses a tool exits with when main() itself stops it.
template <typename ExitStatus>
struct MainStatuses {
    ExitStatus usage;      // the command line is wrong
    ExitStatus unexpected; // an exception the work did not handle, such as running out of memory
    ExitStatus output;     // standard output could not be written
};

// Flushes and closes standard output, so that a failed write is noticed
// (a full disk, a closed pipe) and not lost at exit. Returns an empty
// string, or why it failed.
inline std::string finishStandardOutput()
{
    errno = 0;
    const bool streamed = static_cast<bool>(std::cout.flush());
    int error = streamed ? 0 : errno;
    const bool flushed = std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (!flushed && error == 0)
        error = errno;
    // A program started with standard output closed, that wrote nothing to
    // it, has nothing to lose.
    const bool closed = std::fclose(stdout) == 0 || errno == EBADF;
    if (!closed && error == 0)
        error = errno;
    if (streamed && flushed && closed)
        return {};
    return error ? std::strerror(error) : "write error";
}

// CommandLine has an `action` that is CommandLine::Action::Help, ::Version or
// the tool's work; ExitStatus is an enum of the tool's statuses with Ok.
template <typename CommandLine, typename ExitStatus>
ExitStatus runTool(const std::vector<std::string>& arguments, const ToolIdentity& tool,
                   CommandLine (*parse)(const std::vector<std::string>&), std::string (*helpText)(),
                   ExitStatus (*work)(const CommandLine&), ExitStatus usageStatus)
{
    CommandLine commandLine;
    try {
        commandLine = parse(arguments);
    } catch (const UsageError& error) {
        reportError(tool.name) << error.what() << "\nTry '" << tool.name << " --help' for more information.\n";
        return usageStatus;
    }
    if (commandLine.action == CommandLine::Action::Help) {
        std::cout << helpText();
        return ExitStatus::Ok;
    }
    if (commandLine.action == CommandLine::Action::Version) {
        std::cout << tool.name << ' ' << tool.version << '\n';
        return ExitStatus::Ok;
    }
    return work(commandLine);
}

// Runs the tool on the arguments after the program name; returns main()'s result.
template <typename CommandLine, typename ExitStatus>
int toolMain(int argc, char** argv, const ToolIdentity& tool, CommandLine (*parse)(const std::vector<std::string>&),
             std::string (*helpText)(), ExitStatus (*work)(const CommandLine&),
             const MainStatuses<ExitStatus>& statuses)
{
    ExitStatus status = statuses.unexpected;
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        status = runTool(arguments, tool, parse, helpText, work, statuses.usage);
    } catch (const std::exception& error) {
        reportError(tool.name) << error.what() << '\n';
    }
    // A status the work already failed with stays the one to report.
    if (const std::string problem = finishStandardOutput(); !problem.empty()) {
        reportError(tool.name) << "cannot write standard output: " << problem << '\n';
        if (status == ExitStatus::Ok)
            status = statuses.output;
    }
    return static_cast<int>(status);
}

} // namespace tools
