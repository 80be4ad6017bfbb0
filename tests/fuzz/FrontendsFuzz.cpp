// libFuzzer target: offers any bytes to the importers, as icfexport offers
// a file that is no listing, and writes the document built from them as a
// listing, which must load back as the same document. Whether an importer
// takes the bytes, refuses them or fails on them, the front ends must
// neither crash nor leak; the sanitizers and libFuzzer catch what goes
// wrong.
#include "frontends/Importer.h"
#include "trxhost/Document.h"
#include "trxhost/Listing.h"

#include <librevenge-stream/librevenge-stream.h>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    librevenge::RVNGStringStream input(data, static_cast<unsigned>(size));
    try {
        if (const auto document = frontends::importDocument(input, "input"))
            if (*trxhost::parseListing(trxhost::formatListing(*document), "listing") != *document)
                __builtin_trap();
    } catch (const frontends::ImportError&) {
        // A damaged file that an importer recognises: an answer like any other.
    }
    return 0;
}
