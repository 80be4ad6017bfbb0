#include "InputDocument.h"

#include "PendingOutput.h"
#include "common/ReadAll.h"
#include "frontends/Importer.h"
#include "trxhost/Document.h"
#include "trxhost/Listing.h"

#include <librevenge-stream/librevenge-stream.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace icfexport {

namespace {

constexpr unsigned kFirstLine = 1;
constexpr char kStandardInputName[] = "standard input";

// A listing has no signature of its own: an input is one when it loads as
// one. Only an input that does not is offered to the importers, and when
// none takes it, the listing's fault is the one to report; a fault in the
// first line may as well mean the input is no listing at all, and says so.
template <typename LoadListing, typename Import>
std::unique_ptr<trxhost::Document> loadListingOrImport(LoadListing loadListing, Import import)
{
    try {
        return loadListing();
    } catch (const trxhost::ListingError& listingError) {
        std::unique_ptr<trxhost::Document> imported;
        try {
            imported = import();
        } catch (const frontends::ImportError& importError) {
            throw InputError(importError.what());
        }
        if (!imported)
            throw InputError(std::string(listingError.what()) +
                             (listingError.line() == kFirstLine ? " (nor does any importer recognise the file)" : ""));
        return imported;
    }
}

std::unique_ptr<trxhost::Document> loadFile(const std::string& path)
{
    return loadListingOrImport([&path] { return trxhost::loadListing(path); },
                               [&path] { return frontends::importDocument(path); });
}

// Standard input is read whole first: the importers read back and forth in
// what they are given. The importers' streams hold no more than UINT_MAX
// bytes; a larger input is taken for a listing only.
std::unique_ptr<trxhost::Document> loadStandardInput()
{
    std::string bytes;
    if (!tools::readAll(STDIN_FILENO, bytes))
        throw InputError(std::string(kStandardInputName) + ": cannot read it: " + std::strerror(errno));
    return loadListingOrImport([&bytes] { return trxhost::parseListing(bytes, kStandardInputName); },
                               [&bytes]() -> std::unique_ptr<trxhost::Document> {
                                   if (bytes.size() > UINT_MAX)
                                       return nullptr;
                                   librevenge::RVNGStringStream input(
                                       reinterpret_cast<const unsigned char*>(bytes.data()),
                                       static_cast<unsigned>(bytes.size()));
                                   return frontends::importDocument(input, kStandardInputName);
                               });
}

} // namespace

std::unique_ptr<trxhost::Document> loadInput(const std::string& input)
{
    return input == kStandardStream ? loadStandardInput() : loadFile(input);
}

} // namespace icfexport
