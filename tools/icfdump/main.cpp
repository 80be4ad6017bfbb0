// icfdump: lists an ICF stream in readable form and checks its syntax.
#include "CommandLine.h"
#include "ExitStatus.h"
#include "IcfDecoder.h"
#include "IcfListing.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

using namespace icfdump;

namespace {

const char kStandardInput[] = "-";

// Starts an error message; the caller writes the rest and the newline.
std::ostream& reportError()
{
    return std::cerr << "icfdump: ";
}

// Reads all of `fd`; false with errno set on a read error.
bool readAll(int fd, std::string& bytes)
{
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count == 0)
            return true;
        if (count > 0)
            bytes.append(buffer, static_cast<size_t>(count));
        else if (errno != EINTR)
            return false;
    }
}

bool readInput(const std::string& input, const std::string& name, std::string& bytes)
{
    const bool standardInput = input == kStandardInput;
    const int fd = standardInput ? STDIN_FILENO : open(input.c_str(), O_RDONLY | O_CLOEXEC);
    const bool complete = fd >= 0 && readAll(fd, bytes);
    const int error = errno;
    if (fd >= 0 && !standardInput)
        close(fd);
    if (!complete)
        reportError() << name << ": cannot read: " << std::strerror(error) << '\n';
    return complete;
}

ExitStatus dump(const CommandLine& commandLine)
{
    const std::string name = commandLine.input == kStandardInput ? "standard input" : commandLine.input;
    std::string bytes;
    if (!readInput(commandLine.input, name, bytes))
        return ExitStatus::Unreadable;
    const IcfStream stream = decodeIcf(bytes);
    for (const std::string& line : listIcf(stream, commandLine.listing))
        std::cout << line << '\n';
    std::cout.flush();
    if (!stream.fault)
        return ExitStatus::Ok;
    reportError() << name << ": " << describeFault(*stream.fault) << '\n';
    return ExitStatus::SyntaxFault;
}

ExitStatus run(const std::vector<std::string>& arguments)
{
    CommandLine commandLine;
    try {
        commandLine = parseCommandLine(arguments);
    } catch (const UsageError& error) {
        reportError() << error.what() << "\nTry 'icfdump --help' for more information.\n";
        return ExitStatus::Usage;
    }
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        std::cout << helpText();
        return ExitStatus::Ok;
    case CommandLine::Action::Version:
        std::cout << "icfdump " ICFDUMP_VERSION "\n";
        return ExitStatus::Ok;
    case CommandLine::Action::Dump:
        break;
    }
    return dump(commandLine);
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return static_cast<int>(run(std::vector<std::string>(argv + 1, argv + argc)));
    } catch (const std::exception& error) {
        // Running out of memory for the input or its listing is all that is
        // expected to get here.
        reportError() << error.what() << '\n';
        return static_cast<int>(ExitStatus::Unreadable);
    }
}
