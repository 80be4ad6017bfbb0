#include "InputDocument.h"

#include "PendingOutput.h"
#include "common/ReadAll.h"
#include "frontends/Importer.h"
#include "trxhost/Document.h"
#include "trxhost/Listing.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace icfexport {

namespace {

constexpr unsigned kFirstLine = 1;

std::unique_ptr<trxhost::Document> loadStandardInput()
{
    constexpr char kName[] = "standard input";
    std::string text;
    if (!tools::readAll(STDIN_FILENO, text))
        throw trxhost::ListingError(kName, 0, 0, std::string("cannot read it: ") + std::strerror(errno));
    return trxhost::parseListing(text, kName);
}

// A listing has no signature of its own: a file is one when it loads as
// one. Only a file that does not is offered to the importers, and when none
// takes it, the listing's fault is the one to report; a fault in the first
// line may as well mean the file is no listing at all, and says so.
std::unique_ptr<trxhost::Document> loadFile(const std::string& path)
{
    try {
        return trxhost::loadListing(path);
    } catch (const trxhost::ListingError& listingError) {
        std::unique_ptr<trxhost::Document> imported;
        try {
            imported = frontends::importDocument(path);
        } catch (const frontends::ImportError& importError) {
            throw InputError(importError.what());
        }
        if (!imported)
            throw InputError(std::string(listingError.what()) +
                             (listingError.line() == kFirstLine ? " (nor does any importer recognise the file)" : ""));
        return imported;
    }
}

} // namespace

std::unique_ptr<trxhost::Document> loadInput(const std::string& input)
{
    if (input != kStandardStream)
        return loadFile(input);
    try {
        return loadStandardInput();
    } catch (const trxhost::ListingError& error) {
        throw InputError(error.what());
    }
}

} // namespace icfexport
