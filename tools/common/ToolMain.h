// The main() every tool shares: parse the command line, answer --help and
// --version, otherwise do the tool's work, and turn errors into exit statuses.
#pragma once

#include "common/ErrorReport.h"
#include "common/UsageError.h"

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
};

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
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        return static_cast<int>(runTool(arguments, tool, parse, helpText, work, statuses.usage));
    } catch (const std::exception& error) {
        reportError(tool.name) << error.what() << '\n';
        return static_cast<int>(statuses.unexpected);
    }
}

} // namespace tools
