#include "ListingOutput.h"

#include "PendingOutput.h"
#include "Report.h"
#include "trxhost/Listing.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace icfexport {

namespace {

// False, with errno telling why, when the text is not all written.
bool writeText(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    return static_cast<bool>(file);
}

} // namespace

ExitStatus writeListing(const trxhost::Document& document, const Job& job)
{
    try {
        PendingOutput output(job.output == kStandardStream ? job.output
                                                           : std::filesystem::absolute(job.output).string());
        errno = 0;
        if (!writeText(output.pathToWrite(), trxhost::formatListing(document))) {
            reportError() << job.output
                          << ": cannot write the listing: " << (errno ? std::strerror(errno) : "write error") << '\n';
            return ExitStatus::Output;
        }
        if (const std::string problem = output.commit(); !problem.empty()) {
            reportError() << job.output << ": " << problem << '\n';
            return ExitStatus::Output;
        }
        return ExitStatus::Ok;
    } catch (const std::system_error& error) {
        reportError() << job.output << ": " << error.what() << '\n';
        return ExitStatus::Output;
    }
}

} // namespace icfexport
