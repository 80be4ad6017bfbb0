// icfdump: lists an ICF stream in readable form and checks its syntax, or
// assembles such a listing back into ICF.
#include "CommandLine.h"
#include "ExitStatus.h"
#include "IcfAssembler.h"
#include "IcfDecoder.h"
#include "IcfListing.h"
#include "common/ErrorReport.h"
#include "common/ReadAll.h"
#include "common/ToolMain.h"
#include "preview/HtmlPage.h"
#include "preview/PreviewBuilder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

using namespace icfdump;

namespace {

constexpr char kToolName[] = "icfdump";
const char kStandardInput[] = "-";

// Starts an error message; the caller writes the rest and the newline.
std::ostream& reportError()
{
    return tools::reportError(kToolName);
}

bool readInput(const std::string& input, const std::string& name, std::string& bytes)
{
    const bool standardInput = input == kStandardInput;
    const int fd = standardInput ? STDIN_FILENO : open(input.c_str(), O_RDONLY | O_CLOEXEC);
    const bool complete = fd >= 0 && tools::readAll(fd, bytes);
    const int error = errno;
    if (fd >= 0 && !standardInput)
        close(fd);
    if (!complete)
        reportError() << name << ": cannot read: " << std::strerror(error) << '\n';
    return complete;
}

// Writes the ICF that the listing `text` shows; nothing for a malformed listing.
ExitStatus assemble(const std::string& name, const std::string& text)
{
    try {
        const std::string bytes = assembleIcf(text);
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush();
        return ExitStatus::Ok;
    } catch (const AssemblyError& error) {
        reportError() << name << ": " << error.what() << '\n';
        return ExitStatus::SyntaxFault;
    }
}

// Writes the HTML preview of the stream; a damaged stream is shown up to its
// fault, which the page marks and the status reports.
ExitStatus preview(const CommandLine& commandLine, const std::string& name, const std::string& bytes)
{
    const IcfStream stream = decodeIcf(bytes);
    const std::string page = preview::htmlPage(preview::buildPreview(stream), name);
    if (commandLine.output.empty()) {
        std::cout.write(page.data(), static_cast<std::streamsize>(page.size())).flush();
    } else {
        std::ofstream file(commandLine.output, std::ios::binary);
        file.write(page.data(), static_cast<std::streamsize>(page.size()));
        file.close();
        if (!file) {
            reportError() << commandLine.output << ": cannot write: " << std::strerror(errno) << '\n';
            return ExitStatus::Unwritable;
        }
    }
    if (!stream.fault)
        return ExitStatus::Ok;
    reportError() << name << ": " << describeFault(*stream.fault) << '\n';
    return ExitStatus::SyntaxFault;
}

ExitStatus dump(const CommandLine& commandLine)
{
    const std::string name = commandLine.input == kStandardInput ? "standard input" : commandLine.input;
    std::string bytes;
    if (!readInput(commandLine.input, name, bytes))
        return ExitStatus::Unreadable;
    if (commandLine.assemble)
        return assemble(name, bytes);
    if (commandLine.html)
        return preview(commandLine, name, bytes);
    const IcfStream stream = decodeIcf(bytes);
    for (const std::string& line : listIcf(stream, commandLine.listing))
        std::cout << line << '\n';
    std::cout.flush();
    if (!stream.fault)
        return ExitStatus::Ok;
    reportError() << name << ": " << describeFault(*stream.fault) << '\n';
    return ExitStatus::SyntaxFault;
}

} // namespace

int main(int argc, char** argv)
{
    // Running out of memory for the input or its listing is all that is
    // expected to end in Unreadable.
    return tools::toolMain(argc, argv, {kToolName, ICFDUMP_VERSION}, parseCommandLine, helpText, dump,
                           {ExitStatus::Usage, ExitStatus::Unreadable, ExitStatus::Unwritable});
}
